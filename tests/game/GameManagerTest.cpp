#include "game/ControlNode.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"

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
