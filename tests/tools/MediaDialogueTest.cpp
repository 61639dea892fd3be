#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path dialogueFile = fs::path(KORVEL_RUN_DIR) / "data" / "text" / "dialogues.txt";
const std::string partners[] = {"priester", "altefrau", "einsiedler", "trumbel", "held"};

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> readLines(const fs::path& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// One entry as the dialog box reads it: whole-line matches only; the entry
// starts at the first number line after the partner line; "#text" lines run
// to "#replies", replies to "#end" or the next entry's number line.
struct Entry {
    std::vector<std::string> texts;
    std::vector<std::string> replies;
    bool reachedEndOfFile = false;
};

Entry readEntry(const std::vector<std::string>& lines, const std::string& partner, int number)
{
    const std::string partnerKey = "#" + partner;
    const std::string entryKey = "#" + std::to_string(number);
    const std::string nextKey = "#" + std::to_string(number + 1);
    Entry entry;
    bool inSection = false;
    bool inEntry = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == partnerKey) {
            inSection = true;
        } else if (inSection && lines[i] == entryKey) {
            inEntry = true;
        } else if (inSection && inEntry) {
            if (lines[i] == "#text") {
                for (++i; i < lines.size() && lines[i] != "#replies"; ++i) {
                    entry.texts.push_back(lines[i]);
                }
            }
            if (i < lines.size() && lines[i] == "#replies") {
                for (++i; i < lines.size() && lines[i] != "#end" && lines[i] != nextKey; ++i) {
                    entry.replies.push_back(lines[i]);
                }
            }
            entry.reachedEndOfFile = i >= lines.size();
            inSection = inEntry = false;
        }
    }
    return entry;
}

std::vector<std::string> replyKeys(const Entry& entry)
{
    std::vector<std::string> keys;
    for (const std::string& reply : entry.replies) {
        keys.push_back(reply.substr(0, 1));
    }
    return keys;
}

// Text rows of the dialog box in an 800 x 600 window: they start at 0.6 H and
// step 20 pixels down; the last one must keep Helvetica 12's descent on screen.
constexpr int boxRows()
{
    constexpr int firstBaseline = GlTestWindow::height * 6 / 10;
    constexpr int descent = 4;
    return (GlTestWindow::height - descent - firstBaseline) / 20 + 1;
}

// The box is centred on the screen and the lines start at 0.25 W, so they
// must end by 0.75 W, with a small margin inside the panel's edge.
constexpr int lineWidthLimit = GlTestWindow::width / 2 - 10;

} // namespace

TEST(MediaDialogueTest, TheFileIsPlainAsciiWithUnixLineEnds)
{
    const std::string all = readAll(dialogueFile);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), '\n');
    for (char c : all) {
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c <= 0x7e)) << "byte " << static_cast<int>(static_cast<unsigned char>(c));
    }
    for (const std::string& line : readLines(dialogueFile)) {
        EXPECT_TRUE(line.empty() || line.back() != ' ') << "trailing blank breaks exact matching: \"" << line << '"';
    }
}

TEST(MediaDialogueTest, EveryPartnerHasOneSectionWithEntriesOneToEightInIt)
{
    const std::vector<std::string> lines = readLines(dialogueFile);
    std::map<std::string, int> sections;
    std::map<std::string, std::map<std::string, int>> numbersPerSection;
    std::string current;
    for (const std::string& line : lines) {
        for (const std::string& partner : partners) {
            if (line == "#" + partner) {
                current = partner;
                ++sections[partner];
            }
        }
        if (line.size() > 1 && line[0] == '#' && std::all_of(line.begin() + 1, line.end(), ::isdigit)) {
            ++numbersPerSection[current][line];
        }
    }
    for (const std::string& partner : partners) {
        SCOPED_TRACE(partner);
        // A second section would add its lines to the first one's.
        EXPECT_EQ(sections[partner], 1);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(numbersPerSection[partner]["#" + std::to_string(n)], 1) << "entry " << n;
        }
    }
    EXPECT_EQ(numbersPerSection[""].size(), 0u) << "number lines before the first section";
}

TEST(MediaDialogueTest, EveryEntryHasItsOwnCharacterLinesAndIsClosed)
{
    const std::vector<std::string> lines = readLines(dialogueFile);
    for (const std::string& partner : partners) {
        std::vector<std::vector<std::string>> seen;
        for (int n = 1; n <= 8; ++n) {
            SCOPED_TRACE(partner + " entry " + std::to_string(n));
            const Entry entry = readEntry(lines, partner, n);
            EXPECT_FALSE(entry.texts.empty());
            EXPECT_FALSE(entry.reachedEndOfFile);
            for (const auto* block : {&entry.texts, &entry.replies}) {
                for (const std::string& line : *block) {
                    EXPECT_FALSE(line.empty());
                    EXPECT_NE(line.front(), '#') << "a marker swallowed into the entry: " << line;
                }
            }
            EXPECT_EQ(std::count(seen.begin(), seen.end(), entry.texts), 0) << "same lines as an earlier entry";
            seen.push_back(entry.texts);
        }
    }
}

TEST(MediaDialogueTest, TheReaderFollowsTheFormatRules)
{
    const std::vector<std::string> lines = {
        "#priester ", "#1", "#text", "falsch", "#replies", "#end",
        "#priester", "#1", "#text", "eins", "#replies", "#end",
        "kommentar",
        "#2", "#replies", "nur eine Antwort", "#3",
        "#text", "#end", "#replies", "#end",
    };
    EXPECT_EQ(readEntry(lines, "priester", 1).texts, std::vector<std::string>{"eins"});
    const Entry two = readEntry(lines, "priester", 2);
    EXPECT_TRUE(two.texts.empty());
    EXPECT_EQ(two.replies, std::vector<std::string>{"nur eine Antwort"});
    EXPECT_TRUE(readEntry(lines, "altefrau", 1).texts.empty());
}

TEST(MediaDialogueTest, RepliesOfferOnlyTheKeysTheConversationActsOn)
{
    // After the offer both answers lead on; after an answer 2 only 1 (accept)
    // does anything; once the task is accepted only 2 (reminder) does. The
    // close key q is the only way back to walking, so every entry names it.
    const std::map<int, std::vector<std::string>> choices = {
        {1, {"1", "2"}}, {2, {"1", "2"}}, {3, {"1"}}, {4, {"1"}},
        {5, {}}, {6, {}}, {7, {}}, {8, {"2"}},
    };
    const std::vector<std::string> lines = readLines(dialogueFile);
    for (const std::string& partner : partners) {
        for (const auto& [n, keys] : choices) {
            SCOPED_TRACE(partner + " entry " + std::to_string(n));
            const Entry entry = readEntry(lines, partner, n);
            for (const std::string& reply : entry.replies) {
                ASSERT_GE(reply.size(), 4u);
                EXPECT_EQ(reply.substr(1, 2), ": ") << reply;
                EXPECT_NE(reply[3], ' ') << reply;
            }
            std::vector<std::string> offered = replyKeys(entry);
            ASSERT_FALSE(offered.empty());
            EXPECT_EQ(offered.back(), "q") << "the last reply closes the conversation";
            offered.pop_back();
            EXPECT_EQ(offered, keys);
        }
    }
}

TEST(MediaDialogueTest, EveryEntryFitsTheDialogBox)
{
    GlTestWindow::ensure();
    void* const font = GLUT_BITMAP_HELVETICA_12;
    const auto width = [font](const std::string& line) {
        return glutBitmapLength(font, reinterpret_cast<const unsigned char*>(line.c_str()));
    };
    // The measure itself must be real, or every line would fit.
    ASSERT_GT(width("i"), 0);
    ASSERT_GT(width("W"), width("i"));
    ASSERT_GT(width(std::string(80, 'W')), lineWidthLimit);

    const std::vector<std::string> lines = readLines(dialogueFile);
    int widest = 0;
    for (const std::string& partner : partners) {
        for (int n = 1; n <= 8; ++n) {
            SCOPED_TRACE(partner + " entry " + std::to_string(n));
            const Entry entry = readEntry(lines, partner, n);
            const int rows = static_cast<int>(std::max<std::size_t>(entry.texts.size(), 1) + entry.replies.size());
            EXPECT_LE(rows, boxRows());
            for (const auto* block : {&entry.texts, &entry.replies}) {
                for (const std::string& line : *block) {
                    EXPECT_LE(width(line), lineWidthLimit) << line;
                    widest = std::max(widest, width(line));
                }
            }
        }
    }
    RecordProperty("widestLinePixels", widest);
}
