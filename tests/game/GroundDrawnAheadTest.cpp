#include "effects/WaterSurface.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<unsigned char> readPicture()
{
    std::vector<unsigned char> rgb(GlTestWindow::width * GlTestWindow::height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GlTestWindow::width, GlTestWindow::height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

} // namespace

// The ground and the hills are drawn ahead of the scene only to spare
// shading the sky behind them: the picture is the one the scene's own
// order gives, also where the glow of the sky and the river (drawn without
// depth) lie behind them, seen from high above and across the river.
TEST(GroundDrawnAheadTest, ThePictureIsTheSceneOrdersOwn)
{
    GameDriver driver(KORVEL_RUN_DIR);
    GameManager& game = driver.game();
    const struct {
        int level;
        Vector3 eye;
        Vector3 target;
    } views[] = {{1, {60, 45, 60}, {110, 0, 110}}, {1, {60, 5, 112}, {75, 1, 112}}, {4, {120, 30, 100}, {168, 0, 57}}};
    for (const auto& view : views) {
        game.currentLevel->nextLevel = view.level;
        driver.frames(1);
        Level& level = *game.currentLevel;
        // Nothing moves between the two pictures.
        level.avatar.animated = false;
        game.level1.sheep.animated = false;
        for (ModelNode* object : level.obstacles) {
            object->animated = false;
        }
        level.avatar.castsShadow = false; // before the ground in the scene's order, it would be lost
        level.camera.position = view.eye;
        level.camera.target = view.target;
        level.camera.apply();
        driver.frames(1);

        // Both pictures from the same state of the glow and the river.
        ParticleSheet& sheet = view.level == 1 ? game.level1.heavenBase.sheet : game.level4.heavenBase.sheet;
        const ParticleSheet glow = sheet;
        const WaterGrid river = WaterSurface::grid;
        glDisable(GL_LIGHTING); // as before the game's first frame
        driver.drawFrame();
        const std::vector<unsigned char> ahead = readPicture();
        sheet = glow;
        WaterSurface::grid = river;
        level.ground.drawnAhead = level.hill.drawnAhead = false;
        glDisable(GL_LIGHTING);
        driver.drawFrame();
        const std::vector<unsigned char> inOrder = readPicture();
        level.ground.drawnAhead = level.hill.drawnAhead = true;

        int differing = 0;
        for (std::size_t i = 0; i < ahead.size(); ++i) {
            differing += ahead[i] != inOrder[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0) << "level " << view.level << " from y " << view.eye.y;
    }
}
