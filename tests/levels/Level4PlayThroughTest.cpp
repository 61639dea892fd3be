// The bridge played through keys and mouse only: the officer's task, the
// way north to the snakes, back with the badge, the thanks, over the bridge.
#include "Steering.h"

#include "game/ControlNode.h"
#include "game/GameManager.h"

#include <gtest/gtest.h>

#include <span>

namespace {

constexpr Vector3 startToOfficer[] = {{30, 0, 100}, {60, 0, 120}, {90, 0, 120}, {125, 0, 90}};
constexpr Vector3 officerSpot{139.5f, 0, 57};
constexpr Vector3 officerToNorth[] = {{130, 0, 100}, {100, 0, 150}};
constexpr Vector3 northEdge{87, 0, 195};
constexpr Vector3 returnToOfficer[] = {{100, 0, 150}, {130, 0, 100}};
// Round the officer's north side into the gap of the barrier, then east
// along the bridge and up the far bank.
constexpr Vector3 overTheBridge[] = {{140, 0, 62}, {144, 0, 58}, {155, 0, 58}, {188, 0, 58}};
constexpr Vector3 eastExitSpot{195, 0, 86};

void follow(Steering& game, std::span<const Vector3> path)
{
    for (const Vector3& p : path) {
        ASSERT_TRUE(game.walkTo(p)) << "stuck on the way to " << p.x << ", " << p.z << " at "
                                    << game.avatar().position.x << ", " << game.avatar().position.z;
    }
}

} // namespace

TEST(Level4PlayThrough, BadgeFetchedFromTheSnakesOpensTheBridgeToTheInn)
{
    Steering game(25);
    GameDriver& driver = game.driver;
    // The way here: village, settlement, chicken yard and back, skipped.
    for (int expected : {2, 3, 2, 4}) {
        game.type('l');
        game.frame();
        ASSERT_EQ(driver.levelNumber(), expected);
    }
    Level4& bridge = driver.game().level4;
    Quest& quest = bridge.officerQuest;
    game.frame();
    game.snapshot("4-1-start");

    ASSERT_NO_FATAL_FAILURE(follow(game, startToOfficer));
    ASSERT_TRUE(game.walkTo(officerSpot));
    game.frame();
    EXPECT_EQ(bridge.prompt, "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)");
    game.type('e');
    EXPECT_EQ(driver.controls().inputMode, 'g');
    EXPECT_FALSE(quest.dialog.hidden);
    game.type('1');
    game.type('1');
    EXPECT_TRUE(quest.accepted);
    game.snapshot("4-2-officer-accepted");
    game.type('q');
    EXPECT_EQ(driver.controls().inputMode, 'a');
    // Still shut: the barrier does not open for a promise.
    ASSERT_NO_FATAL_FAILURE(follow(game, std::span(overTheBridge).first(2)));
    ASSERT_FALSE(game.walkTo({155, 0, 58}));
    EXPECT_LT(game.avatar().position.x, 147.5f);
    game.snapshot("4-3-barrier-shut");

    // North to the snakes.
    ASSERT_TRUE(game.walkTo(overTheBridge[0]));
    ASSERT_NO_FATAL_FAILURE(follow(game, officerToNorth));
    game.walkTo(northEdge, 0.6f, [&] { return driver.levelNumber() != 4; });
    game.frame();
    ASSERT_EQ(driver.levelNumber(), 5);

    // Skipping the snakes counts as bringing the badge back.
    game.type('l');
    game.frame();
    ASSERT_EQ(driver.levelNumber(), 4);
    EXPECT_EQ(quest.collected, 1);
    EXPECT_NEAR(game.avatar().position.z, 195.0f, 0.5f);
    game.snapshot("4-4-back-from-the-snakes");

    ASSERT_NO_FATAL_FAILURE(follow(game, returnToOfficer));
    ASSERT_TRUE(game.walkTo(officerSpot));
    game.type('e');
    EXPECT_TRUE(quest.rewarded);
    game.type('q');
    game.frame();
    EXPECT_TRUE(bridge.barrierOpened);
    EXPECT_FLOAT_EQ(bridge.cBox2.position.z, 160.0f);
    game.snapshot("4-5-barrier-open");

    ASSERT_NO_FATAL_FAILURE(follow(game, overTheBridge));
    game.snapshot("4-6-on-the-bridge");
    game.walkTo(eastExitSpot, 0.6f, [&] { return driver.levelNumber() != 4; });
    game.frame();
    EXPECT_EQ(driver.levelNumber(), 6);
}
