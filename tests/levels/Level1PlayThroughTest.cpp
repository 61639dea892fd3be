// The village played from the start to the gate through keys and mouse only.
#include "Steering.h"

#include "game/ControlNode.h"
#include "game/GameManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

namespace {

constexpr const char* atPriest = "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)";
constexpr const char* atWoman = "Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)";

// Paths between the houses: round the church's south side to the priest,
// past the start to the north-west meadow where the sheep grazes.
constexpr Vector3 startToChurch[] = {{100, 0, 108}, {108, 0, 100}, {127, 0, 100}};
constexpr Vector3 priestSpot{125.5f, 0, 110};
constexpr Vector3 churchToMeadow[] = {{127, 0, 100}, {108, 0, 100}, {100, 0, 108}, {75, 0, 110},
                                      {60, 0, 130}, {50, 0, 172}};
constexpr Vector3 meadowToChurch[] = {{60, 0, 130}, {75, 0, 110}, {100, 0, 108}, {108, 0, 100},
                                      {127, 0, 100}};
constexpr Vector3 churchToWoman[] = {{127, 0, 100}, {126, 0, 20}, {109, 0, 12}};
constexpr Vector3 gate{104, 0, 5};

void follow(Steering& game, std::span<const Vector3> path)
{
    for (const Vector3& p : path) {
        ASSERT_TRUE(game.walkTo(p)) << "stuck on the way to " << p.x << ", " << p.z << " at "
                                    << game.avatar().position.x << ", " << game.avatar().position.z;
    }
}

float groundDistance(const Vector3& a, const Vector3& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}

} // namespace

TEST(Level1PlayThrough, SheepBackToThePriestRingPastTheWomanOutOfTheGate)
{
    Steering game(25);
    GameDriver& driver = game.driver;
    Level1& village = driver.game().level1;
    Quest& priestQuest = village.priestQuest;
    ASSERT_EQ(driver.levelNumber(), 1);
    ASSERT_EQ(&game.avatar(), &village.avatar);

    // The priest asks for his sheep: talk, answer 1 twice, close.
    ASSERT_NO_FATAL_FAILURE(follow(game, startToChurch));
    ASSERT_TRUE(game.walkTo(priestSpot));
    game.frame();
    EXPECT_EQ(village.prompt, atPriest);
    game.snapshot("1-priest-prompt");
    game.type('e');
    EXPECT_EQ(driver.controls().inputMode, 'g');
    EXPECT_FALSE(priestQuest.dialog.hidden);
    EXPECT_FALSE(priestQuest.dialog.texts.empty());
    game.snapshot("2-priest-dialog");
    game.type('1');
    game.type('1');
    EXPECT_TRUE(priestQuest.accepted);
    game.snapshot("3-priest-accepted");
    game.type('q');
    EXPECT_TRUE(priestQuest.dialog.hidden);
    EXPECT_EQ(driver.controls().inputMode, 'a');

    // Across the village to the sheep, which then follows.
    ASSERT_NO_FATAL_FAILURE(follow(game, churchToMeadow));
    ASSERT_TRUE(game.walkTo(village.sheep.position, 1.0f, [&] { return village.avatar.hasChild("sheep"); }));
    EXPECT_TRUE(village.avatar.hasChild("sheep"));
    EXPECT_EQ(priestQuest.collected, 1);
    ASSERT_TRUE(game.walkTo({50, 0, 172}));
    EXPECT_NEAR(groundDistance(village.sheep.position, village.avatar.position), 4.0f, 0.01f);
    game.snapshot("4-sheep-following");
    ASSERT_NO_FATAL_FAILURE(follow(game, meadowToChurch));
    ASSERT_TRUE(game.walkTo(priestSpot));
    EXPECT_NEAR(groundDistance(village.sheep.position, village.avatar.position), 4.0f, 0.01f);

    // The thanks: the sheep stays with the priest, the ring goes with us.
    game.type('e');
    EXPECT_TRUE(priestQuest.rewarded);
    EXPECT_TRUE(priestQuest.finished);
    game.snapshot("5-priest-thanks");
    game.type('q');
    game.frame();
    EXPECT_FALSE(village.avatar.hasChild("sheep"));
    EXPECT_TRUE(village.ground.hasChild("sheep"));
    EXPECT_TRUE(village.avatar.hasChild("ring"));
    EXPECT_TRUE(village.womanQuest.finished);

    // Past the old woman and out through the gate.
    ASSERT_NO_FATAL_FAILURE(follow(game, churchToWoman));
    game.frame();
    EXPECT_EQ(village.prompt, atWoman);
    game.snapshot("6-old-woman");
    game.walkTo(gate, 0.6f, [&] { return driver.levelNumber() != 1; });
    game.frame();
    EXPECT_EQ(driver.levelNumber(), 2);
    EXPECT_EQ(&driver.level(), &driver.game().level2);
}
