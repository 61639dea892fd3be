// The levels' scripts on the paths the walkthrough does not take.
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

float distance(const Vector3& a, const Vector3& b)
{
    return a.distanceTo(b.x, b.y, b.z);
}

int copies(const SceneNode& parent, const SceneNode& child)
{
    return static_cast<int>(std::count(parent.getChildren().begin(), parent.getChildren().end(), &child));
}

// One level of a fresh game, made current as an exit would, then run on
// its own frame by frame at 40 frames a second.
template <typename L, L GameManager::*member, int number>
class LevelRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver.game().levelNumber = number;
        driver.game().switchLevel();
        level.avatar.frameRate = 40.0f;
    }

    void standAt(Vector3 p, int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            level.avatar.position = p;
            level.frame();
        }
    }

    void keys(const char* typed)
    {
        for (; *typed != '\0'; ++typed) {
            level.command(*typed);
        }
    }

    GameDriver driver{KORVEL_RUN_DIR, 40, 160, 120};
    L& level = driver.game().*member;
};

using Village = LevelRules<Level1, &GameManager::level1, 1>;
using Yard = LevelRules<Level3, &GameManager::level3, 3>;
using Bridge = LevelRules<Level4, &GameManager::level4, 4>;
using SnakePit = LevelRules<Level5, &GameManager::level5, 5>;
using Inn = LevelRules<Level6, &GameManager::level6, 6>;

TEST_F(Village, TheWomanWhoAskedFirstWantsTheRingBeforeSheLetsYouOut)
{
    Level1& v = level;
    const Vector3 nowhere{60, 0, 140}, atWoman{110, 0, 12}, atPriest{125, 0, 111}, gate{104, 0, 5}, atSheep{21, 0, 180};
    standAt(atSheep);
    EXPECT_FALSE(v.avatar.hasChild("sheep")) << "before the priest has asked";
    standAt(atWoman);
    keys("e11q");
    standAt(nowhere);
    standAt(atPriest);
    keys("e11q");
    standAt(nowhere);
    standAt(atSheep, 2);
    EXPECT_EQ(copies(v.avatar, *v.sheep), 1);
    EXPECT_EQ(v.priestQuest.collected, 1);
    standAt(nowhere);
    standAt(atPriest);
    keys("eq");
    standAt(atPriest, 2);
    // Standing on hands over neither the sheep nor the ring twice; a lost
    // ring is handed over again.
    EXPECT_EQ(copies(v.ground, *v.sheep), 1);
    EXPECT_EQ(copies(v.avatar, *v.ring), 1);
    v.avatar.removeChild(v.ring);
    standAt(atPriest);
    EXPECT_TRUE(v.avatar.hasChild("ring"));
    EXPECT_GE(v.womanQuest.collected, 1);
    EXPECT_FALSE(v.womanQuest.finished);

    standAt(gate);
    EXPECT_EQ(v.nextLevel, 1);
    standAt(nowhere);
    standAt(atWoman);
    keys("eq");
    EXPECT_TRUE(v.womanQuest.finished);
    standAt(atWoman);
    EXPECT_FALSE(v.avatar.hasChild("ring"));
    standAt(gate);
    EXPECT_EQ(v.nextLevel, 2);
}

TEST_F(Yard, ChickensChaseOnlyTheFeedAndTheFirstRunsTwice)
{
    Level3& y = level;
    const Vector3 me{40, 0, 62}, first = y.mobs[0].position, second = y.mobs[1].position;
    standAt(me);
    EXPECT_EQ(distance(y.mobs[0].position, first), 0.0f);
    y.feedCount = 1;
    y.sacks[0].hidden = false;
    standAt(me);
    EXPECT_NEAR(distance(y.mobs[0].position, first), 2 * 23.0f / 40.0f, 1e-4f);
    EXPECT_NEAR(distance(y.mobs[1].position, second), 25.0f / 40.0f, 1e-4f);
    EXPECT_EQ(y.mobs[0].animationIndex, 1);
    // No feed left: they stop and idle.
    y.feedCount = 0;
    const Vector3 stopped = y.mobs[0].position;
    standAt(me);
    EXPECT_EQ(distance(y.mobs[0].position, stopped), 0.0f);
    EXPECT_EQ(y.mobs[0].animationIndex, 0);
}

TEST_F(Yard, ACatchCostsTheLastSackShownAndSendsTheChickenHome)
{
    Level3& y = level;
    const Vector3 atMob14{81, 0, 175};
    // No wheelbarrow, no feed.
    standAt({172, 0, 172});
    keys("m");
    EXPECT_EQ(y.feedCount, 0);
    y.feedCount = 5;
    for (Actor& sack : y.sacks) {
        sack.hidden = false;
    }
    standAt(atMob14);
    EXPECT_EQ(y.feedCount, 4);
    EXPECT_TRUE(y.sacks[4].hidden);
    EXPECT_EQ(distance(y.mobs[13].position, y.homes[13]), 0.0f);
    // With no sack to be seen a chicken at the player only keeps chasing.
    for (Actor& sack : y.sacks) {
        sack.hidden = true;
    }
    y.mobs[13].position = {80.5f, 0, 175};
    standAt(atMob14);
    EXPECT_EQ(y.feedCount, 4);
    EXPECT_LT(distance(y.mobs[13].position, atMob14), 2.0f);

    // At 5 frames a second a chicken runs 5 units a frame, more than the
    // 2-unit reach in which it catches the player: running past still counts.
    y.avatar.frameRate = 5;
    for (Actor& chicken : y.mobs) {
        chicken.position.set(1000.0f, 0.0f, 1000.0f); // out of the chase
    }
    y.mobs[1].position = {42.5f, 0, 62}; // "mob2", 25 units a second
    y.sacks[0].hidden = false;
    standAt({40, 0, 62}, 4);
    EXPECT_EQ(y.feedCount, 3);
}

TEST_F(Bridge, TheBarrierOpensOnceAndTheWayBackClosesTheNorth)
{
    Level4& b = level;
    const Vector3 atOfficer{142, 0, 56};
    b.officerQuest.rewarded = true;
    standAt(atOfficer);
    EXPECT_EQ(b.cBox2->position.z, 160.0f);
    // Standing on does not move the wall again.
    b.cBox2->position.z = 154.0f;
    standAt(atOfficer);
    EXPECT_EQ(b.cBox2->position.z, 154.0f);

    b.officerQuest.accepted = true;
    b.returnFromSideTrip(1);
    standAt({87, 0, 195});
    EXPECT_EQ(b.nextLevel, 4);
}

TEST_F(SnakePit, SnakesComeHomeFromTheEdgeAndStayInTheCage)
{
    Level5& p = level;
    p.babies[2].position = {0.2f, 0, 30};
    standAt({5, 0, 30});
    EXPECT_EQ(distance(p.babies[2].position, p.homes[2]), 0.0f);
    p.babies[1].position = {p.kaefig->position.x + 1, 0, p.kaefig->position.z};
    standAt({60, 0, 175});
    ASSERT_TRUE(p.kaefig->hasChild("mob2"));
    const Vector3 caught = p.babies[1].position;
    standAt({caught.x + 3, 0, caught.z});
    EXPECT_EQ(distance(p.babies[1].position, caught), 0.0f);
    // At 5 frames a second a snake flees about 4 units a frame, more than
    // the cage's 2-unit reach: running past it still counts.
    p.avatar.frameRate = 5;
    p.babies[0].position.set(p.kaefig->position.x - 2.2f, 0.0f, p.kaefig->position.z + 1.5f); // 21 units a second
    standAt({p.babies[0].position.x - 5.0f, 0, p.babies[0].position.z}, 3); // it flees along +x, 1.5 from the cage's centre
    EXPECT_TRUE(p.kaefig->hasChild("mob1"));
}

TEST_F(SnakePit, TheMotherComesOutOnceForTheFifthAndGivesOneBadge)
{
    Level5& p = level;
    const Vector3 nowhere{60, 0, 175}, beforeTheMother{83, 0, 100};
    standAt(beforeTheMother);
    EXPECT_EQ(p.mother->animationIndex, 0);
    const auto cage = [&] { return p.kaefig->model.vertices.back().location[0]; }; // where the door is
    const float open = cage();
    for (Actor& snake : p.babies) {
        // However long one waits with four, the cage stays open.
        standAt(nowhere, &snake == &p.babies.back() ? 400 : 1);
        EXPECT_TRUE(p.mother->hidden && cage() == open);
        snake.position = {p.kaefig->position.x + 1, 0, p.kaefig->position.z};
        standAt(nowhere);
    }
    standAt(nowhere);
    EXPECT_EQ(p.caughtCount, 5);
    EXPECT_FALSE(p.mother->hidden || cage() == open);
    p.mother->hidden = true;
    standAt(nowhere);
    EXPECT_TRUE(p.mother->hidden) << "the cage shuts once";

    p.mother->hidden = false;
    standAt(beforeTheMother);
    p.avatar.command('f');
    standAt(beforeTheMother);
    keys("mm");
    EXPECT_EQ(p.badgeCount, 1);
}

TEST_F(Inn, ClosingBeforeSayingYesLeavesTheHerosTaskOpen)
{
    standAt({108, 0, 103});
    keys("e1q");
    EXPECT_FALSE(level.heroQuest.finished);
    EXPECT_EQ(driver.controls().inputMode, 'a');
    // A question first, then yes: closing ends it.
    keys("e21q");
    EXPECT_TRUE(level.heroQuest.finished);
}

} // namespace
