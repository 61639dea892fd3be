// Culling switched off and on, and the pace of the figures' animations by
// the time they take.
#include "app/GameManager.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// F8 switches culling off: looking away from the village, a frame then
// draws the objects behind the view too, and after F8 again leaves them out.
TEST(RenderSwitches, F8DrawsWhatCullingLeavesOut)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Camera& camera = driver.game().level1.camera;
    camera.position.set(100, 5, 100);
    camera.target.set(90, 3, 100);
    camera.apply();
    const int culled = driver.modelsDrawnInAFrame();
    driver.specialKey(GLUT_KEY_F8);
    const int all = driver.modelsDrawnInAFrame();
    driver.specialKey(GLUT_KEY_F8);
    EXPECT_GT(all, culled + 5) << "the objects behind were left out all the same";
    EXPECT_EQ(driver.modelsDrawnInAFrame(), culled) << "culling is back on";
}

// The player's figure's idle animation takes the same time at 20 frames a
// second as at 200: its poses follow the clock, not the count of frames.
TEST(AnimationPace, APoseCycleTakesTheSameTimeAtAnyFrameRate)
{
    std::vector<int> cycleMs;
    for (const int fps : {20, 200}) {
        GameDriver driver(KORVEL_RUN_DIR, fps, 160, 120);
        driver.frames(fps);
        const ModelNode& figure = driver.game().level1.avatar;
        std::vector<int> starts; // of the cycle, twice
        for (int frame = 0; frame < 12 * fps && starts.size() < 2; ++frame) {
            const int before = figure.keyframeIndex;
            driver.frames(1);
            if (figure.keyframeIndex == 0 && before != 0) starts.push_back(driver.clock().elapsedMs());
        }
        ASSERT_EQ(starts.size(), 2u) << fps;
        cycleMs.push_back(starts[1] - starts[0]);
    }
    EXPECT_NEAR(cycleMs[1], cycleMs[0], cycleMs[0] / 10);
}

} // namespace
