// A continued game in each level: what was achieved comes back, in place, as play left it.
#include "app/GameManager.h"
#include "app/SaveText.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

QuestProgress underWay(int collected = 0) { return {true, false, false, 4, collected}; }
QuestProgress thanked() { return {false, true, true, 4, 1}; }

int shown(const ActorRun& things)
{
    return static_cast<int>(std::count_if(things.begin(), things.end(), [](const Actor& a) { return !a.hidden; }));
}

// Records left in the middle of a level's task, each with what the player sees of it.
struct Continued {
    const char* where;
    std::function<void(GameProgress&)> left;
    std::function<bool(GameManager&)> looksRight;
};

TEST(ContinuedGame, EachLevelComesBackAsItWasLeft)
{
    const Continued cases[] = {
        {"the ring sought", [](GameProgress& p) { p.level1.priest = thanked(), p.level1.woman = underWay(7); },
         [](GameManager& g) { return g.level1.avatar.hasChild("ring") && !g.level1.avatar.hasChild("sheep"); }},
        {"the yard, two sacks on the barrow",
         [](GameProgress& p) {
             p.levelNumber = 3, p.level3Visited = true, p.level2.hermit = underWay(), p.level3 = {true, 2};
         },
         [](GameManager& g) { return g.level3.avatar.hasChild("schubkarre") && shown(g.level3.sacks) == 2; }},
        {"back in the settlement with three sacks",
         [](GameProgress& p) {
             p.levelNumber = 2, p.level3Visited = true, p.level2 = {underWay(1), 3}, p.level3 = {true, 3};
         },
         [](GameManager& g) { return shown(g.level2.sacks) == 3 && !g.level2.schubkarre->hidden; }},
        {"the pit, two snakes caged",
         [](GameProgress& p) {
             p.levelNumber = 5, p.level3Visited = p.level5Visited = true, p.level4.officer = underWay();
             p.level5.caught = {true, false, true, false, false};
         },
         [](GameManager& g) {
             return g.level5.kaefig->hasChild("mob1") && g.level5.kaefig->hasChild("mob3") &&
                    !g.level5.kaefig->hasChild("mob2");
         }},
    };
    GameDriver driver(KORVEL_RUN_DIR, 20, 160, 120);
    for (const auto& [where, left, looksRight] : cases) {
        SCOPED_TRACE(where);
        GameProgress saved;
        saved.level1.priest = thanked();
        left(saved);
        ASSERT_EQ(readSaveText(saveText(saved)).problem, "");
        driver.restart();
        driver.game().continueFrom(saved);
        driver.frames(3);
        EXPECT_EQ(driver.levelNumber(), saved.levelNumber);
        EXPECT_EQ(saveText(driver.game().progress()), saveText(saved));
        EXPECT_TRUE(looksRight(driver.game()));
    }
}

} // namespace
