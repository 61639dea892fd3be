#include "game/DialogueFile.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct Entry {
    Lines texts;
    Lines replies;
};

Entry read(const std::string& partner, int number)
{
    Entry e;
    readDialogueEntry(partner, number, e.texts, e.replies);
    return e;
}

const char* threeEntries =
    "#priester\n"
    "#1\n#text\nGruess Gott.\n#replies\n1: Hallo\n2: Tschuess\n#end\n"
    "\n"
    "#2\n#text\nMein Schaf ist weg.\nHilfst du mir?\n#replies\n1: Ja\n2: Nein\n#end\n"
    "#3\n#text\nSchade.\n#replies\n1: Doch\n#end\n";

} // namespace

TEST(DialogueFileTest, PicksTheRequestedEntryOnly)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt", threeEntries);

    const Entry third = read("priester", 3);
    EXPECT_EQ(third.texts, Lines{"Schade."});
    EXPECT_EQ(third.replies, Lines{"1: Doch"});

    const Entry second = read("priester", 2);
    EXPECT_EQ(second.texts, (Lines{"Mein Schaf ist weg.", "Hilfst du mir?"}));
    EXPECT_EQ(second.replies, (Lines{"1: Ja", "2: Nein"}));
}

TEST(DialogueFileTest, RepliesWithoutTextEndAtTheNextEntryNumber)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt",
              "#held\n#2\n#replies\n1: Gerne\n#3\n#text\nDrei\n#replies\n#end\n");
    const Entry e = read("held", 2);
    EXPECT_TRUE(e.texts.empty());
    EXPECT_EQ(e.replies, Lines{"1: Gerne"});
}

TEST(DialogueFileTest, EndMarkerInsideTextIsALineOfTheCharacter)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt", "#held\n#1\n#text\nA\n#end\nB\n#replies\nR\n#end\n");
    const Entry e = read("held", 1);
    EXPECT_EQ(e.texts, (Lines{"A", "#end", "B"}));
    EXPECT_EQ(e.replies, Lines{"R"});
}

TEST(DialogueFileTest, PartnerLineMustMatchExactly)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt", "#priester \n#1\n#text\nNein\n#replies\n#end\n"
                                         "#Priester\n#1\n#text\nAuch nicht\n#replies\n#end\n");
    const Entry e = read("priester", 1);
    EXPECT_TRUE(e.texts.empty());
    EXPECT_TRUE(e.replies.empty());
}

TEST(DialogueFileTest, ALaterSectionOfTheSamePartnerAppends)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt",
              "#trumbel\n#5\n#text\nErst\n#replies\n1: a\n#end\n"
              "#einsiedler\n#5\n#text\nFremd\n#replies\n#end\n"
              "#trumbel\n#5\n#text\nDann\n#replies\n2: b\n#end\n");
    const Entry e = read("trumbel", 5);
    EXPECT_EQ(e.texts, (Lines{"Erst", "Dann"}));
    EXPECT_EQ(e.replies, (Lines{"1: a", "2: b"}));
}

TEST(DialogueFileTest, MissingNumberRunsOnIntoLaterSections)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt",
              "#altefrau\n#1\n#text\nEins\n#replies\n#end\n"
              "#held\n#4\n#text\nVier vom Held\n#replies\n#end\n");
    EXPECT_EQ(read("altefrau", 4).texts, Lines{"Vier vom Held"});
}

TEST(DialogueFileTest, EntryWithoutTextOrRepliesYieldsNothingAndRestartsTheSearch)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt",
              "#held\n#1\nkein Marker\n#text\nVerloren\n#replies\n#end\n"
              "#held\n#1\n#text\nGefunden\n#replies\n#end\n");
    EXPECT_EQ(read("held", 1).texts, Lines{"Gefunden"});
}

TEST(DialogueFileTest, WindowsLineEndsAreReadAsPlainLineEnds)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt", "#held\r\n#1\r\n#text\r\nHallo\r\n#replies\r\n1: Ja\r\n#end\r\n");
    const Entry e = read("held", 1);
    EXPECT_EQ(e.texts, Lines{"Hallo"});
    EXPECT_EQ(e.replies, Lines{"1: Ja"});
}

TEST(DialogueFileTest, FileEndingInsideABlockStopsWithTheLinesReadSoFar)
{
    ScratchDir dir;
    dir.write("data/text/dialogues.txt", "#held\n#1\n#text\nNur Text\nund mehr");
    Entry e = read("held", 1);
    EXPECT_EQ(e.texts, (Lines{"Nur Text", "und mehr"}));
    EXPECT_TRUE(e.replies.empty());

    dir.write("data/text/dialogues.txt", "#held\n#1\n#text\nT\n#replies\nR1\nR2\n");
    e = read("held", 1);
    EXPECT_EQ(e.texts, Lines{"T"});
    EXPECT_EQ(e.replies, (Lines{"R1", "R2"}));
}

TEST(DialogueFileTest, MissingFileSaysSoWithoutALineEnd)
{
    ScratchDir dir;
    testing::internal::CaptureStdout();
    const Entry e = read("held", 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Unable to open file");
    EXPECT_TRUE(e.texts.empty());
    EXPECT_TRUE(e.replies.empty());
}

TEST(DialogueFileTest, DamageIsToldApartFromAWholeFile)
{
    const std::string whole = threeEntries;
    const struct {
        std::string contents;
        const char* partner;
        const char* problem;
    } cases[] = {
        {whole, "priester", ""},
        {whole.substr(0, whole.size() / 2), "priester", "ends inside an entry"},
        {whole, "held", "has no conversation for held"},
        {whole + std::string("\0\x01", 2), "priester", "holds bytes that are not text"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.contents);
        EXPECT_EQ(dialogueProblem(in, c.partner), c.problem) << c.contents;
    }
}
