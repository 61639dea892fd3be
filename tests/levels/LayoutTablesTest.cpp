// The six levels' placement tables hang together; each level, set up from
// them, reaches each rule inside its radius and keeps its exits shut until
// the task is done.
#include "game/GameManager.h"
#include "levels/LevelLayouts.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

namespace {

const Placement* placement(const LevelLayout& layout, const char* node)
{
    const auto p = std::ranges::find_if(layout.placements, [&](const Placement& p) { return std::strcmp(node, p.node) == 0; });
    return p == layout.placements.end() ? nullptr : &*p;
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

} // namespace

TEST(LayoutTables, NamesBoxesAndAnimationsHangTogether)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelLayout& layout = *levelLayout(level);
        for (const char* name : layout.obstacles) {
            const Placement* p = placement(layout, name);
            ASSERT_NE(p, nullptr) << name;
            EXPECT_TRUE(p->model != nullptr && (p->flags & HasBox)) << name << ": an obstacle needs a box";
        }
        std::set<std::string> withSlotZero, names;
        for (const AnimationSlot& slot : layout.animations) {
            const Placement* p = placement(layout, slot.node);
            ASSERT_NE(p, nullptr) << slot.node;
            EXPECT_TRUE(p->flags & Animated) << slot.node;
            if (slot.slot == 0) {
                withSlotZero.insert(slot.node);
            }
        }
        for (const Placement& p : layout.placements) {
            EXPECT_TRUE(names.insert(p.node).second) << p.node;
            EXPECT_TRUE(!(p.flags & Animated) || withSlotZero.count(p.node)) << p.node << ": no slot 0, no poses";
        }
    }
}

TEST(SixLevels, EveryRuleReachesStrictlyInsideItsRadiusAndExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        const LevelLayout& layout = *levelLayout(n);
        level.nextLevel = n;
        level.avatar.position.set(0, 1000, 0);
        level.frame();
        const std::string idle = level.prompt;
        for (const SelectionRule& rule : layout.selections) {
            SCOPED_TRACE(std::to_string(n) + " " + rule.node);
            if (n == 3 && std::strcmp(rule.node, "futter") == 0) {
                continue; // the pile's own rule reaches farther and wins
            }
            ModelNode* object = nodeNamed(level.geoBranch, rule.node);
            const ExitMarker* exit = exitMarker(layout, rule.node);
            ASSERT_TRUE(object != nullptr || exit != nullptr);
            const Vector3 at = exit != nullptr ? exit->position : object->position;
            // Straight above the object, where no other rule reaches.
            const auto reachedAt = [&](float height) {
                level.nextLevel = n;
                level.prompt = idle;
                if (object != nullptr) {
                    object->selected = false;
                }
                level.avatar.position = {at.x, at.y + height, at.z};
                level.frame();
                return level.prompt != idle ? object == nullptr || object->selected : level.nextLevel != n;
            };
            EXPECT_FALSE(reachedAt(rule.radius));
            EXPECT_TRUE(reachedAt(rule.radius - 0.01f));
            if (exit != nullptr) {
                // Only the far bank's exit is open at once: the river guards it.
                EXPECT_EQ(level.nextLevel, n == 4 && exit->target == 6 ? 6 : n);
            }
        }
    }
}
