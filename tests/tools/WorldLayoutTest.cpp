// The levels as the tables place them and the generated boxes outline them:
// the player starts free, reaches every object and exit, and stays inside.
#include "WorldFiles.h"

#include "levels/Level2Layout.h"
#include "levels/Level4Layout.h"
#include "scene/Matrix4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <string>

namespace {

// The bottom outline of a placed bounding box, built as the game's model
// node builds it: extremes of the box model, scaled, moved, turned about
// the position by the heading.
struct GroundBox {
    Vector3 p[4];
    float minX = 0, maxX = 0, minZ = 0, maxZ = 0;
};

Vector3 add(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 sub(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

float headingOf(const Placement& p)
{
    const Vector3 facing = (p.headingFacing.x != 0 || p.headingFacing.z != 0) ? p.headingFacing : p.facing;
    return facing.headingTo(forwardReference);
}

GroundBox placeBox(const Placement& p, Vector3 position, float heading)
{
    const auto box = readWorldModel("data/bb" + std::string(p.model).substr(5));
    EXPECT_TRUE(box.has_value()) << p.model;
    Vector3 lo(2000, 2000, 2000), hi(-2000, -2000, -2000);
    for (const auto& v : box ? box->vertices : std::vector<std::array<float, 3>>{}) {
        lo = {std::min(lo.x, v[0]), std::min(lo.y, v[1]), std::min(lo.z, v[2])};
        hi = {std::max(hi.x, v[0]), std::max(hi.y, v[1]), std::max(hi.z, v[2])};
    }
    const Vector3 corners[4] = {{lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}};
    const Matrix4 scale = Matrix4().scale(p.scale.x, p.scale.y, p.scale.z);
    const Matrix4 turn = Matrix4().rotateY(heading);
    Vector3 placed[4];
    for (int i = 0; i < 4; ++i) {
        const Vector3 corner = add(scale.transformPoint(corners[i]), position);
        Vector3 dir = sub(corner, position);
        const float dist = dir.normalize();
        dir = turn.transformPoint(dir);
        dir.normalize();
        placed[i] = {position.x + dir.x * dist, position.y + dir.y * dist, position.z + dir.z * dist};
    }
    GroundBox g;
    g.p[0] = placed[0];
    g.p[1] = placed[1];
    g.p[2] = {placed[2].x, placed[0].y, placed[2].z};
    g.p[3] = {placed[3].x, placed[0].y, placed[3].z};
    g.minX = g.maxX = g.p[0].x;
    g.minZ = g.maxZ = g.p[0].z;
    for (const Vector3& q : g.p) {
        g.minX = std::min(g.minX, q.x);
        g.maxX = std::max(g.maxX, q.x);
        g.minZ = std::min(g.minZ, q.z);
        g.maxZ = std::max(g.maxZ, q.z);
    }
    return g;
}

// Ground extent of a model as drawn: moved, scaled, then turned, in the
// order the model node applies them (the box is scaled before it turns,
// which differs for stretched models such as the bridge).
GroundBox drawnExtent(const Placement& p)
{
    const auto model = readWorldModel(p.model);
    EXPECT_TRUE(model.has_value()) << p.model;
    const Matrix4 place = Matrix4()
                              .translate(p.position.x, p.position.y, p.position.z)
                              .scale(p.scale.x, p.scale.y, p.scale.z)
                              .rotateY(headingOf(p));
    GroundBox g;
    g.minX = g.minZ = 1e9f;
    g.maxX = g.maxZ = -1e9f;
    for (const auto& v : model ? model->vertices : std::vector<std::array<float, 3>>{}) {
        const Vector3 w = place.transformPoint({v[0], v[1], v[2]});
        g.minX = std::min(g.minX, w.x);
        g.maxX = std::max(g.maxX, w.x);
        g.minZ = std::min(g.minZ, w.z);
        g.maxZ = std::max(g.maxZ, w.z);
    }
    return g;
}

// The game's collision rule between the avatar's bottom points and an obstacle.
bool insideBox(const GroundBox& o, float x, float z)
{
    const Vector3 &a = o.p[0], &b = o.p[1], &d = o.p[3];
    return (a.x < x && x < d.x && a.z < z && z < b.z) || (a.x < x && x < b.x && d.z < z && z < a.z) ||
           (d.x < x && x < a.x && b.z < z && z < a.z) || (b.x < x && x < a.x && a.z < z && z < d.z);
}

bool crossesEdge(Vector3 p, Vector3 a, Vector3 b)
{
    if (!(std::min(a.x, b.x) < p.x && p.x < std::max(a.x, b.x) && std::min(a.z, b.z) < p.z &&
          p.z < std::max(a.z, b.z))) {
        return false;
    }
    return sub(b, a).headingTo(sub(p, a)) > 90.0f;
}

bool collides(const Vector3 (&own)[4], const std::vector<GroundBox>& obstacles)
{
    for (const GroundBox& o : obstacles) {
        for (const Vector3& p : own) {
            if (p.x < o.minX || p.x > o.maxX || p.z < o.minZ || p.z > o.maxZ) {
                continue; // neither test can hold outside the outline's extent
            }
            for (int j = 0; j < 4; ++j) {
                const Vector3 &a = o.p[j], &b = o.p[(j + 1) % 4];
                const bool alongAxis = std::floor(b.x) == std::floor(a.x) || std::floor(b.z) == std::floor(a.z);
                if (alongAxis ? insideBox(o, p.x, p.z) : crossesEdge(p, a, b)) {
                    return true;
                }
            }
        }
    }
    return false;
}

class LevelWorld {
public:
    explicit LevelWorld(int number) : layout(*levelLayout(number))
    {
        for (const Placement& p : layout.placements) {
            byName[p.node] = &p;
            if ((p.flags & HasBox) && p.model != nullptr) {
                boxes[p.node] = placeBox(p, p.position, headingOf(p));
            }
        }
        avatar = byName.count("Avatar") ? byName.at("Avatar") : byName.at("avatar");
    }
    const Placement& placement(const std::string& node) const { return *byName.at(node); }
    void moveBox(const std::string& node, Vector3 position)
    {
        boxes[node] = placeBox(placement(node), position, headingOf(placement(node)));
    }
    std::vector<GroundBox> obstacles() const
    {
        std::vector<GroundBox> list;
        for (const char* name : layout.obstacles) {
            list.push_back(boxes.at(name));
        }
        return list;
    }
    // Where a selection rule measures from: an object or an exit marker.
    Vector3 target(const std::string& name) const
    {
        for (const ExitMarker& exit : layout.exits) {
            if (name == exit.label) {
                return exit.position;
            }
        }
        return byName.at(name)->position;
    }
    GroundBox avatarAt(Vector3 position, Vector3 facing) const
    {
        return placeBox(*avatar, position, facing.headingTo(forwardReference));
    }

    const LevelLayout& layout;
    const Placement* avatar = nullptr;
    std::map<std::string, GroundBox> boxes;

private:
    std::map<std::string, const Placement*> byName;
};

// Every position the avatar can walk to from its start, on a 0.5 grid,
// keeping its heading: a step is allowed when the box at the new place
// does not collide, as the game probes each move.
class Reach {
public:
    Reach(const LevelWorld& world, Vector3 start, Vector3 facing) : start(start), obstacles(world.obstacles())
    {
        const GroundBox box = world.avatarAt(start, facing);
        for (int i = 0; i < 4; ++i) {
            offsets[i] = sub(box.p[i], start);
        }
        first = static_cast<int>(std::floor((-20.0f - start.x) / step));
        firstZ = static_cast<int>(std::floor((-20.0f - start.z) / step));
        size = static_cast<int>(260.0f / step);
        state.assign(static_cast<std::size_t>(size * size), 0);
        std::deque<std::pair<int, int>> open;
        if (free(-first, -firstZ)) {
            mark(-first, -firstZ);
            open.emplace_back(-first, -firstZ);
        }
        while (!open.empty()) {
            const auto [i, j] = open.front();
            open.pop_front();
            for (const auto& [di, dj] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int ni = i + di, nj = j + dj;
                if (ni < 0 || nj < 0 || ni >= size || nj >= size || state[index(ni, nj)] != 0) {
                    continue;
                }
                if (free(ni, nj)) {
                    mark(ni, nj);
                    open.emplace_back(ni, nj);
                } else {
                    state[index(ni, nj)] = 2;
                }
            }
        }
    }

    bool within(Vector3 target, float radius) const
    {
        for (const Vector3& p : reached) {
            if (Vector3(p.x, 0, p.z).distanceTo(target.x, target.y, target.z) < radius) {
                return true;
            }
        }
        return false;
    }
    bool staysInside(float lo, float hi) const
    {
        for (const Vector3& p : reached) {
            if (p.x <= lo || p.x >= hi || p.z <= lo || p.z >= hi) {
                return false;
            }
        }
        return !reached.empty();
    }
    float eastmost() const
    {
        float x = -1e9f;
        for (const Vector3& p : reached) {
            x = std::max(x, p.x);
        }
        return x;
    }
    std::size_t count() const { return reached.size(); }

private:
    static constexpr float step = 0.5f;
    std::size_t index(int i, int j) const { return static_cast<std::size_t>(i * size + j); }
    Vector3 at(int i, int j) const
    {
        return {start.x + step * static_cast<float>(i + first), 0, start.z + step * static_cast<float>(j + firstZ)};
    }
    bool free(int i, int j) const
    {
        const Vector3 p = at(i, j);
        Vector3 own[4];
        for (int k = 0; k < 4; ++k) {
            own[k] = add(p, offsets[k]);
        }
        return !collides(own, obstacles);
    }
    void mark(int i, int j)
    {
        state[index(i, j)] = 1;
        reached.push_back(at(i, j));
    }

    Vector3 start;
    std::vector<GroundBox> obstacles;
    Vector3 offsets[4];
    int first = 0, firstZ = 0, size = 0;
    std::vector<char> state; // 0 unknown, 1 reached, 2 blocked
    std::vector<Vector3> reached;
};

Reach reachFromStart(const LevelWorld& world)
{
    return Reach(world, world.avatar->position, world.avatar->facing);
}

LevelWorld levelFourWithBarrierOpen()
{
    LevelWorld world(4);
    world.moveBox("cBox2", level4::openedBarrierPosition);
    return world;
}

} // namespace

TEST(WorldLayout, AvatarStartsFreeInEveryLevelAndOnEveryReturn)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelWorld world(level);
        const GroundBox box = world.avatarAt(world.avatar->position, world.avatar->facing);
        EXPECT_FALSE(collides(box.p, world.obstacles()));
        if (world.layout.returnSetup != nullptr) {
            const ReturnSetup& back = *world.layout.returnSetup;
            const GroundBox returned = world.avatarAt(back.avatarPosition, back.avatarFacing);
            EXPECT_FALSE(collides(returned.p, world.obstacles()));
            EXPECT_GT(Reach(world, back.avatarPosition, back.avatarFacing).count(), 1000u) << "room to walk";
        }
    }
}

TEST(WorldLayout, BoundaryWallsCloseEveryLevel)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelWorld world(level);
        const Reach reach = reachFromStart(world);
        EXPECT_GT(reach.count(), 20000u);
        EXPECT_TRUE(reach.staysInside(0.0f, 200.0f));
    }
    EXPECT_TRUE(reachFromStart(levelFourWithBarrierOpen()).staysInside(0.0f, 200.0f));
}

TEST(WorldLayout, EverySelectionRuleAndExitCanBeReachedWithoutColliding)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        // Level 4's far bank is reached once the barrier is open.
        const LevelWorld world = level == 4 ? levelFourWithBarrierOpen() : LevelWorld(level);
        const Reach reach = reachFromStart(world);
        for (const SelectionRule& rule : world.layout.selections) {
            EXPECT_TRUE(reach.within(world.target(rule.node), rule.radius)) << rule.node << " radius " << rule.radius;
        }
    }
}

TEST(WorldLayout, ConversationPartnersCanBeReachedBeforeAnyQuestIsDone)
{
    const std::pair<int, const char*> partners[] = {
        {1, "priest"}, {1, "frau"}, {2, "einsiedler"}, {4, "zoellner"}, {6, "held"}};
    for (const auto& [level, node] : partners) {
        SCOPED_TRACE(node);
        const LevelWorld world(level);
        EXPECT_TRUE(reachFromStart(world).within(world.target(node), 3.0f));
    }
    // The priest stands 8 units from the church, which is built to leave him room.
    const LevelWorld village(1);
    const Vector3 church = village.target("kirche"), priest = village.target("priest");
    EXPECT_FLOAT_EQ(church.distanceTo(priest.x, priest.y, priest.z), 8.0f);
}

TEST(WorldLayout, BarrierKeepsThePlayerOffTheBridgeUntilTheOfficerOpensIt)
{
    const LevelWorld closed(4);
    const Vector3 eastExit = closed.target("eastExit");
    for (const Reach& reach : {reachFromStart(closed), Reach(closed, closed.layout.returnSetup->avatarPosition,
                                                             closed.layout.returnSetup->avatarFacing)}) {
        EXPECT_FALSE(reach.within(eastExit, 12.0f));
        EXPECT_LT(reach.eastmost(), 146.0f);
    }
    const LevelWorld open = levelFourWithBarrierOpen();
    const Reach through = reachFromStart(open);
    EXPECT_TRUE(through.within(eastExit, 12.0f));
    EXPECT_GT(through.eastmost(), 195.0f);
}

TEST(WorldLayout, GapInTheBarrierLinesUpWithTheBridgeAndTheFences)
{
    const LevelWorld open = levelFourWithBarrierOpen();
    const GroundBox& lower = open.boxes.at("cBox1");
    const GroundBox& upper = open.boxes.at("cBox2");
    const float gapSouth = lower.maxZ, gapNorth = upper.minZ;
    EXPECT_GT(gapNorth - gapSouth, 3.0f);
    const GroundBox avatar = open.avatarAt({0, 0, 0}, open.avatar->facing);
    EXPECT_LT(avatar.maxZ - avatar.minZ, gapNorth - gapSouth - 1.0f) << "the avatar fits through with room";
    EXPECT_NEAR(lower.minX, upper.minX, 0.6f);

    const GroundBox bridge = drawnExtent(open.placement("bruecke"));
    EXPECT_LE(bridge.minZ, gapSouth);
    EXPECT_GE(bridge.maxZ, gapNorth);
    EXPECT_LE(bridge.minX, lower.maxX) << "the bridge starts at the barrier";
    EXPECT_GE(bridge.maxX, 188.0f);
    for (const char* fence : {"zaun1", "zaun2", "zaun3", "zaun4"}) {
        const GroundBox f = drawnExtent(open.placement(fence));
        SCOPED_TRACE(fence);
        EXPECT_TRUE(f.minZ >= gapNorth - 0.5f || f.maxZ <= gapSouth + 0.5f) << "fences leave the crossing open";
        EXPECT_GT(f.maxX, bridge.minX - 1.0f);
        EXPECT_LT(f.minX, bridge.maxX + 1.0f);
    }
}

TEST(WorldLayout, RiverShowsThroughTheGroundUnderTheBridge)
{
    const LevelWorld world(4);
    const Placement& water = world.placement("wasser");
    // The water grid spans x -4.5..13.3 and z -4.5..-2.7 before placing.
    const Matrix4 place = Matrix4()
                              .translate(water.position.x, water.position.y, water.position.z)
                              .scale(water.scale.x, water.scale.y, water.scale.z)
                              .rotateY(water.facing.headingTo(forwardReference));
    const Vector3 a = place.transformPoint({-4.5f, 0, -4.5f}), b = place.transformPoint({13.3f, 0, -2.7f});
    const GroundBox bridge = drawnExtent(world.placement("bruecke"));
    EXPECT_LE(std::min(a.x, b.x), bridge.minX);
    EXPECT_GE(std::max(a.x, b.x), bridge.maxX);
    EXPECT_LE(std::min(a.z, b.z), 0.0f);
    EXPECT_GE(std::max(a.z, b.z), 200.0f);

    const Placement& boden = world.placement("boden");
    const auto ground = readWorldModel(boden.model);
    ASSERT_TRUE(ground.has_value());
    const Matrix4 groundPlace =
        Matrix4().translate(boden.position.x, boden.position.y, boden.position.z).rotateY(headingOf(boden));
    int inChannel = 0, onBanks = 0;
    for (const auto& t : ground->triangles) {
        Vector3 centre;
        for (int v : t.vertices) {
            const auto& p = ground->vertices[static_cast<std::size_t>(v)];
            const Vector3 w = groundPlace.transformPoint({p[0], p[1], p[2]});
            centre = {centre.x + w.x / 3, 0, centre.z + w.z / 3};
        }
        if (centre.z > 0 && centre.z < 200) {
            inChannel += (centre.x > bridge.minX + 6 && centre.x < bridge.maxX - 6) ? 1 : 0;
            onBanks += (centre.x < bridge.minX || centre.x > bridge.maxX) ? 1 : 0;
        }
    }
    EXPECT_EQ(inChannel, 0);
    EXPECT_GT(onBanks, 100);
}

TEST(WorldLayout, DialogPanelSitsBehindTheTextLines)
{
    const auto panel = readWorldModel("data/dialogbox.ms3d");
    ASSERT_TRUE(panel.has_value());
    float lo[2] = {1e9f, 1e9f}, hi[2] = {-1e9f, -1e9f};
    for (const auto& v : panel->vertices) {
        // Scale (0.25, 0.4) at (0, -0.85), in normalised device coordinates.
        const float ndc[2] = {0.25f * v[0], -0.85f + 0.4f * v[1]};
        for (int k = 0; k < 2; ++k) {
            lo[k] = std::min(lo[k], ndc[k]);
            hi[k] = std::max(hi[k], ndc[k]);
        }
        EXPECT_LE(std::fabs(0.25f * v[2]), 1.0f) << "inside the depth range";
    }
    // Text starts at a quarter of the width (x = -0.5) and 60 % of the height
    // down (y = -0.2), twelve-pixel letters rising above that line at 600 high.
    EXPECT_LT(lo[0], -0.5f);
    EXPECT_GT(hi[0], 0.8f);
    EXPECT_GT(hi[1], -0.2f + 2.0f * 14.0f / 600.0f);
    EXPECT_LT(lo[1], -0.85f) << "room for a text line and two replies";
    EXPECT_GE(lo[0], -1.0f);
    EXPECT_LE(hi[0], 1.0f);
    EXPECT_GE(lo[1], -1.0f);
    EXPECT_LT(hi[1], 0.0f) << "the box stays in the lower half";
}

TEST(WorldLayout, HermitsSmokeRisesFromHisChimney)
{
    const LevelWorld world(2);
    const Placement& hut = world.placement("haus");
    const auto model = readWorldModel(hut.model);
    ASSERT_TRUE(model.has_value());
    const Matrix4 place = Matrix4()
                              .translate(hut.position.x, hut.position.y, hut.position.z)
                              .scale(hut.scale.x, hut.scale.y, hut.scale.z)
                              .rotateY(headingOf(hut));
    Vector3 top(0, -1e9f, 0);
    for (const auto& v : model->vertices) {
        const Vector3 w = place.transformPoint({v[0], v[1], v[2]});
        if (w.y > top.y) {
            top = w;
        }
    }
    const Vector3 smoke = world.placement("particleBase").position;
    EXPECT_NEAR(top.y, smoke.y, 0.3f);
    EXPECT_LT(std::hypot(top.x - smoke.x, top.z - smoke.z), 1.0f);
}

TEST(WorldLayout, CollisionRuleBlocksInsideAndIgnoresTheEdgeItself)
{
    const LevelWorld village(1);
    const GroundBox& wall = village.boxes.at("lvlbdryE"); // along x = 0
    const Vector3 inside[4] = {{0.2f, 0, 50}, {0.2f, 0, 51}, {0.3f, 0, 51}, {0.3f, 0, 50}};
    const Vector3 onEdge[4] = {{0.5f, 0, 50}, {0.5f, 0, 51}, {0.6f, 0, 51}, {0.6f, 0, 50}};
    EXPECT_TRUE(collides(inside, {wall}));
    EXPECT_FALSE(collides(onEdge, {wall})) << "comparisons are strict";
    EXPECT_FALSE(collides(inside, {}));
}
