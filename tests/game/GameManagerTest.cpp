// The game manager in the real game: level switches, side trips, the
// function keys, culling, the frame rate and the texts it writes.
#include "game/ControlNode.h"
#include "game/GameManager.h"
#include "levels/LevelLayouts.h"
#include "platform/Sound.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <functional>

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
        const ReturnSetup& back = *levelLayout(number)->returnSetup;
        EXPECT_NEAR(level.avatar.position.distanceTo(back.avatarPosition.x, 0, back.avatarPosition.z), 0, 1e-4f);
        EXPECT_FLOAT_EQ(level.camera.position.x, back.camera.position.x);
        EXPECT_FLOAT_EQ(level.camera.target.z, back.camera.target.z);
    };
    game.level1.nextLevel = 2;
    driver.frames(1);
    const struct {
        int level;
        bool back;
    } skips[] = {{3, false}, {2, true}, {4, false}, {5, false}, {4, true}, {6, false}, {6, false}}; // the inn has no way on
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
    const auto press = [this](int key, const char* message) {
        driver.specialKey(key);
        EXPECT_TRUE(message == nullptr || driver.message() == message) << key << ": " << driver.message();
    };
    const auto everyLevel = [this](const std::function<bool(Level&)>& test) {
        for (int n = 1; n <= 6; ++n) {
            if (!test(*game.levelByNumber(n))) {
                return false;
            }
        }
        return true;
    };
    const unsigned int grass = game.level1.ground.model.materials.at(0).texture;
    driver.controls().inputMode = 'g'; // in a conversation too
    press(GLUT_KEY_F1, "H I L F E");
    EXPECT_EQ(soundStatus().lastPath, "data/sound/hilfe.wav");
    press(GLUT_KEY_F6, "Sie befinden sich im Immediate Mode");
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        press(GLUT_KEY_F2, nullptr);
        EXPECT_EQ(game.showFps, on);
        press(GLUT_KEY_F3, nullptr);
        GLint mode[2] = {};
        glGetIntegerv(GL_POLYGON_MODE, mode);
        EXPECT_EQ(mode[0], on ? GL_LINE : GL_FILL);
        press(GLUT_KEY_F4, on ? "Texturqualitaet nieder" : "Texturqualitaet hoch");
        EXPECT_EQ(everyLevel([](Level& l) { return !l.sky.highQualityTextures && !l.ground.highQualityTextures; }), on);
        const unsigned int texture = game.level1.ground.model.materials[0].texture;
        EXPECT_TRUE(texture != 0 && (texture == grass) != on) << "the low variant, then the grass again";
        press(GLUT_KEY_F5, on ? "Mip Mapping ein" : "Mip Mapping aus");
        EXPECT_EQ(game.level1.sky.textureFlag && game.level1.ground.textureFlag, on);
        EXPECT_FALSE(game.level2.ground.textureFlag) << "only the village";
        GLint filter = 0;
        glBindTexture(GL_TEXTURE_2D, game.level1.ground.model.materials[0].texture);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter == GL_LINEAR_MIPMAP_LINEAR, on);
        press(GLUT_KEY_F7, on ? "Display Lists ein" : "Display Lists aus");
        EXPECT_EQ(everyLevel([&](Level& level) {
                      bool all = !level.hill.useDisplayList;
                      for (ModelNode* tree : level.trees) {
                          all = all && tree->useDisplayList && tree->displayListBase == game.displayListIds[0];
                      }
                      for (ModelNode* forest : level.forests) {
                          all = all && forest->useDisplayList && forest->displayListBase == game.displayListIds[2];
                      }
                      return all;
                  }),
                  on);
        press(GLUT_KEY_F8, on ? "View frustum culling aus" : "View frustum culling ein");
        EXPECT_EQ(game.frustumCulling, !on);
    }
}

TEST_F(GameManagerTest, CullingHidesObstaclesOutOfViewUntilSwitchedOff)
{
    game.level1.nextLevel = 2;
    driver.frames(2);
    // The camera looks east along z = 100: baum3 at (110, 0, 102) is in view, baum1 at (50, 0, 160) not.
    EXPECT_FALSE(game.level2.baum3.hidden);
    EXPECT_TRUE(game.level2.baum1.hidden);
    driver.specialKey(GLUT_KEY_F8);
    driver.frames(1);
    for (ModelNode* object : game.level2.obstacles) {
        EXPECT_FALSE(object->hidden) << object->getName();
    }
}

TEST_F(GameManagerTest, FrameRateIsEightyUntilMoreThanFiftyMsHavePassed)
{
    driver.frameAt(20);
    driver.frameAt(50);
    EXPECT_FLOAT_EQ(game.framesPerSecond, 80.0f);
    driver.frameAt(60); // three frames in 60 ms
    EXPECT_FLOAT_EQ(game.framesPerSecond, 50.0f);
    driver.frameAt(85);
    EXPECT_FLOAT_EQ(game.level1.fps, 50.0f);
    EXPECT_FLOAT_EQ(game.level1.avatar.frameRate, 50.0f);
}

TEST_F(GameManagerTest, PromptAndMessageAreWrittenInBlackAtTheirRowsTheMessageForTwoSeconds)
{
    const auto dark = [](const auto& p) { return p[0] + p[1] + p[2] < 60; };
    driver.frames(3); // the lights are placed while the first frame is drawn
    driver.drawFrame();
    EXPECT_FALSE(driver.prompt().empty());
    EXPECT_GT(GlTestWindow::count(10, 200, 10, 32, dark), 80);
    const int messageRow = GlTestWindow::count(10, 300, 90, 112, dark);
    driver.clock().setTime(5000);
    driver.specialKey(GLUT_KEY_F6);
    driver.clock().setTime(6000);
    driver.specialKey(GLUT_KEY_HOME); // no message of its own, but it re-arms the last one
    driver.drawFrame();
    EXPECT_GT(GlTestWindow::count(10, 300, 90, 112, dark), messageRow + 80);
    driver.frameAt(7999);
    EXPECT_EQ(driver.message(), "Sie befinden sich im Immediate Mode");
    driver.frameAt(8000);
    EXPECT_EQ(driver.message(), "");
    driver.drawFrame();
    EXPECT_LE(GlTestWindow::count(10, 300, 90, 112, dark), messageRow + 10);
}

} // namespace
