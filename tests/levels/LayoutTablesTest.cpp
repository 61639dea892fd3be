// The six levels' placement tables hang together; each level, set up from
// them, keeps its exits shut until the task is done.
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

// Standing at an exit leads nowhere before the level's task is done; only
// the far bank's exit by the bridge is open at once: the river guards it.
TEST(SixLevels, ExitsWaitForTheTask)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120); // small: only the rules count here
    for (int n = 1; n <= 6; ++n) {
        Level& level = *driver.game().levelByNumber(n);
        for (const ExitMarker& exit : levelLayout(n)->exits) {
            level.nextLevel = n;
            level.avatar.position = {exit.position.x, exit.position.y + 1, exit.position.z};
            level.frame();
            EXPECT_EQ(level.nextLevel, n == 4 && exit.target == 6 ? 6 : n) << n << " " << exit.label;
        }
    }
}
