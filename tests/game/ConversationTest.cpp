// Conversations: what an entry of the dialogues file yields, which entry a
// key brings up, and where the box and the text styles put the lines.
#include "game/DialogueFile.h"
#include "game/Quest.h"
#include "platform/Host.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(DialogueFileTest, AnEntryYieldsItsLinesAndRepliesAsTheFileLaysThemOut)
{
    const char* three = "#priester\n#1\n#text\nGruess Gott.\n#replies\n1: Hallo\n#end\n\n"
                        "#2\n#text\nMein Schaf ist weg.\nHilfst du mir?\n#replies\n1: Ja\n2: Nein\n#end\n"
                        "#3\n#text\nSchade.\n#replies\n1: Doch\n#end\n";
    const struct { const char *what, *file, *partner; int number; Lines texts, replies; } cases[] = {
        {"the requested entry only", three, "priester", 2,
         {"Mein Schaf ist weg.", "Hilfst du mir?"}, {"1: Ja", "2: Nein"}},
        {"replies end at the next number", "#held\n#2\n#replies\n1: Gerne\n#3\n#text\nDrei\n#replies\n#end\n",
         "held", 2, {}, {"1: Gerne"}},
        {"#end inside the text is a line", "#held\n#1\n#text\nA\n#end\nB\n#replies\nR\n#end\n", "held", 1,
         {"A", "#end", "B"}, {"R"}},
        {"partner lines match exactly", "#priester \n#1\n#text\nN\n#replies\n#end\n#Priester\n#1\n#text\nN\n",
         "priester", 1, {}, {}},
        {"a later section of the partner appends",
         "#trumbel\n#5\n#text\nErst\n#replies\n1: a\n#end\n#einsiedler\n#5\n#text\nFremd\n#replies\n#end\n"
         "#trumbel\n#5\n#text\nDann\n#replies\n2: b\n#end\n",
         "trumbel", 5, {"Erst", "Dann"}, {"1: a", "2: b"}},
        {"a missing number runs on into later sections",
         "#altefrau\n#1\n#text\nEins\n#replies\n#end\n#held\n#4\n#text\nVier\n#replies\n#end\n", "altefrau", 4,
         {"Vier"}, {}},
        {"an entry without blocks restarts the search",
         "#held\n#1\nkein Marker\n#text\nVerloren\n#replies\n#end\n#held\n#1\n#text\nGefunden\n#replies\n#end\n",
         "held", 1, {"Gefunden"}, {}},
        {"Windows line ends", "#held\r\n#1\r\n#text\r\nHallo\r\n#replies\r\n1: Ja\r\n#end\r\n", "held", 1,
         {"Hallo"}, {"1: Ja"}},
        {"file ends in the text", "#held\n#1\n#text\nNur Text\nund mehr", "held", 1, {"Nur Text", "und mehr"}, {}},
        {"file ends in the replies", "#held\n#1\n#text\nT\n#replies\nR1\nR2\n", "held", 1, {"T"}, {"R1", "R2"}},
        {"no file", nullptr, "held", 1, {}, {}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.file ? dir.write("data/text/dialogues.txt", c.file)
               : void(std::filesystem::remove(dir.path() / "data/text/dialogues.txt"));
        Lines texts, replies;
        testing::internal::CaptureStdout();
        readDialogueEntry(c.partner, c.number, texts, replies);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.file ? "" : "Unable to open file");
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(replies, c.replies);
    }
}

TEST(DialogueFileTest, DamageIsToldApartFromAWholeFile)
{
    const std::string whole = "#priester\n#1\n#text\nGruess Gott.\n#replies\n1: Hallo\n#end\n";
    const struct { std::string contents; const char *partner, *problem; } cases[] = {
        {whole, "priester", ""},
        {whole.substr(0, whole.size() / 2), "priester", "endet mitten in einem Eintrag"},
        {whole, "held", "hat kein Gespraech fuer held"},
        {whole + std::string("\0\x01", 2), "priester", "enthaelt Bytes, die kein Text sind"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.contents);
        EXPECT_EQ(dialogueProblem(in, c.partner), c.problem) << c.contents;
    }
}

TEST(QuestTest, KeysBringUpTheEntriesOfTheTask)
{
    GlTestWindow::ensure();
    ScratchDir dir;
    std::string file = "#tester\n"; // every entry says only its own number
    for (int n = 1; n <= 8; ++n) {
        file += "#" + std::to_string(n) + "\n#text\n" + std::to_string(n) + "\n#replies\n1 ja\n#end\n";
    }
    dir.write("data/text/dialogues.txt", file);
    // Per key the entry shown, 0 a hidden box, '-' unchecked. Not keys: '+' the item counted,
    // 'r' thanks given by the level, 'u' the partner not selected, 'z' the stage back at 0.
    const struct { const char *keys, *shown; } cases[] = {
        {"e1112e+ee2q", "128855-6770"}, // accept, remind, deliver, thank, afterwards
        {"e221", "1448"},               // no at the offer, then yes
        {"e122e", "12331"},             // no at the second step; talking again restarts
        {"r2ee", "-667"},               // thanks given by the level are repeated
        {"ue12q", "-0000"},             // a partner not standing by ignores every key
        {"eqze", "10-1"},               // talking reopens the box with its last lines
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        ModelNode giver;
        giver.selected = true;
        Quest quest;
        quest.init("Probe", "tester", &giver, 1);
        std::string shown;
        for (const char* k = c.keys; *k != '\0'; ++k) {
            switch (*k) {
            case '+': quest.collected = 1; break;
            case 'r': quest.rewarded = true; break;
            case 'u': giver.selected = false; break;
            case 'z': quest.stage = 0; break;
            default: quest.command(*k);
            }
            const bool any = !quest.dialog.hidden && !quest.dialog.texts.empty();
            shown += std::string("+ruz").find(*k) != std::string::npos ? "-" : any ? quest.dialog.texts[0] : "0";
        }
        EXPECT_EQ(shown, c.shown);
    }
}

// Lines, then replies, in white from a quarter across and 0.6 of the way
// down, 20 pixels apart; a hidden box shows nothing.
TEST(TextOnScreenTest, TheBoxPrintsLinesThenRepliesFromAQuarterAcrossTwentyPixelsApart)
{
    GlTestWindow::ensure();
    ManualHost host;
    Host::install(&host);
    ScratchDir dir; // no panel model: the lines alone
    DialogBox box;
    box.texts = {"Gruess Gott.", "Mein Schaf ist weg."};
    box.replies = {"1: Ja", "q: Nein"};
    glClearColor(0, 0, 0, 1);
    for (int row = 0; row < 8; ++row) { // hidden first
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        box.hidden = row < 4;
        box.draw(Matrix4());
        const std::string& line = row % 4 < 2 ? box.texts[row % 2] : box.replies[row % 2];
        EXPECT_EQ(GlTestWindow::showsText(GLUT_BITMAP_HELVETICA_12, line, 200, 240 - 20 * (row % 4), true), row >= 4) << row;
    }
    Host::install(nullptr);
}

} // namespace
