// However slow the frames, the avatar walking into Level 2's east boundary
// wall (1 unit thick, at x = 200) stops at it.
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

namespace {

struct Walk {
    int fps;
    int longFrameMs; // one frame this long first, 0 for none
};

} // namespace

TEST(WallCollisionTest, NoFrameRateCarriesTheAvatarThroughTheWall)
{
    for (const Walk walk : {Walk{5, 0}, Walk{10, 0}, Walk{25, 0}, Walk{60, 0}, Walk{500, 0}, Walk{60, 4000}}) {
        SCOPED_TRACE(testing::Message() << walk.fps << " fps, long frame " << walk.longFrameMs << " ms");
        GameDriver driver(KORVEL_RUN_DIR, walk.fps);
        driver.level().nextLevel = 2;
        driver.frames(1);
        Avatar& avatar = *driver.level().avatarPtr;
        ASSERT_FLOAT_EQ(avatar.position.x, 10.0f); // facing the wall, 190 units away
        avatar.walk(180.0f);                        // unprobed: nothing lies between
        driver.keyDown('w');
        driver.clock().advance(walk.longFrameMs);
        driver.frames(walk.fps); // a second: 20 units, past the wall if it let the avatar through
        RecordProperty("x at " + std::to_string(walk.fps) + " fps " + std::to_string(walk.longFrameMs),
                       std::to_string(avatar.position.x));
        EXPECT_GT(avatar.position.x, 195.0f); // within a 5-fps step of the wall
        EXPECT_LT(avatar.position.x, 199.5f);
    }
}
