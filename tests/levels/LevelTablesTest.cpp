// A level keeps its table's orders; a handle the table lacks, or a faulty
// table, stops its set-up; every level sets up from its table, reaches each
// rule inside its radius and keeps its exits shut until the task is done.
#include "app/GameManager.h"
#include "levels/LevelTables.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
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
    const LevelTable table{9, rows, {}, ""};
    try {
        Probe(table, wanted).setup();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(LevelTables, RulesAndLooksKeepTheTablesOrdersAndAHandleTheTableLacksOrAFaultyTableStopsTheSetUp)
{
    // By `rule`, by `look`, ties in row order; a `look` of 0 is never looked at.
    const ObjectRow rows[] = {{.name = "baum1", .reach = 4, .rule = 2, .look = 1},
                              {.name = "haus", .reach = 8, .rule = 1, .look = 2}, {.name = "wald", .reach = 10, .rule = 1}};
    const LevelTable table{9, rows, {}, ""};
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

TEST(SixLevels, EveryRowMakesItsNodeEveryRuleReachesStrictlyInsideItsRadiusAndExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        level.nextLevel = n;
        level.avatar.position.set(0, 1000, 0);
        level.frame();
        const std::string idle = level.prompt;
        for (const ObjectRow& rule : levelTable(n)->objects) {
            SCOPED_TRACE(std::to_string(n) + " " + rule.name);
            ASSERT_EQ(level.find<SceneNode>(rule.name)->getName(), rule.name);
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
