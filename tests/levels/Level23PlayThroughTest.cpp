// The hermit's task played through keys and mouse alone: accept it, gather
// feed in the chicken yard, bring it back, mend the manger, leave east.
#include "Steering.h"

#include "game/ControlNode.h"
#include "game/GameManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <span>

namespace {

constexpr const char* atHermit = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";

// Settlement: from the west edge between the woods to the hermit's door,
// then up to the north edge; back from the north to the hermit; to the east.
constexpr Vector3 startToHermit[] = {{60, 0, 90}, {130, 0, 95}, {165, 0, 97}};
constexpr Vector3 hermitSpot{180, 0, 92.5f};
constexpr Vector3 hermitToNorth[] = {{165, 0, 97}, {130, 0, 160}, {100, 0, 185}};
constexpr Vector3 northGate{100, 0, 197};
constexpr Vector3 northToHermit[] = {{100, 0, 185}, {130, 0, 160}, {165, 0, 97}};
constexpr Vector3 hermitToEast[] = {{185, 0, 100}};
constexpr Vector3 eastGate{197, 0, 109};

// Yard: round the trees to the wheelbarrow, across to the pile, and back
// down the west side to the gate.
constexpr Vector3 gateToWheelbarrow[] = {{70, 0, 30}, {40, 0, 120}};
constexpr Vector3 wheelbarrowSpot{40, 0, 172};
constexpr Vector3 pileSpot{170, 0, 170};
constexpr Vector3 lure{44, 0, 101};
constexpr Vector3 pileToGate[] = {{125, 0, 40}, {100, 0, 2}};

void follow(Steering& game, std::span<const Vector3> path)
{
    for (const Vector3& p : path) {
        ASSERT_TRUE(game.walkTo(p)) << "stuck on the way to " << p.x << ", " << p.z << " at "
                                    << game.avatar().position.x << ", " << game.avatar().position.z;
    }
}

} // namespace

TEST(Level23PlayThrough, FeedFromTheChickenYardMendsTheMangerAndOpensTheEast)
{
    Steering game(25);
    GameDriver& driver = game.driver;
    GameManager& manager = driver.game();
    Level2& settlement = manager.level2;
    Level3& yard = manager.level3;
    Quest& quest = settlement.hermitQuest;

    // Out of the village at once with the skip key.
    game.type('l');
    game.frame();
    ASSERT_EQ(driver.levelNumber(), 2);
    game.snapshot("l2-1-arrival");

    // The hermit asks for his manger to be mended.
    ASSERT_NO_FATAL_FAILURE(follow(game, startToHermit));
    ASSERT_TRUE(game.walkTo(hermitSpot, 0.6f, [&] { return settlement.prompt == atHermit; }));
    game.frame();
    ASSERT_EQ(settlement.prompt, atHermit);
    game.type('e');
    EXPECT_EQ(driver.controls().inputMode, 'g');
    EXPECT_FALSE(quest.dialog.hidden);
    game.snapshot("l2-2-hermit-dialog");
    game.type('1');
    game.type('1');
    EXPECT_TRUE(quest.accepted);
    game.type('q');
    EXPECT_EQ(driver.controls().inputMode, 'a');

    // North into the chicken yard.
    ASSERT_NO_FATAL_FAILURE(follow(game, hermitToNorth));
    game.walkTo(northGate, 0.6f, [&] { return driver.levelNumber() != 2; });
    game.frame();
    ASSERT_EQ(driver.levelNumber(), 3);
    EXPECT_EQ(&driver.level(), &yard);
    game.snapshot("l3-1-yard");

    // The wheelbarrow, then the feed.
    ASSERT_NO_FATAL_FAILURE(follow(game, gateToWheelbarrow));
    ASSERT_TRUE(game.walkTo(wheelbarrowSpot));
    game.frame();
    EXPECT_EQ(yard.prompt, "Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)");
    game.type('m');
    EXPECT_TRUE(yard.avatar.hasChild("schubkarre"));
    ASSERT_TRUE(game.walkTo(pileSpot));
    game.frame();
    EXPECT_EQ(yard.prompt, "Futter mitnehmen (m = mitnehmen)");
    game.type('m');
    EXPECT_EQ(yard.feedCount, 5);
    game.frame();
    game.snapshot("l3-2-loaded");

    // Back to the gate with the chickens after the feed. When they have
    // eaten it all on the way, back to the pile for more, as a player would:
    // the chickens that ran after us stay where the last sack went.
    const auto outOfFeedOrGone = [&] { return yard.feedCount == 0 || driver.levelNumber() != 3; };
    int loads = 1;
    // The chickens run faster than we walk: first lead the hungriest away
    // west until the barrow is empty, then load again and make for the gate.
    ASSERT_TRUE(game.walkTo(lure, 0.6f, outOfFeedOrGone));
    for (;;) {
        if (yard.feedCount == 0) {
            ASSERT_TRUE(game.walkTo(pileSpot));
            game.frame();
            game.type('m');
            ASSERT_EQ(yard.feedCount, 5);
            ++loads;
        }
        for (const Vector3& p : pileToGate) {
            ASSERT_TRUE(game.walkTo(p, 0.6f, outOfFeedOrGone));
            if (outOfFeedOrGone()) {
                break;
            }
        }
        if (loads == 1) {
            game.snapshot("l3-3-chased");
        }
        if (driver.levelNumber() != 3 || loads == 6) {
            break;
        }
    }
    game.frame();
    ASSERT_EQ(driver.levelNumber(), 2) << "still in the yard after " << loads << " loads";
    std::printf("left the yard after %d loads with %d sacks\n", loads, yard.feedCount);
    const int brought = yard.feedCount;
    EXPECT_GE(brought, 1);
    int shown = 0;
    for (const Actor& sack : settlement.sacks) {
        shown += sack.hidden ? 0 : 1;
    }
    EXPECT_EQ(shown, brought);
    EXPECT_EQ(quest.collected, 1);
    EXPECT_FALSE(settlement.schubkarre.hidden);
    game.snapshot("l2-3-back-with-feed");

    // The thanks, and the manger mended with the feed.
    ASSERT_NO_FATAL_FAILURE(follow(game, northToHermit));
    ASSERT_TRUE(game.walkTo(hermitSpot, 0.6f, [&] { return settlement.prompt == atHermit; }));
    game.type('e');
    EXPECT_TRUE(quest.rewarded);
    EXPECT_TRUE(quest.finished);
    game.type('q');
    game.frame();
    EXPECT_FALSE(settlement.avatar.hasChild("schubkarre"));
    game.snapshot("l2-4-manger-mended");

    // East to the bridge.
    ASSERT_NO_FATAL_FAILURE(follow(game, hermitToEast));
    game.walkTo(eastGate, 0.6f, [&] { return driver.levelNumber() != 2; });
    game.frame();
    EXPECT_EQ(driver.levelNumber(), 4) << "stopped at " << game.avatar().position.x << ", "
                                       << game.avatar().position.z;
}
