// The levels as the tables place them and the generated boxes outline them:
// the player starts free, stays inside the walls, and reaches every object
// and exit.
#include "levels/Level4Layout.h"
#include "levels/LevelLayouts.h"
#include "model/Actor.h"
#include "support/RunDirTest.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>

namespace {

void place(ModelNode& node, const Placement& p, Vector3 position, Vector3 facing)
{
    node.position = position, node.scale = p.scale, node.direction = facing, node.hasBoundingBox = true;
    const Vector3 turned = (p.headingFacing.x != 0 || p.headingFacing.z != 0) ? p.headingFacing : facing;
    node.heading = turned.headingTo(forwardReference);
    ASSERT_TRUE(node.load(p.model)) << p.model;
}

// A level's obstacles loaded by the game's own model node as the level
// set-up places them, optionally with the barrier open, and every place the
// avatar reaches from a start on a 0.5 grid, probing each step as a move does.
class Reach {
public:
    Reach(int level, bool barrierOpen) : layout(*levelLayout(level))
    {
        const Placement* avatarRow = nullptr;
        for (const Placement& p : layout.placements) {
            avatarRow = std::string(p.node) == "Avatar" || std::string(p.node) == "avatar" ? &p : avatarRow;
            for (const char* name : layout.obstacles) {
                if (std::string(name) == p.node) {
                    nodes.push_back(std::make_unique<ModelNode>(p.node));
                    const bool opened = barrierOpen && std::string(name) == "cBox2";
                    place(*nodes.back(), p, opened ? level4::openedBarrierPosition : p.position, p.facing);
                    obstacles.push_back(nodes.back().get());
                }
            }
        }
        const Vector3 start = avatarRow->position;
        place(avatar, *avatarRow, start, avatarRow->facing);
        avatar.obstacles = &obstacles;
        std::deque<std::pair<int, int>> open;
        std::map<std::pair<int, int>, bool> seen;
        const auto visit = [&](int i, int j) {
            if (seen.count({i, j}) == 0 && (seen[{i, j}] = free(start, i, j))) {
                open.emplace_back(i, j);
                reached.push_back(avatar.position);
            }
        };
        visit(0, 0);
        startsFree = !reached.empty();
        while (!open.empty() && reached.size() < 200000) {
            const auto [i, j] = open.front();
            open.pop_front();
            visit(i + 1, j), visit(i - 1, j), visit(i, j + 1), visit(i, j - 1);
        }
    }
    bool within(Vector3 target, float radius) const
    {
        return std::any_of(reached.begin(), reached.end(), [&](const Vector3& p) {
            return Vector3(p.x, 0, p.z).distanceTo(target.x, target.y, target.z) < radius;
        });
    }
    // Where a selection rule measures from: an exit marker or an object.
    Vector3 target(const std::string& name) const
    {
        for (const ExitMarker& exit : layout.exits) if (name == exit.label) return exit.position;
        for (const Placement& p : layout.placements) if (name == p.node) return p.position;
        ADD_FAILURE() << "no object or exit " << name;
        return {};
    }

    const LevelLayout& layout;
    std::vector<Vector3> reached;
    bool startsFree = false;

private:
    bool free(Vector3 start, int i, int j)
    {
        avatar.position = {start.x + 0.5f * i, 0, start.z + 0.5f * j};
        avatar.probeBack(0); // the box where a move would put it
        return !avatar.collides();
    }
    std::vector<std::unique_ptr<ModelNode>> nodes;
    std::vector<ModelNode*> obstacles;
    Actor avatar;
};

using WorldLayout = RunDirTest;

TEST_F(WorldLayout, ThePlayerStartsFreeStaysInsideAndReachesEveryRuleOfEveryLevel)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const Reach reach(level, level == 4); // Level 4's far bank once the barrier is open
        ASSERT_TRUE(reach.startsFree);
        EXPECT_GT(reach.reached.size(), 20000u);
        for (const Vector3& p : reach.reached) {
            ASSERT_TRUE(p.x > 0 && p.x < 200 && p.z > 0 && p.z < 200) << "out at " << p.x << ", " << p.z;
        }
        for (const SelectionRule& rule : reach.layout.selections) {
            EXPECT_TRUE(reach.within(reach.target(rule.node), rule.radius)) << rule.node << " within " << rule.radius;
        }
    }
}

} // namespace
