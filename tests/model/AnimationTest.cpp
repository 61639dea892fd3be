#include "model/ModelNode.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// A walking node: slot 0 cycles through three poses of one triangle, pose k
// shifted 10 (k + 1) along x. Loaded from files, as the game loads them.
struct Walker {
    explicit Walker(int steps, int keyframes = 3)
    {
        GlTestWindow::ensure();
        for (int k = 0; k < 3; ++k) {
            Ms3dBuilder pose = Ms3dBuilder::triangle();
            for (auto& v : pose.vertices) {
                v.x += 10.0f * (k + 1);
            }
            dir.write("data/figur_walk_" + std::to_string(k) + ".ms3d", pose.bytes());
        }
        dir.write("data/figur.ms3d", Ms3dBuilder::triangle().bytes());
        node.animated = true;
        node.animations[0] = {"walk", keyframes, steps, {}};
    }
    // x of the blended top vertex of one draw.
    float drawn()
    {
        node.drawModel(&node.model);
        return node.blendedVertex.x;
    }
    ScratchDir dir;
    ModelNode node;
};

TEST(AnimationTest, ThePoseCycleVisitsEveryKeyframeThenTheBase)
{
    Walker w(10);
    CaptureStdout();
    ASSERT_TRUE(w.node.load("data/figur.ms3d"));
    EXPECT_EQ(GetCapturedStdout(), "");
    w.node.setAnimation(0);
    std::vector<float> x;
    for (int draw = 0; draw < 55; ++draw) {
        x.push_back(w.drawn());
    }
    // The base, halfway, pose 0 after 11 draws and again as the next segment starts, ...
    EXPECT_EQ((std::vector{x[0], x[5], x[10], x[11], x[21], x[32], x[38], x[43], x[54]}),
              (std::vector<float>{0, 5, 10, 10, 20, 30, 15, 0, 10}));

    CaptureStdout();
    w.node.setAnimation(4);
    EXPECT_EQ(GetCapturedStdout(), "=== Animation Not Found ===");
    EXPECT_EQ(w.node.currentAnimation, 0);
}

TEST(AnimationTest, MissingAndShortPosesAreDrawnAsTheBaseAndWarnedAboutAtLoad)
{
    Walker w(2, 7); // more keyframes than the five slots
    std::filesystem::remove(w.dir.path() / "data/figur_walk_0.ms3d");
    w.node.animations[2] = {"sprung", 1, 1, {}}; // after an empty slot: never looked for
    CaptureStdout();
    ASSERT_TRUE(w.node.load("data/figur.ms3d"));
    std::string expected;
    for (int k : {0, 3, 4}) {
        const std::string n = std::to_string(k);
        expected += "=== WARNING: Anim-File for data/figur.ms3d at Keyframe " + n + " not found! ===\n"
                    "=== WARNING: data/figur_walk_" + n + ".ms3d kann nicht geoeffnet werden ===\n";
    }
    EXPECT_EQ(GetCapturedStdout(), expected);

    w.node.animations[0].keyframes[1].vertices.resize(2); // a short pose
    w.node.setAnimation(0);
    for (int draw = 0; draw < 6; ++draw) { // base to pose 0, pose 0 to pose 1
        w.node.blendedVertex.set(-99, -99, -99);
        w.drawn();
        ASSERT_EQ(w.node.blendedVertex.x, -99) << "draw " << draw << " blended a broken pose";
    }
    EXPECT_EQ(w.node.keyframeIndex, 2) << "the cycle itself goes on";
}

} // namespace
