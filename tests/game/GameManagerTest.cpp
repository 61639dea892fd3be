#include "app/AppState.h"
#include "app/Options.h"
#include "app/VideoPlayer.h"
#include "game/ControlNode.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class GameManagerTest : public ::testing::Test {
protected:
    GameDriver driver{KORVEL_RUN_DIR};
};

TEST_F(GameManagerTest, InitBuildsTheTreeWithLevelOneCurrentAndEverythingLoaded)
{
    std::printf("building the whole game took %.0f ms\n", driver.initMs);
    GameManager& game = driver.game();
    EXPECT_EQ(game.root.getName(), "Ruth");
    ASSERT_EQ(game.root.getChildren().size(), 1u);
    EXPECT_EQ(game.root.getChildren()[0], &driver.controls());
    EXPECT_EQ(driver.controls().getName(), "Steuerung");
    const auto& below = driver.controls().getChildren();
    ASSERT_EQ(below.size(), 2u);
    EXPECT_EQ(below[0], &game);
    EXPECT_EQ(game.getName(), "Gamemanager");
    EXPECT_EQ(below[1], &game.level1);
    EXPECT_EQ(game.level1.getName(), "Level1");
    EXPECT_EQ(game.level6.getName(), "Level6");
    EXPECT_TRUE(game.level1.hasChild("Geobranch"));
    EXPECT_FALSE(game.level2.hasChild("Geobranch"));
    EXPECT_EQ(driver.controls().inputMode, 'a');
    EXPECT_EQ(driver.controls().camera, &game.level1.camera);

    // Every level was set up: its tree model came from the generated data.
    EXPECT_FALSE(game.level2.baum1.model.meshes.empty());
    EXPECT_FALSE(game.level6.wald4.model.meshes.empty());
    EXPECT_NE(game.displayListIds[0], 0u);
    EXPECT_EQ(game.displayListIds[3], game.displayListIds[0] + 3);
    EXPECT_EQ(game.level3.baum5.displayListBase, game.displayListIds[0]);
    EXPECT_EQ(game.level4.wald3.displayListBase, game.displayListIds[2]);
}

} // namespace

namespace {

bool hasGeoBranch(const Level& level)
{
    return level.hasChild("Geobranch");
}

TEST_F(GameManagerTest, FirstFrameDrawsLevelOneWithWalkingInput)
{
    driver.frames(1);
    EXPECT_EQ(driver.levelNumber(), 1);
    EXPECT_EQ(&driver.level(), &driver.game().level1);
    EXPECT_EQ(driver.controls().inputMode, 'a');
}

TEST_F(GameManagerTest, ALevelWritingItsOwnNumberStaysCurrent)
{
    GameManager& game = driver.game();
    game.level1.nextLevel = 1;
    driver.frames(3);
    EXPECT_EQ(driver.levelNumber(), 1);
    EXPECT_TRUE(hasGeoBranch(game.level1));
    EXPECT_EQ(driver.controls().getChildren().size(), 2u);
}

TEST_F(GameManagerTest, OnlyTheLastRequestOfAFrameCounts)
{
    GameManager& game = driver.game();
    game.level1.nextLevel = 3;
    game.level1.nextLevel = 2;
    driver.frames(1);
    EXPECT_EQ(driver.levelNumber(), 2);
    EXPECT_FALSE(game.level3Visited);
    // Level 1 is unlinked, Level 2 hangs after the game manager.
    EXPECT_FALSE(hasGeoBranch(game.level1));
    EXPECT_TRUE(hasGeoBranch(game.level2));
    const auto& below = driver.controls().getChildren();
    ASSERT_EQ(below.size(), 2u);
    EXPECT_EQ(below[0], &game);
    EXPECT_EQ(below[1], &game.level2);
    EXPECT_EQ(game.level2.nextLevel, 2);
    EXPECT_EQ(game.level2.controls, &driver.controls());
    EXPECT_EQ(driver.controls().camera, &game.level2.camera);
    EXPECT_EQ(driver.controls().inputMode, 'a');
}

TEST_F(GameManagerTest, GoingBackToTheVillageLeavesOnlyTheVillageAttached)
{
    GameManager& game = driver.game();
    game.level1.nextLevel = 2;
    driver.frames(1);
    game.level2.nextLevel = 1;
    driver.frames(1);
    EXPECT_EQ(driver.levelNumber(), 1);
    EXPECT_FALSE(hasGeoBranch(game.level2));
    ASSERT_EQ(driver.controls().getChildren().size(), 2u);
    EXPECT_EQ(driver.controls().getChildren()[1], &game.level1);
}

TEST_F(GameManagerTest, ANumberOutsideTheGameIsIgnored)
{
    driver.game().level1.nextLevel = 7;
    driver.frames(2);
    EXPECT_EQ(driver.levelNumber(), 1);
    EXPECT_EQ(driver.game().level1.nextLevel, 1);
    EXPECT_TRUE(hasGeoBranch(driver.game().level1));
}

void expectReturnPosition(const Level& level)
{
    EXPECT_FLOAT_EQ(level.avatar.position.x, 100.0f);
    EXPECT_FLOAT_EQ(level.avatar.position.y, 0.0f);
    EXPECT_FLOAT_EQ(level.avatar.position.z, 195.0f);
    EXPECT_FLOAT_EQ(level.avatar.direction.z, 1.0f);
    EXPECT_FLOAT_EQ(level.camera.position.x, 100.0f);
    EXPECT_FLOAT_EQ(level.camera.position.y, 5.0f);
    EXPECT_FLOAT_EQ(level.camera.position.z, 210.0f);
    EXPECT_FLOAT_EQ(level.camera.target.x, 100.0f);
    EXPECT_FLOAT_EQ(level.camera.target.y, 1.0f);
    EXPECT_FLOAT_EQ(level.camera.target.z, 195.0f);
}

TEST_F(GameManagerTest, SideTripsComeBackToTheReturnPlaceAndTheWayOnChanges)
{
    GameManager& game = driver.game();
    game.level1.nextLevel = 2;
    driver.frames(1);
    ASSERT_EQ(driver.levelNumber(), 2);
    const Vector3 start = game.level2.avatar.position;

    driver.press('l'); // skip: the way north
    EXPECT_EQ(driver.levelNumber(), 3);
    EXPECT_TRUE(game.level3Visited);
    driver.press('l'); // back
    ASSERT_EQ(driver.levelNumber(), 2);
    EXPECT_NE(start.z, game.level2.avatar.position.z);
    expectReturnPosition(game.level2);
    EXPECT_FLOAT_EQ(game.level2.northExit.position.x, -100.0f);

    driver.press('l'); // now east, to the bridge
    ASSERT_EQ(driver.levelNumber(), 4);
    EXPECT_FALSE(game.level5Visited);
    driver.press('l');
    ASSERT_EQ(driver.levelNumber(), 5);
    EXPECT_TRUE(game.level5Visited);
    driver.press('l');
    ASSERT_EQ(driver.levelNumber(), 4);
    expectReturnPosition(game.level4);
    driver.press('l');
    ASSERT_EQ(driver.levelNumber(), 6);
    driver.press('l'); // the inn has no way out
    driver.frames(2);
    EXPECT_EQ(driver.levelNumber(), 6);

    // The return set-up runs on every return, wherever the avatar went since.
    game.level6.nextLevel = 4;
    game.level4.avatar.position.set(20.0f, 0.0f, 20.0f);
    driver.frames(1);
    ASSERT_EQ(driver.levelNumber(), 4);
    expectReturnPosition(game.level4);
}

TEST_F(GameManagerTest, CullingHidesObstaclesOutOfViewUntilSwitchedOff)
{
    GameManager& game = driver.game();
    game.level1.nextLevel = 2;
    driver.frames(2);
    Level2& level = game.level2;
    // The camera looks east along z = 100: the tree at (110, 0, 102) is in
    // view, the one at (50, 0, 160) far to the side.
    driver.frames(1);
    EXPECT_FALSE(level.baum3.hidden);
    EXPECT_TRUE(level.baum1.hidden);

    driver.specialKey(GLUT_KEY_F8);
    EXPECT_EQ(driver.message(), "View frustum culling aus");
    driver.frames(1);
    for (ModelNode* object : level.obstacles) {
        EXPECT_FALSE(object->hidden) << object->getName();
    }
    driver.specialKey(GLUT_KEY_F8);
    EXPECT_EQ(driver.message(), "View frustum culling ein");
    driver.frames(1);
    EXPECT_TRUE(level.baum1.hidden);
}

TEST_F(GameManagerTest, FrameRateIsEightyUntilMoreThanFiftyMsHavePassed)
{
    GameManager& game = driver.game();
    driver.frameAt(20);
    driver.frameAt(50);
    EXPECT_FLOAT_EQ(game.framesPerSecond, 80.0f);
    EXPECT_FLOAT_EQ(game.level1.fps, 80.0f);
    driver.frameAt(60); // three frames in 60 ms
    EXPECT_FLOAT_EQ(game.framesPerSecond, 50.0f);
    driver.frameAt(85);
    EXPECT_FLOAT_EQ(game.level1.fps, 50.0f);
    EXPECT_FLOAT_EQ(game.level1.avatar.frameRate, 50.0f);
}

TEST_F(GameManagerTest, LastQuestIsTheHeroQuestOfTheInn)
{
    EXPECT_FALSE(driver.game().lastQuestFinished());
    driver.game().level6.heroQuest.finished = true;
    EXPECT_TRUE(driver.game().lastQuestFinished());
}

} // namespace

namespace {

TEST_F(GameManagerTest, FinishingTheHeroQuestStartsTheOutroOnlyWhenWanted)
{
    driver.game().level6.heroQuest.finished = true;
    driver.frames(2);
    EXPECT_FALSE(appState.outroStarted); // no outro configured: the game goes on

    options.playOutro = true;
    driver.frames(1);
    EXPECT_TRUE(appState.outroStarted);
    EXPECT_TRUE(appState.outroPlaying);
    closeVideo();
    appState.outroPlaying = false;
}

// Count of near-black pixels in a band of the window, y from the top.
int darkPixels(int x0, int x1, int yTop, int yBottom)
{
    int dark = 0;
    for (int y = yTop; y < yBottom; y += 1) {
        for (int x = x0; x < x1; x += 2) {
            const auto p = GameDriver::pixel(x, 600 - y);
            if (p[0] + p[1] + p[2] < 60) {
                ++dark;
            }
        }
    }
    return dark;
}

TEST_F(GameManagerTest, PromptAndMessageAreWrittenInBlackAtTheirRows)
{
    // The lights are placed while the first frame is drawn: look at a later one.
    driver.frames(3);
    driver.drawFrame();
    const int promptInk = darkPixels(10, 200, 10, 32);
    const int messageBefore = darkPixels(10, 300, 90, 112);
    EXPECT_FALSE(driver.prompt().empty());
    EXPECT_GT(promptInk, 40);

    driver.clock().setTime(5000);
    driver.specialKey(GLUT_KEY_F6);
    driver.clock().setTime(6000);
    driver.drawFrame();
    EXPECT_GT(darkPixels(10, 300, 90, 112), messageBefore + 40);

    driver.clock().setTime(7000);
    driver.drawFrame();
    EXPECT_LE(darkPixels(10, 300, 90, 112), messageBefore + 5);
}

} // namespace
