// The game manager in the real game: level switches, side trips, the
// function keys, the texts it writes and walls at any frame rate.
#include "app/GameManager.h"
#include "game/ControlNode.h"
#include "levels/LevelTables.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

class GameManagerTest : public ::testing::Test {
protected:
    GameDriver driver{KORVEL_RUN_DIR};
    GameManager& game = driver.game();
};

TEST_F(GameManagerTest, OnlyTheLastRequestOfAFrameForALevelOfTheGameSwitches)
{
    game.level1.nextLevel = 7;
    driver.frames(1);
    EXPECT_EQ(game.level1.nextLevel, 1) << "no such level: the request is forgotten";
    game.level1.nextLevel = 3;
    game.level1.nextLevel = 2;
    driver.frames(1);
    EXPECT_EQ(driver.levelNumber(), 2);
    EXPECT_FALSE(game.level3Visited);
    EXPECT_FALSE(game.level1.hasChild("Geobranch"));
    EXPECT_TRUE(game.level2.hasChild("Geobranch"));
    EXPECT_EQ(driver.controls().getChildren(), (std::vector<SceneNode*>{&game, &game.level2}));
    EXPECT_EQ(driver.controls().camera, &game.level2.camera);
    EXPECT_EQ(driver.controls().inputMode, 'a');

    game.level2.nextLevel = 1;
    driver.frames(1);
    EXPECT_EQ(driver.controls().getChildren(), (std::vector<SceneNode*>{&game, &game.level1}));
    EXPECT_FALSE(game.level2.hasChild("Geobranch"));
}

TEST_F(GameManagerTest, EveryReturnFromASideTripStartsAtTheReturnPlace)
{
    const auto expectReturned = [](Level& level, int number) {
        const ReturnSetup& back = levelTable(number)->returnSetup;
        EXPECT_NEAR(level.avatar.position.distanceTo(back.avatarPosition.x, 0, back.avatarPosition.z), 0, 1e-4f);
        EXPECT_FLOAT_EQ(level.camera.position.x, back.camera.position.x);
        EXPECT_FLOAT_EQ(level.camera.target.z, back.camera.target.z);
    };
    game.level1.nextLevel = 2;
    driver.frames(1);
    const struct { int level; bool back; } skips[] =
        {{3, false}, {2, true}, {4, false}, {5, false}, {4, true}, {6, false}, {6, false}}; // the inn has no way on
    for (const auto& skip : skips) {
        driver.press('l');
        driver.frames(1);
        ASSERT_EQ(driver.levelNumber(), skip.level);
        if (skip.back) {
            expectReturned(driver.level(), skip.level);
        }
    }
    game.level6.nextLevel = 4; // wherever the avatar went since
    game.level4.avatar.position.set(20, 0, 20);
    driver.frames(1);
    expectReturned(game.level4, 4);
}

TEST_F(GameManagerTest, FunctionKeysSwitchTheirSettingAndSayWhatTheyDid)
{
    Level& woods = game.level2;
    const unsigned int grass = game.level1.ground.model.materials.at(0).texture;
    const auto texture = [&] { return game.level1.ground.model.materials[0].texture; };
    const auto mipmapped = [&] {
        GLint filter = 0;
        glBindTexture(GL_TEXTURE_2D, texture());
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        return filter == GL_LINEAR_MIPMAP_LINEAR;
    };
    const struct {
        int key;
        const char *on, *off; // what it says switching on and off
        std::function<bool()> switchedOn;
    } keys[] = {
        {GLUT_KEY_F3, "", "", [] { GLint mode[2] = {}; glGetIntegerv(GL_POLYGON_MODE, mode); return mode[0] == GL_LINE; }},
        {GLUT_KEY_F4, "Texturqualitaet nieder", "Texturqualitaet hoch",
         [&] { return !game.level6.sky.highQualityTextures && texture() != grass && texture() != 0; }},
        {GLUT_KEY_F5, "Mip Mapping ein", "Mip Mapping aus", [&] { return mipmapped() && !woods.ground.textureFlag; }},
        {GLUT_KEY_F7, "Display Lists ein", "Display Lists aus",
         [&] {
             return woods.forests.at(0)->displayListBase == game.displayListIds[2] &&
                    woods.trees.at(0)->useDisplayList && !woods.hill.useDisplayList;
         }},
        {GLUT_KEY_F8, "View frustum culling aus", "View frustum culling ein", [&] { return !game.frustumCulling; }},
    };
    driver.controls().inputMode = 'g'; // in a conversation too
    driver.specialKey(GLUT_KEY_F1);
    EXPECT_EQ(driver.message(), "H I L F E");
    for (const auto& k : keys) {
        for (const bool on : {true, false}) {
            driver.game().message.clear();
            driver.specialKey(k.key);
            EXPECT_EQ(k.switchedOn(), on) << k.key;
            EXPECT_EQ(driver.message(), on ? k.on : k.off) << k.key;
        }
    }
}

// Black Times 24 from 10 across: the prompt's baseline 30 down, after F2
// the measured frame rate's 70 down, a message's 110 down for two seconds.
TEST_F(GameManagerTest, PromptFrameRateAndMessageAreWrittenInBlackAtTheirRows)
{
    const auto shows = [&](const std::string& text, int fromTop) {
        driver.drawFrame();
        return GlTestWindow::showsText(GLUT_BITMAP_TIMES_ROMAN_24, text, 10, 600 - fromTop, false);
    };
    driver.frames(40); // the rate measured, 40 a second
    EXPECT_TRUE(!driver.prompt().empty() && shows(driver.prompt(), 30));
    EXPECT_FALSE(shows("40", 70));
    driver.specialKey(GLUT_KEY_F2);
    EXPECT_TRUE(shows("40", 70));
    driver.clock().setTime(5000);
    driver.specialKey(GLUT_KEY_F6);
    driver.clock().setTime(6000);
    driver.specialKey(GLUT_KEY_HOME); // no message of its own, but it re-arms the last one
    EXPECT_TRUE(shows("Sie befinden sich im Immediate Mode", 110));
    driver.frameAt(7999);
    EXPECT_EQ(driver.message(), "Sie befinden sich im Immediate Mode");
    driver.frameAt(8000);
    EXPECT_FALSE(shows("Sie befinden sich im Immediate Mode", 110));
}

// However slow the frames, the avatar walking into Level 2's east boundary
// wall (1 unit thick, at x = 200) stops in front of it.
TEST(WallCollisionTest, NoFrameRateCarriesTheAvatarThroughTheWall)
{
    const std::pair<int, int> walks[] = {{5, 0}, {10, 0}, {25, 0}, {60, 0}, {500, 0}, {60, 4000}}; // fps, one long frame
    for (const auto& [fps, longFrameMs] : walks) {
        SCOPED_TRACE(testing::Message() << fps << " fps, long frame " << longFrameMs << " ms");
        GameDriver driver(KORVEL_RUN_DIR, fps);
        driver.level().nextLevel = 2;
        driver.frames(1);
        Avatar& avatar = driver.level().avatar;
        ASSERT_FLOAT_EQ(avatar.position.x, 10.0f); // facing the wall, nothing between
        avatar.walk(180.0f);
        driver.keyDown('w');
        driver.clock().advance(longFrameMs);
        driver.frames(fps); // 20 units: well past the wall, were it let through
        EXPECT_GT(avatar.position.x, 195.0f); // within a 5-fps step of the wall
        EXPECT_LT(avatar.position.x, 199.5f);
        EXPECT_NEAR(driver.level().fps, fps, fps / 20.0f) << "measured, for the level's animations";
    }
}

} // namespace

// Level 2's smoke moves in every frame. Paused, not a pixel changes however
// long, and going on the figure walks its usual steps, none to catch up.
TEST_F(GameManagerTest, APauseHoldsThePictureStillAndGoesOnWithoutAStepToCatchUp)
{
    const auto picture = [&] {
        driver.drawFrame();
        std::vector<unsigned char> rgb(800 * 600 * 3);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    };
    driver.press('l');
    driver.frames(40);
    EXPECT_NE(picture(), picture());
    driver.keyDown('w');
    driver.frames(4);
    driver.press('P'); // Caps Lock on
    const auto still = picture();
    const Vector3 at = driver.level().avatar.position;
    driver.frames(400);
    EXPECT_EQ(picture(), still);
    EXPECT_TRUE(GlTestWindow::showsText(GLUT_BITMAP_TIMES_ROMAN_24,
                                        "Pause - p: weiter, Pfeiltasten: einstellen, Esc: Spiel beenden", 10, 450, false));
    EXPECT_FLOAT_EQ(driver.level().avatar.position.z, at.z);
    driver.press('p');
    driver.keyDown('w');
    driver.frames(4);
    const Vector3& now = driver.level().avatar.position;
    // Four steps of 20 / 40 units, fewer as the key presses' frames count too.
    const float walked = std::hypot(now.x - at.x, now.z - at.z);
    EXPECT_TRUE(walked > 1.0f && walked <= 2.0f) << walked;
}
