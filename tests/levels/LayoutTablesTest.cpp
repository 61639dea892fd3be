// Consistency of the placement tables that the levels and the data checks share.
#include "levels/Level2Layout.h"
#include "levels/Level3Layout.h"
#include "levels/Level4Layout.h"
#include "levels/Placement.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const Placement* find(const LevelLayout& layout, const std::string& node)
{
    for (const Placement& p : layout.placements) {
        if (node == p.node) {
            return &p;
        }
    }
    return nullptr;
}

bool isExit(const LevelLayout& layout, const std::string& label)
{
    for (const ExitMarker& exit : layout.exits) {
        if (label == exit.label) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(LayoutTables, SixLevelsNumberedOneToSix)
{
    for (int level = 1; level <= 6; ++level) {
        ASSERT_NE(levelLayout(level), nullptr);
        EXPECT_EQ(levelLayout(level)->number, level);
    }
    EXPECT_EQ(levelLayout(0), nullptr);
    EXPECT_EQ(levelLayout(7), nullptr);
    EXPECT_EQ(levelLayout(-1), nullptr);
}

TEST(LayoutTables, NodeNamesAreUniqueAndModelsLiveInData)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        std::set<std::string> names;
        for (const Placement& p : levelLayout(level)->placements) {
            EXPECT_TRUE(names.insert(p.node).second) << p.node;
            if (p.model != nullptr) {
                const std::string model = p.model;
                EXPECT_EQ(model.rfind("data/", 0), 0u) << model;
                EXPECT_EQ(model.substr(model.size() - 5), ".ms3d") << model;
            }
            EXPECT_TRUE(p.facing.x != 0 || p.facing.z != 0) << p.node << " needs a ground direction";
        }
    }
}

TEST(LayoutTables, ObstaclesAreBoxedModelsOfTheLevel)
{
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const char* name : layout.obstacles) {
            SCOPED_TRACE(name);
            const Placement* p = find(layout, name);
            ASSERT_NE(p, nullptr);
            EXPECT_NE(p->model, nullptr);
            EXPECT_TRUE(p->flags & HasBox);
        }
        EXPECT_EQ(std::set<std::string>(layout.obstacles.begin(), layout.obstacles.end()).size(),
                  layout.obstacles.size());
    }
}

TEST(LayoutTables, AnimationsBelongToAnimatedNodesAndStartAtSlotZero)
{
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        std::set<std::string> withSlotZero;
        for (const AnimationSlot& slot : layout.animations) {
            SCOPED_TRACE(slot.node);
            const Placement* p = find(layout, slot.node);
            ASSERT_NE(p, nullptr);
            EXPECT_TRUE(p->flags & Animated);
            EXPECT_GE(slot.keyframeCount, 1);
            EXPECT_LE(slot.keyframeCount, 5);
            EXPECT_GT(slot.stepsPerKeyframe, 0);
            EXPECT_GE(slot.slot, 0);
            EXPECT_LE(slot.slot, 3) << "slot 4 can be loaded but never selected";
            if (slot.slot == 0) {
                withSlotZero.insert(slot.node);
            }
        }
        for (const Placement& p : layout.placements) {
            if (p.flags & Animated) {
                EXPECT_EQ(withSlotZero.count(p.node), 1u) << p.node << ": no slot 0, nothing would load";
            }
        }
    }
}

TEST(LayoutTables, SelectionRulesNameObjectsOrExitsWithRadiiOfTheWorld)
{
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const SelectionRule& rule : layout.selections) {
            SCOPED_TRACE(rule.node);
            EXPECT_TRUE(find(layout, rule.node) != nullptr || isExit(layout, rule.node));
            EXPECT_GE(rule.radius, 2.0f);
            EXPECT_LE(rule.radius, 12.0f);
        }
        for (const ExitMarker& exit : layout.exits) {
            EXPECT_NE(exit.target, level);
            EXPECT_FLOAT_EQ(exit.radius, 12.0f);
        }
    }
}

TEST(LayoutTables, RouteBetweenLevelsAndTheReturnSetUps)
{
    // 1 -> 2; 2 -> 3 and 4; 3 -> 2; 4 -> 5 and 6; 5 -> 4; 6 has no exit.
    const std::set<std::pair<int, int>> route = {{1, 2}, {2, 3}, {2, 4}, {3, 2}, {4, 5}, {4, 6}, {5, 4}};
    std::set<std::pair<int, int>> found;
    for (int level = 1; level <= 6; ++level) {
        for (const ExitMarker& exit : levelLayout(level)->exits) {
            found.insert({level, exit.target});
        }
    }
    EXPECT_EQ(found, route);
    for (int level : {2, 4}) {
        const ReturnSetup* back = levelLayout(level)->returnSetup;
        ASSERT_NE(back, nullptr);
        EXPECT_TRUE(isExit(*levelLayout(level), back->closedExit));
        EXPECT_EQ(back->exitTarget, level == 2 ? 4 : 6);
    }
    EXPECT_EQ(levelLayout(1)->returnSetup, nullptr);
}

TEST(LayoutTables, CarriedThingsFollowInFrontAndChickensHaveSpeeds)
{
    const LevelLayout& hermit = *levelLayout(2);
    for (const char* sack : {"sack1", "sack2", "sack3", "sack4", "sack5"}) {
        const Placement* p = find(hermit, sack);
        ASSERT_NE(p, nullptr);
        EXPECT_LT(p->followDistance, 0.0f) << "negative: in front of the avatar";
        EXPECT_TRUE(p->flags & StartsHidden);
    }
    EXPECT_FLOAT_EQ(find(hermit, "schubkarre")->followDistance, -1.5f);
    int chickens = 0;
    for (const Placement& p : levelLayout(3)->placements) {
        chickens += std::string(p.node).rfind("mob", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(chickens, static_cast<int>(std::size(level3::chaseSpeeds)));
    EXPECT_NE(find(*levelLayout(4), "cBox2"), nullptr);
    EXPECT_NE(level4::openedBarrierPosition.z, find(*levelLayout(4), "cBox2")->position.z);
}
