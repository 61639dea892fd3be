// A level keeps its table's orders; a handle the table lacks, or a faulty
// table, stops its set-up. Every level sets up from its table; with the boxes
// the generator outlines them with, the player starts free, stays inside the
// walls and reaches every rule; each rule reaches strictly inside its radius
// and the exits stay shut until the task is done.
#include "app/GameManager.h"
#include "levels/LevelTables.h"
#include "platform/Language.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Probe : Level {
    Probe(const LevelTable& table, const char* wanted) : Level(table), handle(this, wanted) {}
    using Level::lookOrder, Level::rules;
    Handle<ModelNode> handle;
};

// What stops the set-up of a level of a model-less tree and `row`, whose script has a handle on `wanted`.
std::string setupFault(const ObjectRow& row, const char* wanted)
{
    const ObjectRow rows[] = {{.name = "baum1", .kind = Kind::Tree}, row};
    const LevelTable table{9, "", rows, {}, ""};
    try {
        Probe(table, wanted).setup();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

// Every place the avatar reaches from where it stands on a 0.5 grid, probing each step as a move does.
std::vector<Vector3> reachable(Actor& avatar)
{
    const Vector3 start = avatar.position;
    std::vector<Vector3> reached;
    std::deque<std::pair<int, int>> open;
    std::map<std::pair<int, int>, bool> seen;
    const auto visit = [&](int i, int j) {
        if (seen.count({i, j}) != 0) return;
        avatar.position = {start.x + 0.5f * i, 0, start.z + 0.5f * j};
        avatar.probeBack(0); // the box where a move would put it
        if ((seen[{i, j}] = !avatar.collides())) {
            open.emplace_back(i, j);
            reached.push_back(avatar.position);
        }
    };
    visit(0, 0);
    while (!open.empty() && reached.size() < 200000) {
        const auto [i, j] = open.front();
        open.pop_front();
        visit(i + 1, j), visit(i - 1, j), visit(i, j + 1), visit(i, j - 1);
    }
    return reached;
}

} // namespace

TEST(LevelTables, RulesAndLooksKeepTheTablesOrdersAndAHandleTheTableLacksOrAFaultyTableStopsTheSetUp)
{
    // By `rule`, by `look`, ties in row order; a `look` of 0 is never looked at.
    const ObjectRow rows[] = {{.name = "baum1", .reach = 4, .rule = 2, .look = 1},
                              {.name = "haus", .reach = 8, .rule = 1, .look = 2}, {.name = "wald", .reach = 10, .rule = 1}};
    const LevelTable table{9, "", rows, {}, ""};
    Probe level(table, "haus");
    level.setup();
    EXPECT_EQ((std::array{level.rules[0].radius, level.rules[1].radius, level.rules[2].radius}), (std::array{8.f, 10.f, 4.f}));
    EXPECT_EQ(level.lookOrder, (std::vector<ModelNode*>{level.find<ModelNode>("baum1"), level.handle}));
    const struct { ObjectRow row; const char* wanted; const char* fault; } cases[] = {
        {{.name = "sheep", .kind = Kind::Actor}, "baum2", "level 9 has no object \"baum2\" of the kind its script asks for"},
        {{.name = "baum1"}, "baum1", "level 9: \"baum1\" is named twice"},
        {{.name = "wall", .flags = Obstacle}, "baum1", "level 9: \"wall\" is an obstacle without a box"},
        {{.name = "frau", .flags = Animated}, "baum1", "level 9: \"frau\" is animated without moves"},
    };
    for (const auto& c : cases) EXPECT_EQ(setupFault(c.row, c.wanted), c.fault);
}

TEST(SixLevels, EveryRowMakesItsNodeThePlayerReachesEveryRuleStrictlyInsideItsRadiusAndExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    // Level 4's far bank as it is once the officer has opened the barrier.
    driver.game().level4.cBox2->position = Level4::openedBarrierPosition;
    driver.game().level4.cBox2->load("data/lvlbdry.ms3d");
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        const std::vector<Vector3> reached = reachable(level.avatar);
        ASSERT_GT(reached.size(), 20000u) << n << ": the player starts free";
        for (const Vector3& p : reached) {
            ASSERT_TRUE(p.x > 0 && p.x < 200 && p.z > 0 && p.z < 200) << n << " out at " << p.x << ", " << p.z;
        }
        level.nextLevel = n;
        level.avatar.position.set(0, 1000, 0);
        level.frame();
        const std::string idle = level.prompt;
        for (const ObjectRow& rule : levelTable(n)->objects) {
            SCOPED_TRACE(std::to_string(n) + " " + rule.name);
            ASSERT_EQ(level.find<SceneNode>(rule.name)->getName(), rule.name);
            EXPECT_TRUE(rule.reach == 0 || std::ranges::any_of(reached, [&](const Vector3& p) {
                return Vector3(p.x, 0, p.z).distanceTo(rule.at.x, rule.at.y, rule.at.z) < rule.reach;
            })) << "out of the player's reach";
            if (rule.reach == 0 || (n == 3 && std::strcmp(rule.name, "futter") == 0)) {
                continue; // no rule, or the pile's own rule that reaches farther and wins
            }
            ModelNode* object = level.find<ModelNode>(rule.name);
            const bool exit = rule.kind == Kind::Exit;
            // Straight above the object, where no other rule reaches.
            const auto reachedAt = [&](float height) {
                level.nextLevel = n;
                level.prompt = idle;
                object->selected = false;
                level.avatar.position = {object->position.x, object->position.y + height, object->position.z};
                level.frame();
                return level.prompt != idle ? exit || object->selected : level.nextLevel != n;
            };
            EXPECT_FALSE(reachedAt(rule.reach));
            EXPECT_TRUE(reachedAt(rule.reach - 0.01f));
            if (exit) {
                // Only the far bank's exit is open at once: the river guards it.
                EXPECT_EQ(level.nextLevel, n == 4 && rule.target == 6 ? 6 : n);
            }
        }
    }
}

// Every text of the levels' tables and every line of the dialogues file has
// its English: none escapes the catalogue unmarked.
TEST(LevelTablesTest, EveryTextThePlayerReadsHasItsEnglish)
{
    std::vector<std::string> texts;
    for (int number = 1; number <= 6; ++number) {
        texts.insert(texts.end(), {levelTable(number)->name, levelTable(number)->idleText});
        for (const ObjectRow& row : levelTable(number)->objects) {
            for (const char* text : {row.prompt, row.quest.title, row.lines[0], row.lines[1], row.lines[2], row.lines[3]}) {
                if (text != nullptr) texts.push_back(text);
            }
        }
    }
    std::ifstream dialogues(KORVEL_RUN_DIR "/data/text/dialogues.txt");
    for (std::string line; std::getline(dialogues, line);) {
        if (!line.empty() && line[0] != '#') texts.push_back(line);
    }
    useLanguage(Language::English, KORVEL_RUN_DIR "/locale");
    for (const std::string& german : texts) EXPECT_STRNE(tr(german.c_str()), german.c_str());
    useLanguage(Language::German, {});
    unsetenv("LANGUAGE");
}
