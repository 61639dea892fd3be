// The colours objects are drawn in, measured on the game's own frames: the
// pixels an object covers are those that change when it is hidden.
#include "game/GameManager.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using Frame = std::vector<unsigned char>;

Frame drawn(GameDriver& driver, const std::vector<ModelNode*>& shown, bool visible)
{
    // The game culls after drawing, so the flags hold for this frame.
    for (ModelNode* node : shown) {
        node->hidden = !visible;
    }
    driver.drawFrame();
    Frame rgb(GlTestWindow::width * GlTestWindow::height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GlTestWindow::width, GlTestWindow::height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Mean RGB of `frame` where `with` and `without` differ; the count in [3].
std::array<double, 4> meanWhereChanged(const Frame& frame, const Frame& with, const Frame& without)
{
    std::array<double, 4> mean{};
    for (std::size_t i = 0; i < frame.size(); i += 3) {
        int change = 0;
        for (int c = 0; c < 3; ++c) {
            change += std::abs(with[i + c] - without[i + c]);
        }
        if (change > 24) {
            for (int c = 0; c < 3; ++c) {
                mean[c] += frame[i + c];
            }
            mean[3] += 1;
        }
    }
    for (int c = 0; c < 3; ++c) {
        mean[c] /= std::max(mean[3], 1.0);
    }
    return mean;
}

} // namespace

TEST(DrawnColourTest, DisplayListsKeepTheColoursOfTreesAndForests)
{
    GameDriver driver(KORVEL_RUN_DIR);
    driver.level().nextLevel = 2; // trees and a forest in the start view
    driver.frames(2);
    Level& level = driver.level();
    level.avatarPtr->hidden = true;
    std::vector<ModelNode*> foliage = level.trees;
    foliage.insert(foliage.end(), level.forests.begin(), level.forests.end());

    const Frame bare = drawn(driver, foliage, false);
    const Frame textured = drawn(driver, foliage, true);
    driver.specialKey(GLUT_KEY_F7);
    driver.clock().advance(3000); // past the switch's message
    const Frame listed = drawn(driver, foliage, true);

    const auto before = meanWhereChanged(textured, textured, bare);
    const auto after = meanWhereChanged(listed, textured, bare);
    ASSERT_GT(before[3], 5000) << "trees in view";
    double difference = 0.0;
    for (int c = 0; c < 3; ++c) {
        difference += std::fabs(before[c] - after[c]) / 3.0;
    }
    RecordProperty("meanColourDifference", std::to_string(difference));
    EXPECT_LT(difference, 20.0);
}

TEST(DrawnColourTest, TheBlackSheepLooksBlack)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Level1& village = driver.game().level1;
    village.avatar.hidden = true;
    village.sheep.castsShadow = false;
    village.sheep.position.set(86.0f, 0.0f, 109.0f); // just ahead of the camera
    driver.frames(2);

    const Frame with = drawn(driver, {&village.sheep}, true);
    const auto sheep = meanWhereChanged(with, with, drawn(driver, {&village.sheep}, false));
    ASSERT_GT(sheep[3], 500) << "the sheep in view";
    RecordProperty("sheepMeanRgb", testing::PrintToString(std::array<double, 3>{sheep[0], sheep[1], sheep[2]}));
    // Its fleece, 0.22 grey under a light-grey wool texture, fully lit by
    // both lights stays below 0.3.
    for (int c = 0; c < 3; ++c) {
        EXPECT_LT(sheep[c], 0.3 * 255) << "channel " << c;
    }
}
