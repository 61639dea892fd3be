// Pictures of the real game, as a player would see shadows, the order of
// drawing and the colours go wrong. Culling leaves the hidden flags alone,
// so those set before a frame hold.
#include "app/GameManager.h"
#include "effects/ParticleSheet.h"
#include "effects/WaterSurface.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

using Frame = std::vector<unsigned char>;

// A frame drawn with `nodes` shown or hidden, as RGB rows, bottom row first.
Frame drawn(GameDriver& driver, const std::vector<ModelNode*>& nodes = {}, bool shown = true)
{
    for (ModelNode* node : nodes) {
        node->hidden = !shown;
    }
    driver.drawFrame();
    Frame rgb(GlTestWindow::width * GlTestWindow::height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
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

// A shadow (black, alpha 0.1) keeps 90 % of the ground's colour however many
// triangles cover a pixel; the avatar's is not lost under the later ground.
TEST(ShadowBlendTest, ShadowsDarkenTheGroundOnceByTheirAlpha)
{
    GameDriver driver(KORVEL_RUN_DIR);
    // Nothing moves by itself: the characters hold their poses, the sky's glow is hidden.
    Level1& village = driver.game().level1;
    for (ModelNode* n : std::initializer_list<ModelNode*>{&village.avatar, village.priest, village.frau, village.sheep}) {
        n->animated = false;
    }
    village.find<ParticleSheet>("heavenBase")->hidden = true;
    driver.frames(2);
    for (ModelNode* caster : std::initializer_list<ModelNode*>{&village.avatar, village.find<ModelNode>("haus2")}) {
        caster->castsShadow = false;
        const Frame bare = drawn(driver);
        caster->castsShadow = true;
        const Frame shaded = drawn(driver);

        int darkened = 0;
        int otherwise = 0;
        for (std::size_t green = 1; green < bare.size(); green += 3) {
            if (shaded[green] == bare[green] || bare[green] < 60) {
                continue; // untouched, or too dark to tell 90 % from 81 %
            }
            const double kept = static_cast<double>(shaded[green]) / bare[green];
            ++(kept > 0.86 && kept < 0.94 ? darkened : otherwise);
        }
        EXPECT_GT(darkened, 40) << caster->getName();
        EXPECT_EQ(otherwise, 0) << caster->getName();
    }
}

// Drawing the models, the ground and the hills ahead only spares shading what
// they hide: the picture is the scene order's own, also over the glow and the river.
TEST(GroundDrawnAheadTest, ThePictureIsTheSceneOrdersOwn)
{
    GameDriver driver(KORVEL_RUN_DIR);
    GameManager& game = driver.game();
    const struct { int level; Vector3 eye; Vector3 target; } views[] =
        {{1, {60, 45, 60}, {110, 0, 110}}, {1, {60, 5, 112}, {75, 1, 112}}, {4, {120, 30, 100}, {168, 0, 57}}};
    for (const auto& view : views) {
        game.currentLevel->nextLevel = view.level;
        driver.frames(1);
        Level& level = *game.currentLevel;
        // Nothing moves between the two pictures.
        level.avatar.animated = false;
        game.level1.sheep->animated = false;
        for (ModelNode* object : level.obstacles) {
            object->animated = false;
        }
        level.avatar.castsShadow = false; // before the ground in the scene's order, it would be lost
        level.camera.place(view.eye, view.target);
        level.camera.apply();
        driver.frames(1);

        // Both pictures from the same state of the glow and the river.
        ParticleSheet& sheet = *level.find<ParticleSheet>("heavenBase");
        const ParticleSheet glow = sheet;
        const WaterGrid river = WaterSurface::grid;
        glDisable(GL_LIGHTING); // as before the game's first frame
        const Frame ahead = drawn(driver);
        sheet = glow;
        WaterSurface::grid = river;
        level.drawsAhead = false;
        glDisable(GL_LIGHTING);
        EXPECT_TRUE(drawn(driver) == ahead) << "level " << view.level << " from y " << view.eye.y;
        level.drawsAhead = true;
    }
}

TEST(DrawnColourTest, DisplayListsKeepTheColoursOfTreesAndForests)
{
    GameDriver driver(KORVEL_RUN_DIR);
    driver.level().nextLevel = 2; // trees and a forest in the start view
    driver.frames(2);
    driver.level().avatar.hidden = true;
    std::vector<ModelNode*> foliage = driver.level().trees;
    foliage.insert(foliage.end(), driver.level().forests.begin(), driver.level().forests.end());
    const Frame bare = drawn(driver, foliage, false);
    const Frame textured = drawn(driver, foliage, true);
    driver.specialKey(GLUT_KEY_F7);
    driver.clock().advance(3000); // past the switch's message
    const auto before = meanOver(textured, textured, bare);
    const auto after = meanOver(drawn(driver, foliage, true), textured, bare);
    ASSERT_GT(before[3], 5000) << "trees in view";
    EXPECT_LT(std::fabs(before[0] - after[0]) + std::fabs(before[1] - after[1]) + std::fabs(before[2] - after[2]), 60.0);
}

TEST(DrawnColourTest, TheBlackSheepLooksBlack)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Actor& sheep = *driver.game().level1.sheep;
    driver.level().avatar.hidden = true;
    sheep.castsShadow = false;
    sheep.position.set(86.0f, 0.0f, 109.0f); // just ahead of the camera
    driver.frames(2);
    const Frame with = drawn(driver, {&sheep}, true);
    const auto mean = meanOver(with, with, drawn(driver, {&sheep}, false));
    ASSERT_GT(mean[3], 500) << "the sheep in view";
    // Its fleece, 0.22 grey under a light wool texture, fully lit by both lights stays below 0.3.
    EXPECT_LT(std::max({mean[0], mean[1], mean[2]}), 0.3 * 255);
}

} // namespace
