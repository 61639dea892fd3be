#include "game/Quest.h"
#include "model/ModelNode.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every entry of the partner says only its own number, so the box shows
// which entry the conversation asked for.
std::string numberedEntries()
{
    std::string file = "#tester\n";
    for (int n = 1; n <= 8; ++n) {
        file += "#" + std::to_string(n) + "\n#text\nentry " + std::to_string(n) + "\n#replies\n1 ja\n2 nein\n#end\n";
    }
    return file;
}

class QuestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        dir.write("data/text/dialogues.txt", numberedEntries());
        quest.init("Probe", "tester", &giver, 1);
        giver.selected = true;
    }

    // The entry shown after `key`, or "" when the box is hidden.
    std::string after(int key)
    {
        quest.command(key);
        if (quest.dialog.hidden || quest.dialog.texts.empty()) {
            return "";
        }
        return quest.dialog.texts.front();
    }

    ScratchDir dir;
    ModelNode giver;
    Quest quest;
};

TEST_F(QuestTest, InitNamesTheNodeAndHangsTheHiddenBoxBelowIt)
{
    EXPECT_EQ(quest.getName(), "dia");
    EXPECT_EQ(quest.title, "Probe");
    EXPECT_EQ(quest.partnerName, "tester");
    EXPECT_EQ(quest.required, 1);
    EXPECT_EQ(quest.stage, 1);
    ASSERT_EQ(quest.getChildren().size(), 1u);
    EXPECT_EQ(quest.getChildren()[0], &quest.dialog);
    EXPECT_TRUE(quest.dialog.hidden);
    EXPECT_EQ(quest.dialog.panel.getName(), "dialogbox");
}

TEST_F(QuestTest, APartnerNotStandingByIgnoresEveryKey)
{
    giver.selected = false;
    for (int key : {'e', '1', '2', 'q'}) {
        quest.command(key);
    }
    EXPECT_TRUE(quest.dialog.hidden);
    EXPECT_EQ(quest.stage, 1);
    EXPECT_FALSE(quest.accepted);
}

TEST_F(QuestTest, AnswerOneTwiceAcceptsAndTheThanksNeedTheItem)
{
    EXPECT_EQ(after('e'), "entry 1");
    EXPECT_EQ(after('1'), "entry 2");
    EXPECT_EQ(quest.stage, 2);
    EXPECT_EQ(after('1'), "entry 8");
    EXPECT_TRUE(quest.accepted);
    EXPECT_EQ(after('1'), "entry 8"); // nothing new while accepted
    EXPECT_EQ(after('2'), "entry 5");
    EXPECT_EQ(after('e'), "entry 5");
    quest.collected = 1;
    EXPECT_EQ(after('e'), "entry 6");
    EXPECT_TRUE(quest.rewarded);
    EXPECT_TRUE(quest.finished);
    EXPECT_FALSE(quest.accepted);
    EXPECT_EQ(after('e'), "entry 7");
    EXPECT_EQ(after('e'), "entry 7");
    EXPECT_EQ(after('2'), "entry 7");
    EXPECT_EQ(after('q'), "");
}

TEST_F(QuestTest, AnswerTwoAtTheOfferStillLetsThePlayerAccept)
{
    after('e');
    EXPECT_EQ(after('2'), "entry 4");
    EXPECT_EQ(quest.stage, 4);
    EXPECT_EQ(after('2'), "entry 4"); // nothing at stage 4
    EXPECT_EQ(after('1'), "entry 8");
    EXPECT_TRUE(quest.accepted);
}

TEST_F(QuestTest, AnswerTwoAtTheSecondStepAndTalkingAgainRestartsTheOffer)
{
    after('e');
    after('1');
    EXPECT_EQ(after('2'), "entry 3");
    EXPECT_EQ(quest.stage, 3);
    EXPECT_EQ(after('2'), "entry 3"); // nothing at stage 3
    EXPECT_EQ(after('e'), "entry 1");
    EXPECT_EQ(quest.stage, 1);
    EXPECT_FALSE(quest.accepted);
}

TEST_F(QuestTest, TalkOpensTheBoxAgainAndCloseHidesIt)
{
    after('e');
    after('q');
    EXPECT_TRUE(quest.dialog.hidden);
    quest.stage = 0; // no entry to show: the box still opens with the last lines
    quest.command('e');
    EXPECT_FALSE(quest.dialog.hidden);
    EXPECT_EQ(quest.dialog.texts.front(), "entry 1");
}

TEST_F(QuestTest, ThanksGivenByTheLevelAreRepeatedOnAnswerTwo)
{
    quest.rewarded = true;
    EXPECT_EQ(after('2'), "entry 6");
    EXPECT_EQ(after('e'), "entry 6");
    EXPECT_TRUE(quest.finished);
    EXPECT_EQ(after('e'), "entry 7");
}

TEST_F(QuestTest, AMissingDialoguesFileShowsAnEmptyBox)
{
    std::filesystem::remove(dir.path() / "data/text/dialogues.txt");
    testing::internal::CaptureStdout();
    quest.command('e');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Unable to open file");
    EXPECT_FALSE(quest.dialog.hidden);
    EXPECT_TRUE(quest.dialog.texts.empty());
    EXPECT_TRUE(quest.dialog.replies.empty());
}

} // namespace
