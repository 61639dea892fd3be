// Culling by what it leaves out of the picture, and the pace of the
// figures' animations by the time they take.
#include "app/GameManager.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"
#include "support/RealGame.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The back buffer, bottom row first.
Screenshot backBuffer()
{
    Screenshot picture{GlTestWindow::width, GlTestWindow::height, std::vector<unsigned char>(800 * 600 * 3)};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
    return picture;
}

// Culling looks at the frame drawn: an object behind the view is left out
// of the next frame. Turned to the church at once, the first frame then
// lacks it, unless F8 has switched culling off.
TEST(RenderSwitches, F8DrawsWhatCullingLeavesOut)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Camera& camera = driver.game().level1.camera;
    driver.level().avatar.hidden = true;
    const auto turnedToTheChurch = [&] {
        driver.clock().advance(3000); // past the switch's message
        camera.position.set(100, 5, 100);
        camera.target.set(90, 3, 100); // away from it
        camera.apply();
        driver.frames(2);
        camera.target.set(115, 3, 110);
        camera.apply();
        driver.drawFrame();
        return backBuffer();
    };
    const Screenshot culled = turnedToTheChurch();
    driver.specialKey(GLUT_KEY_F8);
    const Screenshot drawn = turnedToTheChurch();
    driver.specialKey(GLUT_KEY_F8);
    driver.clock().advance(3000);
    driver.frames(2);
    driver.drawFrame();
    const Screenshot later = backBuffer();
    EXPECT_GT(culled.differenceFrom(drawn), 10.0) << "the church was drawn all the same";
    EXPECT_LT(later.differenceFrom(drawn), 2.0) << "in view it is drawn again";
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
