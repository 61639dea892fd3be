#include "model/Actor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The box load would build for an outline from (x0, z0) to (x1, z1) about
// the node's position, turned by `heading`.
void giveBox(ModelNode& node, float x0, float z0, float x1, float z1, float heading = 0)
{
    const float xs[4] = {x0, x0, x1, x1}, zs[4] = {z0, z1, z1, z0};
    for (int i = 0; i < 4; ++i) {
        const Vector3& p = node.position;
        Vector3 d = Vector3::subtract(xs[i], i < 2 ? 0 : 2, zs[i], p.x, p.y, p.z);
        node.box.cornerDist[i] = std::hypot(d.x, d.y, d.z);
        node.box.cornerDir[i] = node.box.cornerDist[i] > 0 ? (d.normalize(), d) : d;
    }
    node.rotateBox(heading);
}

// An actor whose outline is a small square about (x, z).
bool collidesAt(float x, float z, const std::vector<ModelNode*>& obstacles)
{
    Actor actor;
    actor.position.set(x, 0, z);
    giveBox(actor, x - 0.1f, z - 0.1f, x + 0.1f, z + 0.1f);
    actor.obstacles = &obstacles;
    return actor.collides();
}

TEST(ActorTest, OutlinesCollideOnlyWithAPointStrictlyInsideAnObstacle)
{
    ModelNode wall, post;
    giveBox(wall, 0, 0, 10, 10);
    post.position.set(30, 0, 0);
    giveBox(post, 25, -5, 35, 5, 45); // a diamond with tips 7.07 from its centre
    const std::vector<ModelNode*> obstacles{&wall, &post};
    const struct { float x, z; bool collides; } cases[] = {{9.5f, 0.5f, true}, {10.5f, 5, false}, {5, -0.5f, false},
        {-0.15f, 5, false}, {29, 1, true}, {32, -3, true}, {25, 5, false}, {35, -5, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(collidesAt(c.x, c.z, obstacles), c.collides) << c.x << ", " << c.z;
    }
    EXPECT_FALSE(Actor::insideBox(wall, 0, 5)) << "on the edge";
    EXPECT_TRUE(Actor::insideBox(wall, 0.01f, 5));

    // Probing moves the box, not the actor: facing -Z, right is +X and back is +Z.
    Actor walker;
    walker.position.set(-1, 0, 5);
    giveBox(walker, -2, 4, 0, 6);
    walker.direction.set(0, 0, -1);
    walker.obstacles = &obstacles;
    walker.box.corner[2].x = walker.box.corner[3].x = 0; // exactly on the wall's edge
    walker.updateBoxPoints();
    EXPECT_FALSE(walker.collides()) << "edge on edge";
    walker.probeRight(1.5f);
    EXPECT_TRUE(walker.collides());
    EXPECT_EQ(walker.position.x, -1);
    walker.probeBack(3);
    EXPECT_NEAR(walker.box.points[0].z, 7, 1e-4f);
    EXPECT_NEAR(walker.box.points[0].x, -2, 1e-4f);
    walker.obstacles = nullptr;
    EXPECT_FALSE(walker.collides());
}

} // namespace
