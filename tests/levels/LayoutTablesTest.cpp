// The six levels' placement tables: that they hang together, and that each
// level, set up from them, shows the right line inside each rule's radius,
// keeps its exits shut until the task is done, skips to the right level and
// draws its scene in the right order.
#include "game/GameManager.h"
#include "levels/LevelLayouts.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

const Placement* placement(const LevelLayout& layout, const char* node)
{
    for (const Placement& p : layout.placements) {
        if (std::strcmp(node, p.node) == 0) {
            return &p;
        }
    }
    return nullptr;
}

ModelNode* nodeNamed(SceneNode& below, const std::string& name)
{
    for (SceneNode* child : below.getChildren()) {
        if (child->getName() == name) {
            return dynamic_cast<ModelNode*>(child);
        }
        if (ModelNode* found = nodeNamed(*child, name)) {
            return found;
        }
    }
    return nullptr;
}

// The line each level shows inside a rule's radius, by the start of the
// rule's name; "" leaves the line as it was, nullptr is not checked here.
struct RuleLine {
    int level;
    const char* name;
    const char* prompt;
};
constexpr const char* house = "Haus anschauen (v = view)";
constexpr const char* wood = "Wald anschauen (v = view)";
constexpr const char* tree = "Baum anschauen (v = view)";
constexpr const char* sign = "Schild anschauen (v = view)";
constexpr const char* well = "Brunnen anschauen (v = view)";
constexpr const char* thing = "Ding anschauen (v = view)";
constexpr const char* human = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";
constexpr const char* danger = "Da siehts gefaehrlich aus";
constexpr RuleLine prompts[] = {
    {1, "haus", house}, {1, "kirche", "Kirche anschauen (v = view)"}, {1, "brunnen", well}, {1, "sign", sign},
    {1, "wald", wood}, {1, "sheep", "maehaehaehaeh"},
    {1, "priest", "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)"},
    {1, "frau", "Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)"},
    {1, "exit", "Diese alte Frau laesst mich nicht vorbei...."},
    {2, "einsiedler", human}, {2, "haus", house}, {2, "wald", wood}, {2, "baum", tree}, {2, "krippe", thing},
    {2, "sign", sign}, {2, "northExit", danger}, {2, "eastExit", "Diese Krippe versperrt den Weg"},
    {3, "schubkarre", "Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)"}, {3, "baum", tree},
    {3, "futter", nullptr}, // the pile's own line reaches farther and wins
    {3, "exit", "Ich soll doch Futter holen!"}, {3, "sign", sign}, {3, "mob", "Huhn anschauen (v = view)"},
    {4, "zoellner", human}, {4, "wald", wood}, {4, "baum", tree}, {4, "bruecke", "Bruecke anschauen (v = view)"},
    {4, "sign", sign}, {4, "northExit", danger}, {4, "eastExit", ""},
    {5, "kaefig", thing}, {5, "baum", tree}, {5, "exit", "Ohne Plakete mag ich hier nicht weg!"}, {5, "sign", sign},
    {6, "haus", house}, {6, "wirtshaus", "Wirtshaus anschauen (v = view)"}, {6, "brunnen", well},
    {6, "held", "Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)"}, {6, "wald", wood},
};

const RuleLine* promptFor(int level, const char* name)
{
    for (const RuleLine& row : prompts) {
        if (row.level == level && std::strncmp(row.name, name, std::strlen(row.name)) == 0) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

TEST(LayoutTables, NamesBoxesAnimationsAndRulesHangTogether)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelLayout& layout = *levelLayout(level);
        std::set<std::string> names;
        for (const Placement& p : layout.placements) {
            EXPECT_TRUE(names.insert(p.node).second) << p.node;
        }
        for (const char* name : layout.obstacles) {
            const Placement* p = placement(layout, name);
            ASSERT_NE(p, nullptr) << name;
            EXPECT_TRUE(p->model != nullptr && (p->flags & HasBox)) << name << ": an obstacle needs a box";
        }
        std::set<std::string> withSlotZero;
        for (const AnimationSlot& slot : layout.animations) {
            const Placement* p = placement(layout, slot.node);
            ASSERT_NE(p, nullptr) << slot.node;
            EXPECT_TRUE(p->flags & Animated) << slot.node;
            if (slot.slot == 0) {
                withSlotZero.insert(slot.node);
            }
        }
        for (const Placement& p : layout.placements) {
            EXPECT_TRUE(!(p.flags & Animated) || withSlotZero.count(p.node)) << p.node << ": no slot 0, no poses";
        }
        for (const SelectionRule& rule : layout.selections) {
            EXPECT_TRUE(placement(layout, rule.node) != nullptr || exitMarker(layout, rule.node) != nullptr)
                << rule.node;
        }
    }
}

TEST(LayoutTables, RouteBetweenLevelsAndTheWayBackFromSideTrips)
{
    // 1 -> 2; 2 -> 3 and 4; 3 -> 2; 4 -> 5 and 6; 5 -> 4; 6 has no exit.
    const std::set<std::pair<int, int>> route = {{1, 2}, {2, 3}, {2, 4}, {3, 2}, {4, 5}, {4, 6}, {5, 4}};
    std::set<std::pair<int, int>> found;
    for (int level = 1; level <= 6; ++level) {
        for (const ExitMarker& exit : levelLayout(level)->exits) {
            found.insert({level, exit.target});
        }
        const ReturnSetup* back = levelLayout(level)->returnSetup;
        EXPECT_EQ(back != nullptr, level == 2 || level == 4) << level;
        if (back != nullptr) {
            EXPECT_NE(exitMarker(*levelLayout(level), back->closedExit), nullptr);
            EXPECT_EQ(back->exitTarget, level + 2);
        }
    }
    EXPECT_EQ(found, route);
}

TEST(SixLevels, EveryRuleShowsItsLineStrictlyInsideItsRadiusAndExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        const LevelLayout& layout = *levelLayout(n);
        for (const SelectionRule& rule : layout.selections) {
            SCOPED_TRACE(std::to_string(n) + " " + rule.node);
            const RuleLine* row = promptFor(n, rule.node);
            ASSERT_NE(row, nullptr);
            if (row->prompt == nullptr) {
                continue;
            }
            ModelNode* object = nodeNamed(level.geoBranch, rule.node);
            const ExitMarker* exit = exitMarker(layout, rule.node);
            ASSERT_TRUE(object != nullptr || exit != nullptr);
            const Vector3 at = exit != nullptr ? exit->position : object->position;
            // Straight above the object, where no other rule reaches.
            const auto matchesAt = [&](float height) {
                level.nextLevel = n;
                level.prompt.clear();
                if (object != nullptr) {
                    object->selected = false;
                }
                level.avatar.position = {at.x, at.y + height, at.z};
                level.frame();
                return level.prompt == row->prompt && (exit != nullptr || object->selected);
            };
            EXPECT_FALSE(matchesAt(rule.radius));
            EXPECT_TRUE(matchesAt(rule.radius - 0.01f));
            if (exit != nullptr) {
                // Only the far bank's exit is open at once: the river guards it.
                EXPECT_EQ(level.nextLevel, n == 4 && exit->target == 6 ? 6 : n);
            }
        }
    }
}

TEST(SixLevels, SkipKeyAndDrawingOrder)
{
    struct Row {
        int skipsTo;
        const char* drawn; // the children of the level's scene root, in order
    };
    const Row rows[] = {
        {2, "Himmel heavenBase Avatar boden Licht Licht2"},
        {3, "himmel heavenBase avatar boden Licht Licht2"},
        {2, "himmel heavenBase avatar boden Licht Licht2"},
        {5, "himmel heavenBase wasser huegel avatar boden Licht Licht2"},
        {4, "himmel heavenBase avatar boden Licht Licht2"},
        {6, "Himmel heavenBase Avatar boden Licht Licht2"},
    };
    GameDriver driver(KORVEL_RUN_DIR);
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        std::string drawn;
        for (const SceneNode* child : level.geoBranch.getChildren()) {
            drawn += (drawn.empty() ? "" : " ") + child->getName();
        }
        EXPECT_EQ(drawn, rows[n - 1].drawn) << n;
        level.nextLevel = n;
        testing::internal::CaptureStdout();
        level.command('l');
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(level.nextLevel, rows[n - 1].skipsTo) << n;
    }
}
