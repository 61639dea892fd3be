// The journal's line for a quest in each state it can be in, as the player reads it.
#include "game/Quest.h"
#include "levels/Journal.h"
#include "levels/Level1.h"

#include <gtest/gtest.h>

namespace {

TEST(JournalTest, EachQuestStateHasItsLineAndAQuestNotMetNone)
{
    Quest priest;
    priest.title = "Das verlorene Schaf";
    priest.text = findRow(Level1::layout, "priest")->quest;
    const std::string offer = "Das verlorene Schaf: Bruder Friedbert bei der Kirche braucht Hilfe. Sag ja (1).";
    const std::string task = "Das verlorene Schaf: Hol das schwarze Schaf vom Wald hinter dem Dorf zur Kirche.";
    const std::string done = "Das verlorene Schaf: erledigt.";
    const std::string none = "Noch keine Aufgabe. Sprich mit den Leuten hier (e).";
    // The state, whether the priest has spoken in this run, the journal's last line.
    const std::tuple<QuestProgress, bool, std::string> cases[] = {
        {{}, false, none},
        {{}, true, offer},
        {{.stage = 2}, false, offer}, // answered in an earlier run
        {{.accepted = true, .stage = 2}, false, task},
        {{.accepted = true, .stage = 3, .collected = 1}, true, task}, // the sheep follows
        {{.rewarded = true, .finished = true, .stage = 2, .collected = 1}, true, done},
        {{.finished = true}, false, done}, // closed without being asked, as the old woman's can be
    };
    for (const auto& [state, spoken, last] : cases) {
        static_cast<QuestProgress&>(priest) = state;
        priest.spoken = spoken;
        const Quest* quests[] = {&priest};
        const std::vector<std::string> lines = journalLines("Das Dorf", quests);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1], "Du bist hier: Das Dorf");
        EXPECT_EQ(lines[2], last) << state.stage << state.accepted << state.rewarded << state.finished << spoken;
    }
}

} // namespace
