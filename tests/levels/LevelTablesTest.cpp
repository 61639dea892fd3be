// Every level sets up from its table; a name its script asks for and the
// table lacks, or a table that makes no sense, stops the set-up; and each
// level, set up, reaches each rule inside its radius and keeps its exits
// shut until the task is done.
#include "app/GameManager.h"
#include "levels/LevelTables.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A level of model-less rows whose script asks for `wanted`.
struct Probe : Level {
    Probe(const LevelTable& table, const char* wanted) : Level(table), wanted(wanted) {}
    void findObjects() override { find<ModelNode>(wanted); }
    const char* wanted;
};

std::string setupFault(std::span<const ObjectRow> rows, const char* wanted)
{
    const LevelTable table{9, rows, {}, ""};
    Probe level(table, wanted);
    try {
        level.setup();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(LevelTables, EveryLevelSetsUpAndAWrongNameOrAFaultyTableStopsIt)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120);
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        for (const ObjectRow& row : levelTable(n)->objects) {
            EXPECT_EQ(level.find<SceneNode>(row.name)->getName(), row.name);
        }
        EXPECT_THROW(level.find<SceneNode>("baum9"), std::logic_error);
        EXPECT_THROW(level.find<Actor>("lvlbdryN"), std::logic_error) << "a wall is no actor";
    }
    const ObjectRow rows[] = {{.name = "baum1", .kind = Kind::Tree}, {.name = "sheep", .kind = Kind::Actor}};
    EXPECT_EQ(setupFault(rows, "baum1"), "");
    EXPECT_EQ(setupFault(rows, "baum2"), "level 9 has no object \"baum2\" of the kind its script asks for");
    const struct { ObjectRow row; const char* fault; } faulty[] = {
        {{.name = "baum1"}, "level 9: \"baum1\" is named twice"},
        {{.name = "wall", .flags = Obstacle}, "level 9: \"wall\" is an obstacle without a box"},
        {{.name = "frau", .flags = Animated}, "level 9: \"frau\" is animated without moves"},
    };
    for (const auto& [row, fault] : faulty) {
        const ObjectRow table[] = {rows[0], row};
        EXPECT_EQ(setupFault(table, "baum1"), fault);
    }
}

TEST(SixLevels, EveryRuleReachesStrictlyInsideItsRadiusAndExitsWaitForTheTask)
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
            if (rule.reach == 0 || (n == 3 && std::strcmp(rule.name, "futter") == 0)) {
                continue; // no rule, or the pile's own rule that reaches farther and wins
            }
            ModelNode* object = level.find<ModelNode>(rule.name);
            const bool exit = rule.kind == Kind::Exit;
            const Vector3 at = object->position;
            // Straight above the object, where no other rule reaches.
            const auto reachedAt = [&](float height) {
                level.nextLevel = n;
                level.prompt = idle;
                object->selected = false;
                level.avatar.position = {at.x, at.y + height, at.z};
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
