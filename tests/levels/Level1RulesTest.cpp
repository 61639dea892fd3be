// What happens where the avatar stands in the village, and what the keys do there.
#include "VillageFixture.h"

#include "app/Sound.h"

#include <GL/gl.h>

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
    Level1& v = *village;
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
    standAt(village->haus1.position);
    // The earlier rule wins while inside both radii (church 7, priest 3).
    standAt({121, 0, 110});
    EXPECT_EQ(village->prompt, "Kirche anschauen (v = view)");
    EXPECT_TRUE(village->kirche.selected);
    EXPECT_FALSE(village->priest.selected);
    standAt({124.5f, 0, 110});
    EXPECT_EQ(village->prompt, "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)");
    EXPECT_TRUE(village->haus1.selected && village->kirche.selected && village->priest.selected);
    standAt(nowhere);
    EXPECT_EQ(village->prompt, idle);
    for (ModelNode* n : {&village->haus1, &village->kirche, &village->priest}) {
        EXPECT_FALSE(n->selected) << n->getName();
    }
}

TEST_F(VillageTest, SheepOnlyBleatsBeforeThePriestAsks)
{
    standAt({21, 0, 180});
    EXPECT_EQ(village->prompt, "maehaehaehaeh");
    EXPECT_TRUE(village->sheep.selected);
    EXPECT_EQ(count(village->ground, &village->sheep), 1);
    EXPECT_FALSE(village->avatar.hasChild("sheep"));
    EXPECT_EQ(village->priestQuest.collected, 0);
}

TEST_F(VillageTest, AcceptedQuestLetsTheSheepFollowOnce)
{
    village->priestQuest.accepted = true;
    standAt({21, 0, 180});
    EXPECT_TRUE(village->avatar.hasChild("sheep"));
    EXPECT_EQ(count(village->ground, &village->sheep), 0);
    EXPECT_FLOAT_EQ(village->sheep.followDistance, 4.0f);
    EXPECT_EQ(village->priestQuest.collected, 1);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/boeoeoeoe.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Looped);

    // Drawn 4 behind the avatar (along its direction, which points back).
    village->avatar.direction = {1, 0, 0};
    standAt({30, 0, 170});
    EXPECT_NEAR(village->sheep.position.x, 34.0f, 1e-4f);
    EXPECT_NEAR(village->sheep.position.z, 170.0f, 1e-4f);
    standAt({30, 0, 170});
    EXPECT_EQ(count(village->avatar, &village->sheep), 1);
    EXPECT_EQ(village->priestQuest.collected, 1);
}

TEST_F(VillageTest, ThanksPutTheSheepDownAndHandOverTheRing)
{
    Level1& v = *village;
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
    Level1& v = *village;
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
    EXPECT_EQ(village->prompt, barrier);
    EXPECT_EQ(village->nextLevel, 1);
    village->womanQuest.finished = true;
    standAt(gate);
    EXPECT_EQ(village->prompt, barrier);
    EXPECT_EQ(village->nextLevel, 2);
}

TEST_F(VillageTest, TalkKeyOnlyAtThePriestOrTheWoman)
{
    standAt(nowhere);
    village->command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    standAt({123, 0, 112.5f});
    village->command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(village->priestQuest.dialog.hidden);
    village->command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(village->priestQuest.dialog.hidden);

    standAt(nowhere);
    standAt({110, 0, 12});
    village->command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(village->womanQuest.dialog.hidden);
    EXPECT_TRUE(village->priestQuest.dialog.hidden);
}

TEST_F(VillageTest, SkipKeyLeadsToLevelTwo)
{
    village->command('l');
    EXPECT_EQ(village->nextLevel, 2);
}

TEST_F(VillageTest, LookKeyPrintsTheSelectedDescription)
{
    // Yellow pixels in the band where descriptions stand (x from 0.56 W,
    // y from 0.3 H down), counted on a black picture.
    auto yellowInBand = [] {
        int n = 0;
        for (int y = 600 - 200; y < 600 - 160; ++y) {
            for (int x = 440; x < 700; ++x) {
                const auto p = GlTestWindow::pixel(x, y);
                n += (p[0] > 150 && p[1] > 150 && p[2] < 80) ? 1 : 0;
            }
        }
        return n;
    };
    auto lookFrom = [&](Vector3 at) {
        standAt(at);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        village->command('v');
        return yellowInBand();
    };
    EXPECT_EQ(lookFrom(nowhere), 0);
    EXPECT_GT(lookFrom({100, 0, 102}), 20); // at the well
}

TEST_F(VillageTest, WomanAskedFirstThanksForTheRingAndTakesIt)
{
    Level1& v = *village;
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
