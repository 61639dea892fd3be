// The levels as the tables place them and the generated boxes outline them:
// the player starts free, stays inside the walls, and reaches every object
// and exit.
#include "levels/Level4.h"
#include "levels/LevelTables.h"
#include "model/Actor.h"
#include "support/RunDirTest.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>

namespace {

void place(ModelNode& node, const ObjectRow& row, Vector3 position)
{
    node.position = position, node.scale = row.scale, node.direction = row.facing, node.hasBoundingBox = true;
    const Vector3 turned = (row.headingFacing.x != 0 || row.headingFacing.z != 0) ? row.headingFacing : row.facing;
    node.heading = turned.headingTo(forwardReference);
    ASSERT_TRUE(node.load(row.model)) << row.model;
}

// A level's obstacles loaded by the game's own model node as the level
// set-up places them, optionally with the barrier open, and every place the
// avatar reaches from a start on a 0.5 grid, probing each step as a move does.
class Reach {
public:
    Reach(int level, bool barrierOpen) : table(*levelTable(level))
    {
        const ObjectRow* avatarRow = nullptr;
        for (const ObjectRow& row : table.objects) {
            avatarRow = row.kind == Kind::Avatar ? &row : avatarRow;
            if (row.flags & Obstacle) {
                nodes.push_back(std::make_unique<ModelNode>(row.name));
                const bool opened = barrierOpen && std::string(row.name) == "cBox2";
                place(*nodes.back(), row, opened ? Level4::openedBarrierPosition : row.at);
                obstacles.push_back(nodes.back().get());
            }
        }
        const Vector3 start = avatarRow->at;
        place(avatar, *avatarRow, start);
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
    const LevelTable& table;
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
        for (const ObjectRow& row : reach.table.objects) {
            EXPECT_TRUE(row.reach == 0 || reach.within(row.at, row.reach)) << row.name << " within " << row.reach;
        }
    }
}

} // namespace
