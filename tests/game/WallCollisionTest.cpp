// However slow the frames, the avatar walking into Level 2's east boundary
// wall (1 unit thick, at x = 200) stops in front of it.
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

TEST(WallCollisionTest, NoFrameRateCarriesTheAvatarThroughTheWall)
{
    struct Walk {
        int fps;
        int longFrameMs; // one frame this long first
    };
    for (const Walk walk : {Walk{5, 0}, Walk{10, 0}, Walk{25, 0}, Walk{60, 0}, Walk{500, 0}, Walk{60, 4000}}) {
        SCOPED_TRACE(testing::Message() << walk.fps << " fps, long frame " << walk.longFrameMs << " ms");
        GameDriver driver(KORVEL_RUN_DIR, walk.fps);
        driver.level().nextLevel = 2;
        driver.frames(1);
        Avatar& avatar = *driver.level().avatarPtr;
        ASSERT_FLOAT_EQ(avatar.position.x, 10.0f); // facing the wall, nothing between
        avatar.walk(180.0f);
        driver.keyDown('w');
        driver.clock().advance(walk.longFrameMs);
        driver.frames(walk.fps); // 20 units: well past the wall, were it let through
        RecordProperty("x" + std::to_string(walk.fps) + "_" + std::to_string(walk.longFrameMs),
                       std::to_string(avatar.position.x));
        EXPECT_GT(avatar.position.x, 195.0f); // within a 5-fps step of the wall
        EXPECT_LT(avatar.position.x, 199.5f);
    }
}
