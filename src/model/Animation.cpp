// Keyframe animation of a model node: pose files, the pose cycle and the blend.

#include "model/ModelNode.h"

#include "platform/DataFile.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A pose lends only its vertex locations to the blend; its triangles,
// meshes and materials repeat the base model's and would only take room.
void keepVerticesOnly(Model& pose)
{
    std::vector<Triangle>().swap(pose.triangles);
    std::vector<Mesh>().swap(pose.meshes);
    std::vector<Material>().swap(pose.materials);
    pose.numTriangles = 0;
    pose.numMeshes = 0;
    pose.numMaterials = 0;
}

int usableKeyframes(const Animation& a)
{
    return std::clamp(a.keyframeCount, 0, Animation::maxKeyframes);
}

} // namespace

void ModelNode::loadKeyframes(const char* fileName)
{
    // Poses of "data/avatarfinal.ms3d", slot "walk": "data/avatarfinal_walk_0.ms3d", ...
    const std::string base(fileName);
    const std::string stem = base.size() >= 5 ? base.substr(0, base.size() - 5) : std::string();
    for (Animation& animation : animations) {
        if (animation.name.empty()) {
            break;
        }
        for (int k = 0; k < usableKeyframes(animation); ++k) {
            const std::string poseFile = stem + "_" + animation.name + "_" + std::to_string(k) + ".ms3d";
            Ms3dModel& pose = animation.keyframes[k];
            std::string problem;
            if (!pose.loadModelData(poseFile.c_str(), problem)) {
                std::cout << "=== WARNING: Anim-File for " << fileName << " at Keyframe " << k
                          << " not found! ===" << std::flush;
                warnAboutFile(poseFile, problem, true);
            }
            keepVerticesOnly(pose);
        }
    }
}

void ModelNode::setAnimation(int index)
{
    restartPending = true;
    if (index >= 0 && index <= 3) {
        currentAnimation = index;
    } else {
        std::cout << "=== Animation Not Found ===" << std::flush;
    }
    keyframeIndex = 0;
}

float ModelNode::prepareBlend(Model* m)
{
    Animation& animation = animations[currentAnimation];
    const float steps = static_cast<float>(animation.stepsPerKeyframe);
    const float factor = steps > 0.0f ? step / steps : 0.0f;
    if (restartPending) {
        restartPending = false;
        toPose = m;
    }
    if (step == 0.0f) {
        fromPose = toPose;
        const int n = usableKeyframes(animation);
        toPose = keyframeIndex < n ? &animation.keyframes[keyframeIndex] : m;
    }
    return factor;
}

void ModelNode::advanceStep()
{
    const Animation& animation = animations[currentAnimation];
    if (step >= static_cast<float>(animation.stepsPerKeyframe)) {
        step = 0.0f;
        keyframeIndex = keyframeIndex + 1 > animation.keyframeCount ? 0 : keyframeIndex + 1;
    } else {
        step += 1.0f;
    }
}

int pacedSteps(int k, float framesPerSecond)
{
    constexpr float designRate = 40.0f;
    return static_cast<int>(static_cast<float>(k) * framesPerSecond / (designRate * designRate));
}
