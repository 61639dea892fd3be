// Colours as the game draws them. The pixels an object covers are those that
// change when it is hidden (the game culls after drawing, so flags set before
// a frame hold for it).
#include "game/GameManager.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Frame = std::vector<unsigned char>;

Frame drawn(GameDriver& driver, const std::vector<ModelNode*>& nodes, bool shown)
{
    for (ModelNode* node : nodes) {
        node->hidden = !shown;
    }
    driver.drawFrame();
    Frame rgb(GlTestWindow::width * GlTestWindow::height * 3);
    glReadPixels(0, 0, GlTestWindow::width, GlTestWindow::height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Mean RGB of `frame` over the pixels where `with` and `without` differ; their number last.
std::array<double, 4> meanOver(const Frame& frame, const Frame& with, const Frame& without)
{
    std::array<double, 4> sum{};
    for (std::size_t i = 0; i < frame.size(); i += 3) {
        const auto change = [&](int c) { return std::abs(with[i + c] - without[i + c]); };
        if (change(0) + change(1) + change(2) > 24) {
            sum = {sum[0] + frame[i], sum[1] + frame[i + 1], sum[2] + frame[i + 2], sum[3] + 1};
        }
    }
    return {sum[0] / sum[3], sum[1] / sum[3], sum[2] / sum[3], sum[3]};
}

} // namespace

TEST(DrawnColourTest, DisplayListsKeepTheColoursOfTreesAndForests)
{
    GameDriver driver(KORVEL_RUN_DIR);
    driver.level().nextLevel = 2; // trees and a forest in the start view
    driver.frames(2);
    driver.level().avatarPtr->hidden = true;
    std::vector<ModelNode*> foliage = driver.level().trees;
    foliage.insert(foliage.end(), driver.level().forests.begin(), driver.level().forests.end());
    const Frame bare = drawn(driver, foliage, false);
    const Frame textured = drawn(driver, foliage, true);
    driver.specialKey(GLUT_KEY_F7);
    driver.clock().advance(3000); // past the switch's message
    const auto before = meanOver(textured, textured, bare);
    const auto after = meanOver(drawn(driver, foliage, true), textured, bare);
    ASSERT_GT(before[3], 5000) << "trees in view";
    double difference = 0.0;
    for (int c = 0; c < 3; ++c) {
        difference += std::fabs(before[c] - after[c]) / 3;
    }
    RecordProperty("meanColourDifference", std::to_string(difference));
    EXPECT_LT(difference, 20.0);
}

TEST(DrawnColourTest, TheBlackSheepLooksBlack)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Actor& sheep = driver.game().level1.sheep;
    driver.level().avatarPtr->hidden = true;
    sheep.castsShadow = false;
    sheep.position.set(86.0f, 0.0f, 109.0f); // just ahead of the camera
    driver.frames(2);
    const Frame with = drawn(driver, {&sheep}, true);
    const auto mean = meanOver(with, with, drawn(driver, {&sheep}, false));
    ASSERT_GT(mean[3], 500) << "the sheep in view";
    RecordProperty("sheepMeanRgb", testing::PrintToString(mean));
    // Its fleece, 0.22 grey under a light wool texture, fully lit by both lights stays below 0.3.
    EXPECT_LT(std::max({mean[0], mean[1], mean[2]}), 0.3 * 255);
}
