#include "app/Sound.h"
#include "game/ControlNode.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

class FunctionKeyTest : public ::testing::Test {
protected:
    GameDriver driver{KORVEL_RUN_DIR};
    GameManager& game = driver.game();

    // The key pressed with the clock at `ms`.
    void keyAt(int key, int ms)
    {
        driver.clock().setTime(ms);
        driver.specialKey(key);
    }
};

TEST_F(FunctionKeyTest, MessageArmedAtOneSecondShowsUntil2999AndIsGoneAt3000)
{
    keyAt(GLUT_KEY_F6, 1000);
    EXPECT_EQ(game.messageTime, 1000);
    driver.frameAt(2000);
    EXPECT_EQ(driver.message(), "Sie befinden sich im Immediate Mode");
    driver.frameAt(2999);
    EXPECT_EQ(driver.message(), "Sie befinden sich im Immediate Mode");
    driver.frameAt(3000);
    EXPECT_EQ(driver.message(), "");
}

TEST_F(FunctionKeyTest, AnySpecialKeyReArmsTheMessageEvenWhenItChangesNothing)
{
    keyAt(GLUT_KEY_F8, 1000);
    keyAt(GLUT_KEY_F2, 2500); // no message of its own: the old one again
    EXPECT_TRUE(game.showFps);
    EXPECT_EQ(game.messageTime, 2500);
    driver.frameAt(4000);
    EXPECT_EQ(driver.message(), "View frustum culling aus");
    keyAt(GLUT_KEY_F2, 4100);
    EXPECT_FALSE(game.showFps);
    keyAt(GLUT_KEY_HOME, 6000); // unknown key: only the re-arming
    EXPECT_EQ(game.messageTime, 6000);
    driver.frameAt(7999);
    EXPECT_EQ(driver.message(), "View frustum culling aus");
    driver.frameAt(8000);
    EXPECT_EQ(driver.message(), "");
    keyAt(GLUT_KEY_F2, 8100); // an emptied message is re-armed empty
    driver.frameAt(8200);
    EXPECT_EQ(driver.message(), "");
}

TEST_F(FunctionKeyTest, HelpKeyPlaysTheHelpSound)
{
    driver.specialKey(GLUT_KEY_F1);
    EXPECT_EQ(driver.message(), "H I L F E");
    EXPECT_EQ(soundStatus().lastPath, "data/sound/hilfe.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Once);
}

TEST_F(FunctionKeyTest, WireframeSwitchesThePolygonMode)
{
    GLint mode[2] = {};
    driver.specialKey(GLUT_KEY_F3);
    EXPECT_TRUE(game.wireframe);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    driver.specialKey(GLUT_KEY_F3);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(driver.message(), "");
}

TEST_F(FunctionKeyTest, TextureQualityReachesTheSkyAndGroundOfEveryLevel)
{
    driver.specialKey(GLUT_KEY_F4);
    EXPECT_EQ(driver.message(), "Texturqualitaet nieder");
    for (int n = 1; n <= 6; ++n) {
        EXPECT_FALSE(game.levelByNumber(n)->sky.highQualityTextures) << n;
        EXPECT_FALSE(game.levelByNumber(n)->ground.highQualityTextures) << n;
    }
    // The next level looks as the last one did.
    game.level1.nextLevel = 2;
    driver.frames(1);
    EXPECT_FALSE(driver.level().ground.highQualityTextures);
    driver.specialKey(GLUT_KEY_F4);
    EXPECT_EQ(driver.message(), "Texturqualitaet hoch");
    EXPECT_TRUE(game.level6.sky.highQualityTextures);
}

TEST_F(FunctionKeyTest, MipMappingTouchesOnlyTheVillage)
{
    driver.specialKey(GLUT_KEY_F5);
    EXPECT_EQ(driver.message(), "Mip Mapping ein");
    EXPECT_TRUE(game.mipMapping);
    EXPECT_TRUE(game.level1.sky.textureFlag);
    EXPECT_TRUE(game.level1.ground.textureFlag);
    EXPECT_FALSE(game.level2.sky.textureFlag);
    driver.specialKey(GLUT_KEY_F5);
    EXPECT_EQ(driver.message(), "Mip Mapping aus");
    EXPECT_FALSE(game.level1.ground.textureFlag);
}

TEST_F(FunctionKeyTest, DisplayListsSwitchAllThirtyThreeTreesAndForests)
{
    driver.specialKey(GLUT_KEY_F7);
    EXPECT_EQ(driver.message(), "Display Lists ein");
    int shared = 0;
    for (int n = 1; n <= 6; ++n) {
        Level* level = game.levelByNumber(n);
        for (ModelNode* tree : level->trees) {
            EXPECT_TRUE(tree->useDisplayList);
            ++shared;
        }
        for (ModelNode* forest : level->forests) {
            EXPECT_TRUE(forest->useDisplayList);
            ++shared;
        }
    }
    EXPECT_EQ(shared, 33);
    EXPECT_FALSE(game.level2.hill.useDisplayList);
    driver.specialKey(GLUT_KEY_F7);
    EXPECT_EQ(driver.message(), "Display Lists aus");
    EXPECT_FALSE(game.level2.baum1.useDisplayList);
}

TEST_F(FunctionKeyTest, FunctionKeysWorkDuringAConversation)
{
    driver.controls().inputMode = 'g';
    driver.specialKey(GLUT_KEY_F6);
    EXPECT_EQ(driver.message(), "Sie befinden sich im Immediate Mode");
}

} // namespace
