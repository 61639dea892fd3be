// A model file three ways: parsed alone; as the bounding box beside an intact
// model, whose extremes become the node's box turned with the node; and as a
// keyframe pose of that model, blended with it frame by frame (without a GL
// context the drawing calls do nothing).
#include "FuzzScratch.h"
#include "model/ModelNode.h"
#include "model/Ms3dReader.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir("data/huhn.ms3d", "data/figur.ms3d");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string problem; // the refusal's words are built too
    parseMs3d(std::string_view(reinterpret_cast<const char*>(data), size), &problem);
    writeInput("data/bbfigur.ms3d", data, size);
    writeInput("data/figur_walk_0.ms3d", data, size);
    auto node = std::make_unique<ModelNode>();
    node->hasBoundingBox = node->animated = true;
    node->animations[0].name = "walk";
    node->animations[0].keyframeCount = 1, node->animations[0].stepsPerKeyframe = 2;
    node->position.set(10.0f, 0.0f, -5.0f), node->scale.set(0.3f, 0.3f, 0.3f), node->heading = 45.0f;
    if (node->load("data/figur.ms3d")) {
        node->rotateBox(30.0f);
        node->setAnimation(0);
        for (int frame = 0; frame < 8; ++frame) node->drawModel(node->drawnModel);
    }
    return 0;
}
