// The levels as the game sets them up from their tables, with the boxes the
// generator outlines them with: the player starts free, stays inside the
// walls, and reaches every object and exit.
#include "app/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <vector>

namespace {

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

TEST(WorldLayout, ThePlayerStartsFreeStaysInsideAndReachesEveryRuleOfEveryLevel)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120);
    // Level 4's far bank as it is once the officer has opened the barrier.
    driver.game().level4.cBox2->position = Level4::openedBarrierPosition;
    driver.game().level4.cBox2->load("data/lvlbdry.ms3d");
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        Level& level = *driver.game().levelByNumber(n);
        const std::vector<Vector3> reached = reachable(level.avatar);
        ASSERT_GT(reached.size(), 20000u) << "the player starts free";
        for (const Vector3& p : reached) {
            ASSERT_TRUE(p.x > 0 && p.x < 200 && p.z > 0 && p.z < 200) << "out at " << p.x << ", " << p.z;
        }
        for (const ObjectRow& row : level.table.objects) {
            const bool within = std::ranges::any_of(reached, [&](const Vector3& p) {
                return Vector3(p.x, 0, p.z).distanceTo(row.at.x, row.at.y, row.at.z) < row.reach;
            });
            EXPECT_TRUE(row.reach == 0 || within) << row.name << " within " << row.reach;
        }
    }
}
