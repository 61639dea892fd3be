// What happens where the avatar stands in the inn village, and what the keys do there.
#include "Level6Fixture.h"

namespace {

// A spot well away from every object of the level.
constexpr Vector3 nowhere{60, 0, 140};
constexpr Vector3 atHero{108, 0, 103};
constexpr const char* idle = "Leider nichts zum anschauen";
constexpr const char* heroPrompt = "Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)";
constexpr const char* farewell = "Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....";

} // namespace

TEST_F(InnVillageTest, EveryObjectPromptsStrictlyInsideItsRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
    };
    Level6& v = *level;
    const Case cases[] = {
        {&v.haus1, 10, "Haus anschauen (v = view)"},
        {&v.haus2, 10, "Haus anschauen (v = view)"},
        {&v.haus3, 8, "Haus anschauen (v = view)"},
        {&v.haus4, 10, "Haus anschauen (v = view)"},
        {&v.wirtshaus, 4, "Wirtshaus anschauen (v = view)"},
        {&v.brunnen, 3, "Brunnen anschauen (v = view)"},
        {&v.held, 3, heroPrompt},
        {&v.wald1, 10, "Wald anschauen (v = view)"},
        {&v.wald2, 10, "Wald anschauen (v = view)"},
        {&v.wald3, 10, "Wald anschauen (v = view)"},
        {&v.wald4, 10, "Wald anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        // Exactly on the radius is outside (the distance counts the height too).
        standAt({at.x, at.y + c.radius, at.z});
        EXPECT_EQ(v.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        standAt({at.x, at.y + c.radius - 0.01f, at.z});
        EXPECT_EQ(v.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }
}

TEST_F(InnVillageTest, StandingAtNothingClearsEveryFlag)
{
    Level6& v = *level;
    for (const Vector3& p : {v.haus3.position, v.wirtshaus.position, atHero, v.brunnen.position, v.wald2.position}) {
        standAt(p);
    }
    EXPECT_TRUE(v.haus3.selected && v.wirtshaus.selected && v.held.selected && v.brunnen.selected &&
                v.wald2.selected);
    // Walking from one object to the next leaves the earlier flags set.
    EXPECT_EQ(v.prompt, "Wald anschauen (v = view)");
    standAt(nowhere);
    EXPECT_EQ(v.prompt, idle);
    for (ModelNode* n : {&v.haus1, &v.haus2, &v.haus3, &v.haus4, &v.wirtshaus, &v.brunnen, &v.held, &v.wald1,
                         &v.wald2, &v.wald3, &v.wald4}) {
        EXPECT_FALSE(n->selected) << n->getName();
    }
}

TEST_F(InnVillageTest, TalkKeyOnlyAtTheHero)
{
    standAt(nowhere);
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(level->heroQuest.dialog.hidden);
    standAt(level->wirtshaus.position);
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'a');

    standAt(atHero);
    EXPECT_EQ(level->prompt, heroPrompt);
    level->command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(level->heroQuest.dialog.hidden);
    ASSERT_FALSE(level->heroQuest.dialog.texts.empty());
    EXPECT_EQ(level->heroQuest.dialog.texts[0], heroLine(1));
}

TEST_F(InnVillageTest, ClosingBeforeAcceptingLeavesTheQuestOpen)
{
    standAt(atHero);
    controls.heldForward = controls.heldLeft = true;
    level->command('e');
    level->command('1'); // stage 2: the hero explains
    EXPECT_EQ(level->heroQuest.dialog.texts[0], heroLine(2));
    level->command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_FALSE(controls.heldForward || controls.heldLeft);
    EXPECT_TRUE(level->heroQuest.dialog.hidden);
    EXPECT_FALSE(level->heroQuest.accepted || level->heroQuest.finished);
    // Talking again starts the offer over.
    level->command('e');
    EXPECT_EQ(level->heroQuest.stage, 1);
    EXPECT_EQ(level->heroQuest.dialog.texts[0], heroLine(1));
    level->command('q');
    EXPECT_FALSE(level->heroQuest.finished);
}

TEST_F(InnVillageTest, AcceptingAndClosingFinishesTheHerosQuest)
{
    Quest& quest = level->heroQuest;
    standAt(atHero);
    level->command('e');
    level->command('1');
    level->command('1');
    EXPECT_TRUE(quest.accepted);
    EXPECT_FALSE(quest.finished);
    EXPECT_EQ(quest.dialog.texts[0], heroLine(8));
    level->command('q');
    EXPECT_TRUE(quest.finished);
    EXPECT_TRUE(quest.dialog.hidden);
    EXPECT_EQ(controls.inputMode, 'a');
    // Afterwards the hero only says his last words, every time.
    for (int i = 0; i < 2; ++i) {
        level->command('e');
        EXPECT_FALSE(quest.dialog.hidden);
        EXPECT_EQ(quest.dialog.texts[0], heroLine(7));
        level->command('q');
    }
    EXPECT_TRUE(quest.finished);
    EXPECT_EQ(level->nextLevel, 6);
}

TEST_F(InnVillageTest, AcceptingAfterAQuestionAlsoCounts)
{
    Quest& quest = level->heroQuest;
    standAt(atHero);
    level->command('e');
    level->command('2'); // who are you?
    EXPECT_EQ(quest.dialog.texts[0], heroLine(4));
    level->command('1');
    EXPECT_TRUE(quest.accepted);
    level->command('q');
    EXPECT_TRUE(quest.finished);
}

TEST_F(InnVillageTest, ClosingAwayFromTheHeroAfterAcceptingStillFinishes)
{
    // The close key finishes an accepted quest wherever it arrives.
    standAt(atHero);
    level->command('e');
    level->command('1');
    level->command('1');
    standAt(nowhere);
    level->command('q');
    EXPECT_TRUE(level->heroQuest.finished);
    EXPECT_EQ(controls.inputMode, 'a');
}

TEST_F(InnVillageTest, SkipKeySaysGoodbyeEachTimeAndStays)
{
    standAt({104, 0, 30});
    testing::internal::CaptureStdout();
    level->command('l');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), farewell);
    testing::internal::CaptureStdout();
    level->command('l');
    level->command('l');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(farewell) + farewell);
    EXPECT_EQ(level->nextLevel, 6);
    EXPECT_FLOAT_EQ(level->avatar.position.z, 30.0f);
    EXPECT_FALSE(level->heroQuest.finished);
}

TEST_F(InnVillageTest, OtherKeysPrintNothing)
{
    standAt(atHero);
    testing::internal::CaptureStdout();
    for (int key : {'e', '1', '2', 'q', 'm', 'v', 'w', 'x'}) {
        level->command(key);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(level->nextLevel, 6);
}

TEST_F(InnVillageTest, LookKeyPrintsTheSelectedDescription)
{
    EXPECT_EQ(describedFrom(nowhere), 0);
    const int hero = describedFrom(atHero);
    EXPECT_GT(hero, 20);
    // The well's line is longer than the hero's.
    EXPECT_GT(describedFrom({100, 0, 102}), hero);
}
