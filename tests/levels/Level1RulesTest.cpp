// What happens where the avatar stands in the village, and what the keys do there.
#include "VillageFixture.h"

#include "app/Sound.h"

#include <initializer_list>

namespace {

// A spot well away from every object of the village.
constexpr Vector3 nowhere{60, 0, 140};
constexpr const char* idle = "Leider nichts zum anschauen";
constexpr const char* barrier = "Diese alte Frau laesst mich nicht vorbei....";

} // namespace

TEST_F(VillageTest, SceneryPromptsInsideTheirRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
    };
    Level1& v = *level;
    const Case cases[] = {
        {&v.haus1, 10, "Haus anschauen (v = view)"},   {&v.haus2, 10, "Haus anschauen (v = view)"},
        {&v.haus3, 10, "Haus anschauen (v = view)"},   {&v.haus4, 10, "Haus anschauen (v = view)"},
        {&v.kirche, 7, "Kirche anschauen (v = view)"}, {&v.brunnen, 3, "Brunnen anschauen (v = view)"},
        {&v.sign, 3, "Schild anschauen (v = view)"},   {&v.wald1, 10, "Wald anschauen (v = view)"},
        {&v.wald2, 10, "Wald anschauen (v = view)"},   {&v.wald3, 10, "Wald anschauen (v = view)"},
        {&v.wald4, 10, "Wald anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        // Exactly on the radius is outside.
        standAt({at.x, at.y + c.radius, at.z});
        EXPECT_EQ(v.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        standAt({at.x, at.y + c.radius - 0.01f, at.z});
        EXPECT_EQ(v.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }
}

TEST_F(VillageTest, WalkingAwayClearsEveryFlag)
{
    standAt(level->haus1.position);
    // The earlier rule wins while inside both radii (church 7, priest 3).
    standAt({121, 0, 110});
    EXPECT_EQ(level->prompt, "Kirche anschauen (v = view)");
    EXPECT_TRUE(level->kirche.selected);
    EXPECT_FALSE(level->priest.selected);
    standAt({124.5f, 0, 110});
    EXPECT_EQ(level->prompt, "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)");
    EXPECT_TRUE(level->haus1.selected && level->kirche.selected && level->priest.selected);
    standAt(nowhere);
    EXPECT_EQ(level->prompt, idle);
    for (ModelNode* n : {&level->haus1, &level->kirche, &level->priest}) {
        EXPECT_FALSE(n->selected) << n->getName();
    }
}

TEST_F(VillageTest, SheepOnlyBleatsBeforeThePriestAsks)
{
    standAt({21, 0, 180});
    EXPECT_EQ(level->prompt, "maehaehaehaeh");
    EXPECT_TRUE(level->sheep.selected);
    EXPECT_EQ(count(level->ground, &level->sheep), 1);
    EXPECT_FALSE(level->avatar.hasChild("sheep"));
    EXPECT_EQ(level->priestQuest.collected, 0);
}

TEST_F(VillageTest, AcceptedQuestLetsTheSheepFollowOnce)
{
    level->priestQuest.accepted = true;
    standAt({21, 0, 180});
    EXPECT_TRUE(level->avatar.hasChild("sheep"));
    EXPECT_EQ(count(level->ground, &level->sheep), 0);
    EXPECT_FLOAT_EQ(level->sheep.followDistance, 4.0f);
    EXPECT_EQ(level->priestQuest.collected, 1);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/boeoeoeoe.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Looped);

    // Drawn 4 behind the avatar (along its direction, which points back).
    level->avatar.direction = {1, 0, 0};
    standAt({30, 0, 170});
    EXPECT_NEAR(level->sheep.position.x, 34.0f, 1e-4f);
    EXPECT_NEAR(level->sheep.position.z, 170.0f, 1e-4f);
    standAt({30, 0, 170});
    EXPECT_EQ(count(level->avatar, &level->sheep), 1);
    EXPECT_EQ(level->priestQuest.collected, 1);
}

TEST_F(VillageTest, ThanksPutTheSheepDownAndHandOverTheRing)
{
    Level1& v = *level;
    v.priestQuest.accepted = true;
    standAt({21, 0, 180});
    v.priestQuest.accepted = false;
    v.priestQuest.rewarded = v.priestQuest.finished = true;

    const Vector3 atPriest{125, 0, 111};
    standAt(atPriest);
    EXPECT_FALSE(v.avatar.hasChild("sheep"));
    // The sheep comes back to the ground, the priest is moved behind it.
    const auto& onGround = v.ground.getChildren();
    ASSERT_GE(onGround.size(), 2u);
    EXPECT_EQ(onGround[onGround.size() - 2], &v.sheep);
    EXPECT_EQ(onGround.back(), &v.priest);
    EXPECT_EQ(count(v.ground, &v.priest), 1);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/dankefenno.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Once);
    EXPECT_TRUE(v.avatar.hasChild("ring"));
    EXPECT_FLOAT_EQ(v.ring.position.x, atPriest.x);
    EXPECT_FLOAT_EQ(v.ring.position.z, atPriest.z);
    // The old woman never asked: her quest is done at once.
    EXPECT_TRUE(v.womanQuest.finished);

    // Standing on: the sheep is not handed over again, the ring not twice.
    standAt(atPriest);
    EXPECT_EQ(count(v.ground, &v.sheep), 1);
    EXPECT_EQ(count(v.avatar, &v.ring), 1);
    // A lost ring is handed out again.
    v.avatar.removeChild(&v.ring);
    standAt(atPriest);
    EXPECT_EQ(count(v.avatar, &v.ring), 1);
}

TEST_F(VillageTest, RingCountsForTheWomanWhoAsked)
{
    Level1& v = *level;
    v.womanQuest.accepted = true;
    v.priestQuest.rewarded = v.priestQuest.finished = true;
    standAt({125, 0, 111});
    EXPECT_EQ(v.womanQuest.collected, 1);
    EXPECT_FALSE(v.womanQuest.finished);
    // Her rule keeps the ring until she has thanked.
    standAt({110, 0, 12});
    EXPECT_EQ(v.prompt, "Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)");
    EXPECT_TRUE(v.avatar.hasChild("ring"));
    v.womanQuest.rewarded = true;
    standAt({110, 0, 12});
    EXPECT_FALSE(v.avatar.hasChild("ring"));
}

TEST_F(VillageTest, ExitOpensOnlyWhenTheWomanIsDone)
{
    const Vector3 gate{104, 0, 5};
    standAt(gate);
    EXPECT_EQ(level->prompt, barrier);
    EXPECT_EQ(level->nextLevel, 1);
    level->womanQuest.finished = true;
    standAt(gate);
    EXPECT_EQ(level->prompt, barrier);
    EXPECT_EQ(level->nextLevel, 2);
}

TEST_F(VillageTest, TalkKeyOnlyAtThePriestOrTheWoman)
{
    standAt(nowhere);
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    standAt({123, 0, 112.5f});
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(level->priestQuest.dialog.hidden);
    level->command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(level->priestQuest.dialog.hidden);

    standAt(nowhere);
    standAt({110, 0, 12});
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(level->womanQuest.dialog.hidden);
    EXPECT_TRUE(level->priestQuest.dialog.hidden);
}

TEST_F(VillageTest, SkipKeyLeadsToLevelTwo)
{
    level->command('l');
    EXPECT_EQ(level->nextLevel, 2);
}

TEST_F(VillageTest, LookKeyPrintsTheSelectedDescription)
{
    EXPECT_EQ(describedFrom(nowhere), 0);
    EXPECT_GT(describedFrom({100, 0, 102}), 20); // at the well
}

TEST_F(VillageTest, WomanAskedFirstThanksForTheRingAndTakesIt)
{
    Level1& v = *level;
    const Vector3 atWoman{110, 0, 12};
    const Vector3 atPriest{125, 0, 111};
    auto talk = [&](std::initializer_list<int> keys) {
        for (int key : keys) {
            v.command(key);
        }
    };
    standAt(atWoman);
    talk({'e', '1', '1', 'q'});
    ASSERT_TRUE(v.womanQuest.accepted);
    standAt(nowhere);
    standAt(atPriest);
    talk({'e', '1', '1', 'q'});
    ASSERT_TRUE(v.priestQuest.accepted);
    standAt(nowhere);
    standAt({21, 0, 180});
    standAt(nowhere);
    standAt(atPriest);
    talk({'e', 'q'});
    ASSERT_TRUE(v.priestQuest.rewarded);
    standAt(atPriest);
    EXPECT_TRUE(v.avatar.hasChild("ring"));
    EXPECT_GE(v.womanQuest.collected, 1);
    EXPECT_FALSE(v.womanQuest.finished);

    // The gate stays shut until she has thanked.
    standAt({104, 0, 5});
    EXPECT_EQ(v.nextLevel, 1);
    standAt(nowhere);
    standAt(atWoman);
    talk({'e'});
    EXPECT_TRUE(v.womanQuest.finished);
    talk({'q'});
    standAt(atWoman);
    EXPECT_FALSE(v.avatar.hasChild("ring"));
    standAt({104, 0, 5});
    EXPECT_EQ(v.nextLevel, 2);
}
