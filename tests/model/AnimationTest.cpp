#include "ModelScene.h"
#include "model/ModelNode.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// A node whose slot 0 cycles through three poses, keyframe k shifted by
// 10 (k + 1) along x from the base model.
std::unique_ptr<ModelNode> walkingNode(int steps = 10)
{
    GlTestWindow::ensure();
    auto node = std::make_unique<ModelNode>();
    node->animated = true;
    scene::fillTriangle(node->model, 0.0f);
    Animation& walk = node->animations[0];
    walk.name = "walk";
    walk.keyframeCount = 3;
    walk.stepsPerKeyframe = steps;
    for (int k = 0; k < 3; ++k) {
        scene::fillTriangle(walk.keyframes[k], 10.0f * (k + 1));
    }
    return node;
}

// x of the top corner (vertex 2) as the last draw placed it.
float drawnShift(ModelNode& node)
{
    node.drawModel(&node.model);
    return node.blendedVertex.x;
}

// The x coordinates of every vertex one drawModel sends to GL, read back
// through feedback mode under a projection of +-100 units.
std::vector<float> drawnXs(ModelNode& node)
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-100, 100, -100, 100, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLfloat buffer[256];
    glFeedbackBuffer(256, GL_3D, buffer);
    glRenderMode(GL_FEEDBACK);
    node.drawModel(&node.model);
    const int used = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    std::vector<float> xs;
    for (int i = 0; i < used;) {
        if (buffer[i] == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(buffer[i + 1]);
            for (int v = 0; v < count; ++v) {
                xs.push_back(buffer[i + 2 + 3 * v] / 4.0f - 100.0f); // window x back to units
            }
            i += 2 + 3 * count;
        } else {
            ++i;
        }
    }
    return xs;
}

} // namespace

TEST(AnimationTest, PoseCycleVisitsEveryKeyframeThenTheBase)
{
    auto node = walkingNode();
    node->setAnimation(0);
    std::vector<float> shifts;
    for (int draw = 1; draw <= 55; ++draw) {
        shifts.push_back(drawnShift(*node));
    }
    EXPECT_FLOAT_EQ(shifts[0], 0.0f);   // the base model
    EXPECT_FLOAT_EQ(shifts[5], 5.0f);   // halfway to keyframe 0
    EXPECT_FLOAT_EQ(shifts[10], 10.0f); // keyframe 0 after 11 draws
    EXPECT_FLOAT_EQ(shifts[11], 10.0f); // and again as the next segment starts
    EXPECT_FLOAT_EQ(shifts[21], 20.0f);
    EXPECT_FLOAT_EQ(shifts[32], 30.0f);
    EXPECT_FLOAT_EQ(shifts[43], 0.0f);
    EXPECT_FLOAT_EQ(shifts[54], 10.0f);
    EXPECT_FLOAT_EQ(shifts[38], 30.0f - 5 * 3.0f);
}

TEST(AnimationTest, ShadowsAdvanceTheStepToo)
{
    auto node = walkingNode();
    node->setAnimation(0);
    node->shadowLight.set(0, 100, 0);
    node->draw(Matrix4());
    EXPECT_EQ(node->step, 2.0f);

    node->hidden = true;
    node->draw(Matrix4());
    EXPECT_EQ(node->step, 3.0f);

    node->castsShadow = false;
    node->draw(Matrix4());
    EXPECT_EQ(node->step, 3.0f);
    node->hidden = false;
    node->draw(Matrix4());
    EXPECT_EQ(node->step, 4.0f);
}

TEST(AnimationTest, SetAnimationOutOfRangeKeepsTheRunningOne)
{
    auto node = walkingNode();
    node->setAnimation(2);
    node->step = 3.0f;
    node->keyframeIndex = 2;
    node->restartPending = false;

    for (int index : {4, -1}) {
        CaptureStdout();
        node->setAnimation(index);
        EXPECT_EQ(GetCapturedStdout(), "=== Animation Not Found ===");
        EXPECT_EQ(node->currentAnimation, 2);
        EXPECT_EQ(node->keyframeIndex, 0);
        EXPECT_TRUE(node->restartPending);
        EXPECT_EQ(node->step, 3.0f);
    }
    CaptureStdout();
    node->setAnimation(3);
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(node->currentAnimation, 3);
}

TEST(AnimationTest, SwitchingMidSegmentRunsOnTowardsTheBase)
{
    auto node = walkingNode();
    node->setAnimation(0);
    for (int draw = 0; draw < 15; ++draw) {
        drawnShift(*node); // now 3 steps into keyframe 0 -> keyframe 1
    }
    ASSERT_EQ(node->step, 4.0f);
    node->animations[1] = {};
    node->animations[1].name = "fight";
    node->animations[1].keyframeCount = 3;
    node->animations[1].stepsPerKeyframe = 5;
    node->setAnimation(1);
    // From keyframe 0 (10) towards the base (0) with f = 4 / 5.
    EXPECT_NEAR(drawnShift(*node), 10.0f - 0.8f * 10.0f, 1e-5f);
    EXPECT_NEAR(drawnShift(*node), 0.0f, 1e-5f);
    EXPECT_EQ(node->keyframeIndex, 1); // keyframe 0 is skipped in this pass
}

TEST(AnimationTest, EmptyAndShortPosesAreDrawnAsTheBaseModel)
{
    auto node = walkingNode(2);
    node->animations[0].keyframes[0] = Ms3dModel(); // its file was missing
    node->animations[0].keyframes[1].vertices.resize(2);
    node->setAnimation(0);
    node->blendedVertex.set(-99, -99, -99);
    for (int draw = 0; draw < 6; ++draw) {
        const std::vector<float> xs = drawnXs(*node);
        ASSERT_EQ(xs.size(), 3u);
        EXPECT_NEAR(xs[0], -1.0f, 1e-3f);
        EXPECT_NEAR(xs[2], 0.0f, 1e-3f);
    }
    EXPECT_EQ(node->blendedVertex.x, -99.0f); // never blended
    EXPECT_EQ(node->keyframeIndex, 2);        // the cycle itself went on
}

TEST(AnimationTest, KeyframesLoadOnlyWhenAnimatedAndStopAtTheFirstEmptySlot)
{
    ScratchDir dir;
    dir.write("data/figur.ms3d", Ms3dBuilder::triangle().bytes());
    dir.write("data/figur_walk_0.ms3d", Ms3dBuilder::triangle().bytes());
    dir.write("data/figur_walk_1.ms3d", Ms3dBuilder::triangle().bytes());
    dir.write("data/figur_run_0.ms3d", Ms3dBuilder::triangle().bytes());

    auto node = std::make_unique<ModelNode>();
    node->animations[0].name = "walk";
    node->animations[0].keyframeCount = 2;
    node->animations[1].name = "jump";
    node->animations[1].keyframeCount = 2;
    node->animations[3].name = "run";
    node->animations[3].keyframeCount = 1;

    CaptureStdout();
    ASSERT_TRUE(node->load("data/figur.ms3d"));
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_TRUE(node->animations[0].keyframes[0].vertices.empty());

    node->animated = true;
    CaptureStdout();
    ASSERT_TRUE(node->load("data/figur.ms3d"));
    EXPECT_EQ(GetCapturedStdout(),
              "=== WARNING: Anim-File for data/figur.ms3d at Keyframe 0 not found! ===\n"
              "=== WARNING: data/figur_jump_0.ms3d cannot be opened ===\n"
              "=== WARNING: Anim-File for data/figur.ms3d at Keyframe 1 not found! ===\n"
              "=== WARNING: data/figur_jump_1.ms3d cannot be opened ===\n");
    EXPECT_EQ(node->animations[0].keyframes[0].vertices.size(), 3u);
    EXPECT_EQ(node->animations[0].keyframes[1].vertices.size(), 3u);
    EXPECT_TRUE(node->animations[0].keyframes[2].vertices.empty());
    EXPECT_TRUE(node->animations[3].keyframes[0].vertices.empty());

    // An empty first slot loads nothing at all.
    auto unnamed = std::make_unique<ModelNode>();
    unnamed->animated = true;
    unnamed->animations[1].name = "walk";
    unnamed->animations[1].keyframeCount = 1;
    CaptureStdout();
    ASSERT_TRUE(unnamed->load("data/figur.ms3d"));
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_TRUE(unnamed->animations[1].keyframes[0].vertices.empty());
}

TEST(AnimationTest, TooManyKeyframesAreCappedAtTheFiveSlots)
{
    ScratchDir dir;
    dir.write("data/figur.ms3d", Ms3dBuilder::triangle().bytes());
    auto node = walkingNode(1);
    node->animations[0].keyframeCount = 7;
    CaptureStdout();
    ASSERT_TRUE(node->load("data/figur.ms3d"));
    const std::string out = GetCapturedStdout();
    EXPECT_NE(out.find("at Keyframe 4 not found"), std::string::npos);
    EXPECT_EQ(out.find("at Keyframe 5"), std::string::npos);
    node->setAnimation(0);
    for (int draw = 0; draw < 40; ++draw) {
        ASSERT_EQ(drawnXs(*node).size(), 3u);
    }
}
