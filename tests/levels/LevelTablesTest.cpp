// A handle the table lacks, or a faulty table, stops a level's set-up; every
// level sets up from its table, reaches each rule inside its radius and keeps
// its exits shut until the task is done.
#include "app/GameManager.h"
#include "levels/LevelTables.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// What stops the set-up of a level of two model-less rows whose script has a handle on `wanted`.
std::string setupFault(const ObjectRow& row, const char* wanted)
{
    struct Probe : Level {
        Probe(const LevelTable& table, const char* wanted) : Level(table), handle(this, wanted) {}
        Handle<ModelNode> handle;
    };
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

TEST(LevelTables, AHandleTheTableLacksOrAFaultyTableStopsTheSetUp)
{
    const struct { ObjectRow row; const char* wanted; const char* fault; } cases[] = {
        {{.name = "sheep", .kind = Kind::Actor}, "sheep", ""},
        {{.name = "sheep", .kind = Kind::Actor}, "baum2", "level 9 has no object \"baum2\" of the kind its script asks for"},
        {{.name = "baum1"}, "baum1", "level 9: \"baum1\" is named twice"},
        {{.name = "wall", .flags = Obstacle}, "baum1", "level 9: \"wall\" is an obstacle without a box"},
        {{.name = "frau", .flags = Animated}, "baum1", "level 9: \"frau\" is animated without moves"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setupFault(c.row, c.wanted), c.fault);
    }
}

TEST(SixLevels, EveryRowMakesItsNodeEveryRuleReachesStrictlyInsideItsRadiusAndExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        EXPECT_THROW(level.find<Actor>("lvlbdryN"), std::logic_error) << "a wall is no actor";
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
