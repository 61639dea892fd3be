// The levels as the tables place them and the generated boxes outline them:
// the player starts free, reaches every object and exit, and stays inside.
#include "WorldFiles.h"

#include "levels/Level2Layout.h"
#include "levels/Level4Layout.h"
#include "model/ModelNode.h"
#include "scene/Actor.h"
#include "scene/Matrix4.h"
#include "support/RunDirTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <string>

namespace {

float headingOf(const Placement& p)
{
    const Vector3 facing = (p.headingFacing.x != 0 || p.headingFacing.z != 0) ? p.headingFacing : p.facing;
    return facing.headingTo(forwardReference);
}

// Ground extent of a node's bottom box outline.
struct Extent {
    float minX = 1e9f, maxX = -1e9f, minZ = 1e9f, maxZ = -1e9f;
};

Extent outline(const ModelNode& node)
{
    Extent e;
    for (int i = 0; i < 4; ++i) {
        const Vector3& p = node.box.points[i];
        e = {std::min(e.minX, p.x), std::max(e.maxX, p.x), std::min(e.minZ, p.z), std::max(e.maxZ, p.z)};
    }
    return e;
}

// Ground extent of a model as drawn: moved, scaled, then turned, in the
// order the model node applies them (the box is scaled before it turns,
// which differs for stretched models such as the bridge).
Extent drawnExtent(const Placement& p)
{
    const auto model = readWorldModel(p.model);
    EXPECT_TRUE(model.has_value()) << p.model;
    const Matrix4 place = Matrix4()
                              .translate(p.position.x, p.position.y, p.position.z)
                              .scale(p.scale.x, p.scale.y, p.scale.z)
                              .rotateY(headingOf(p));
    Extent e;
    for (const auto& v : model ? model->vertices : std::vector<std::array<float, 3>>{}) {
        const Vector3 w = place.transformPoint({v[0], v[1], v[2]});
        e = {std::min(e.minX, w.x), std::max(e.maxX, w.x), std::min(e.minZ, w.z), std::max(e.maxZ, w.z)};
    }
    return e;
}

void placeNode(ModelNode& node, const Placement& p, Vector3 position)
{
    node.position = position;
    node.scale = p.scale;
    node.direction = p.facing;
    node.heading = headingOf(p);
    node.hasBoundingBox = true;
    ASSERT_TRUE(node.load(p.model)) << p.model;
}

// A level's boxed objects loaded by the game's own model node, as the
// level set-up places them, and its obstacle list.
class LevelWorld {
public:
    explicit LevelWorld(int number) : layout(*levelLayout(number))
    {
        for (const Placement& p : layout.placements) {
            byName[p.node] = &p;
            if ((p.flags & HasBox) && p.model != nullptr) {
                nodes.push_back(std::make_unique<ModelNode>(p.node));
                placeNode(*nodes.back(), p, p.position);
                nodeByName[p.node] = nodes.back().get();
            }
        }
        for (const char* name : layout.obstacles) {
            obstacles.push_back(nodeByName.at(name));
        }
        avatar = byName.count("Avatar") ? byName.at("Avatar") : byName.at("avatar");
    }
    const Placement& placement(const std::string& node) const { return *byName.at(node); }
    const ModelNode& node(const std::string& name) const { return *nodeByName.at(name); }
    // Moves a node and loads its model again, so its box is rebuilt there.
    void moveNode(const std::string& name, Vector3 position)
    {
        placeNode(*nodeByName.at(name), placement(name), position);
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
    std::unique_ptr<Actor> avatarAt(Vector3 position, Vector3 facing) const
    {
        auto actor = std::make_unique<Actor>("avatar");
        Placement p = *avatar;
        p.facing = facing;
        placeNode(*actor, p, position);
        actor->obstacles = &obstacles;
        return actor;
    }

    const LevelLayout& layout;
    const Placement* avatar = nullptr;

private:
    std::map<std::string, const Placement*> byName;
    std::vector<std::unique_ptr<ModelNode>> nodes;
    std::map<std::string, ModelNode*> nodeByName;
    std::vector<ModelNode*> obstacles;
};

using WorldLayout = RunDirTest;

// Every position the avatar can walk to from its start, on a 0.5 grid,
// keeping its heading: a step is allowed when the box at the new place
// does not collide, as the game probes each move.
class Reach {
public:
    Reach(const LevelWorld& world, Vector3 start, Vector3 facing)
        : start(start), avatar(world.avatarAt(start, facing))
    {
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
    // The box probed at the cell, as a move there would probe it.
    bool free(int i, int j)
    {
        avatar->position = at(i, j);
        avatar->probeBack(0.0f);
        return !avatar->collides();
    }
    void mark(int i, int j)
    {
        state[index(i, j)] = 1;
        reached.push_back(at(i, j));
    }

    Vector3 start;
    std::unique_ptr<Actor> avatar;
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
    world.moveNode("cBox2", level4::openedBarrierPosition);
    return world;
}

} // namespace

TEST_F(WorldLayout, AvatarStartsFreeInEveryLevelAndOnEveryReturn)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelWorld world(level);
        EXPECT_FALSE(world.avatarAt(world.avatar->position, world.avatar->facing)->collides());
        if (world.layout.returnSetup != nullptr) {
            const ReturnSetup& back = *world.layout.returnSetup;
            EXPECT_FALSE(world.avatarAt(back.avatarPosition, back.avatarFacing)->collides());
            EXPECT_GT(Reach(world, back.avatarPosition, back.avatarFacing).count(), 1000u) << "room to walk";
        }
    }
}

TEST_F(WorldLayout, BoundaryWallsCloseEveryLevel)
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

TEST_F(WorldLayout, EverySelectionRuleAndExitCanBeReachedWithoutColliding)
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

TEST_F(WorldLayout, ConversationPartnersCanBeReachedBeforeAnyQuestIsDone)
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

TEST_F(WorldLayout, BarrierKeepsThePlayerOffTheBridgeUntilTheOfficerOpensIt)
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

TEST_F(WorldLayout, GapInTheBarrierLinesUpWithTheBridgeAndTheFences)
{
    const LevelWorld open = levelFourWithBarrierOpen();
    const Extent lower = outline(open.node("cBox1"));
    const Extent upper = outline(open.node("cBox2"));
    const float gapSouth = lower.maxZ, gapNorth = upper.minZ;
    EXPECT_GT(gapNorth - gapSouth, 3.0f);
    const Extent avatar = outline(*open.avatarAt({0, 0, 0}, open.avatar->facing));
    EXPECT_LT(avatar.maxZ - avatar.minZ, gapNorth - gapSouth - 1.0f) << "the avatar fits through with room";
    EXPECT_NEAR(lower.minX, upper.minX, 0.6f);

    const Extent bridge = drawnExtent(open.placement("bruecke"));
    EXPECT_LE(bridge.minZ, gapSouth);
    EXPECT_GE(bridge.maxZ, gapNorth);
    EXPECT_LE(bridge.minX, lower.maxX) << "the bridge starts at the barrier";
    EXPECT_GE(bridge.maxX, 188.0f);
    for (const char* fence : {"zaun1", "zaun2", "zaun3", "zaun4"}) {
        const Extent f = drawnExtent(open.placement(fence));
        SCOPED_TRACE(fence);
        EXPECT_TRUE(f.minZ >= gapNorth - 0.5f || f.maxZ <= gapSouth + 0.5f) << "fences leave the crossing open";
        EXPECT_GT(f.maxX, bridge.minX - 1.0f);
        EXPECT_LT(f.minX, bridge.maxX + 1.0f);
    }
}

TEST_F(WorldLayout, RiverShowsThroughTheGroundUnderTheBridge)
{
    const LevelWorld world(4);
    const Placement& water = world.placement("wasser");
    // The water grid spans x -4.5..13.3 and z -4.5..-2.7 before placing.
    const Matrix4 place = Matrix4()
                              .translate(water.position.x, water.position.y, water.position.z)
                              .scale(water.scale.x, water.scale.y, water.scale.z)
                              .rotateY(water.facing.headingTo(forwardReference));
    const Vector3 a = place.transformPoint({-4.5f, 0, -4.5f}), b = place.transformPoint({13.3f, 0, -2.7f});
    const Extent bridge = drawnExtent(world.placement("bruecke"));
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

TEST_F(WorldLayout, DialogPanelSitsBehindTheTextLines)
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

TEST_F(WorldLayout, HermitsSmokeRisesFromHisChimney)
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

TEST_F(WorldLayout, GroundCoversTheSquareAndHillsRiseOnlyOutsideIt)
{
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const LevelWorld world(level);
        const Extent ground = drawnExtent(world.placement("boden"));
        EXPECT_LT(ground.minX, -20.0f);
        EXPECT_LT(ground.minZ, -20.0f);
        EXPECT_GT(ground.maxX, 220.0f);
        EXPECT_GT(ground.maxZ, 220.0f);

        const Placement& hill = world.placement("huegel");
        const auto model = readWorldModel(hill.model);
        ASSERT_TRUE(model.has_value());
        const Matrix4 place = Matrix4()
                                  .translate(hill.position.x, hill.position.y, hill.position.z)
                                  .scale(hill.scale.x, hill.scale.y, hill.scale.z)
                                  .rotateY(headingOf(hill));
        int raisedInside = 0;
        for (const auto& v : model->vertices) {
            const Vector3 w = place.transformPoint({v[0], v[1], v[2]});
            if (w.y > 0.5f && w.x > -2.0f && w.x < 202.0f && w.z > -2.0f && w.z < 202.0f) {
                ++raisedInside;
            }
        }
        EXPECT_EQ(raisedInside, 0) << "the player walks on flat ground inside the walls";
    }
}
