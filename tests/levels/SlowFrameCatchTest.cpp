// At 5 frames per second a chicken runs 5 units a frame and a baby snake
// about 4, more than the 2-unit reach in which a chicken catches the player
// and the cage catches a snake. Running past must still count.
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

TEST(SlowFrameCatchTest, AChickenRunningAtThePlayerCatchesIt)
{
    GameDriver driver(KORVEL_RUN_DIR, 5);
    driver.level().nextLevel = 3;
    driver.frames(1);
    Level3& yard = driver.game().level3;
    for (Actor& chicken : yard.mobs) {
        chicken.position.set(1000.0f, 0.0f, 1000.0f); // out of the chase
    }
    Actor& chicken = yard.mobs[1]; // "mob2", 25 units a second
    chicken.position = yard.avatar.position;
    chicken.position.x += 2.5f;
    yard.feedCount = 5;
    for (Actor& sack : yard.sacks) {
        sack.hidden = false;
    }
    driver.frames(4);
    EXPECT_EQ(yard.feedCount, 4);
}

TEST(SlowFrameCatchTest, ASnakeRunningPastTheCageIsCaught)
{
    GameDriver driver(KORVEL_RUN_DIR, 5);
    driver.level().nextLevel = 5;
    driver.frames(1);
    Level5& pit = driver.game().level5;
    Actor& snake = pit.mob1; // 21 units a second
    const Vector3& cage = pit.kaefig.position;
    snake.position.set(cage.x - 2.2f, 0.0f, cage.z + 1.5f);
    // It flees along +x, passing 1.5 from the cage's centre.
    pit.avatar.position.set(snake.position.x - 5.0f, 0.0f, snake.position.z);
    driver.frames(3);
    EXPECT_EQ(pit.caughtCount, 1);
}
