#include "scene/Actor.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Gives a node the box that load would build for an outline from
// (x0, z0) to (x1, z1) around its position, turned by heading.
void giveBox(ModelNode& node, float x0, float z0, float x1, float z1, float heading = 0.0f)
{
    const Vector3& p = node.position;
    node.box.corner[0].set(x0, 0, z0);
    node.box.corner[1].set(x0, 0, z1);
    node.box.corner[2].set(x1, 2, z1);
    node.box.corner[3].set(x1, 2, z0);
    for (int i = 0; i < 4; ++i) {
        const Vector3& c = node.box.corner[i];
        Vector3 d = Vector3::subtract(c.x, c.y, c.z, p.x, p.y, p.z);
        node.box.cornerDist[i] = std::hypot(d.x, d.y, d.z);
        if (node.box.cornerDist[i] > 0.0f) {
            d.normalize();
        }
        node.box.cornerDir[i] = d;
    }
    node.rotateBox(heading);
}

// An actor whose whole outline is a small square around (x, z).
std::unique_ptr<Actor> actorAt(float x, float z, const std::vector<ModelNode*>* obstacles)
{
    auto actor = std::make_unique<Actor>();
    actor->position.set(x, 0, z);
    giveBox(*actor, x - 0.1f, z - 0.1f, x + 0.1f, z + 0.1f);
    actor->obstacles = obstacles;
    return actor;
}

void expectNear(const Vector3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

} // namespace

TEST(ActorTest, MoveUsesOnlyTheGroundPartOfTheDirection)
{
    Actor actor;
    actor.position.set(1, 2, 3);
    actor.move(2, Vector3(0, 5, 0));
    expectNear(actor.position, 1, 2, 3);
    actor.move(1, Vector3(3, 0, 4));
    expectNear(actor.position, 1.6f, 2, 3.8f);
    actor.move(1, Vector3(0, 0, 0));
    expectNear(actor.position, 1.6f, 2, 3.8f);
}

TEST(ActorTest, ProbesMoveTheBoxButNotTheActor)
{
    Actor actor;
    actor.position.set(5, 0, 5);
    giveBox(actor, 4, 4, 6, 6);
    actor.direction.set(0, 0, -1); // facing -Z: right is +X, back is +Z
    actor.probeRight(2);
    expectNear(actor.position, 5, 0, 5);
    expectNear(actor.box.points[0], 6, 0, 4);
    expectNear(actor.box.points[6], 8, 2, 6);
    actor.probeBack(3);
    expectNear(actor.box.points[0], 4, 0, 7);
    actor.probeRight(-1); // to the left
    expectNear(actor.box.points[2], 5, 0, 6);
}

TEST(ActorTest, CollidesWithNoObstaclesIsFalse)
{
    auto alone = actorAt(0, 0, nullptr);
    EXPECT_FALSE(alone->collides());
    const std::vector<ModelNode*> none;
    auto empty = actorAt(0, 0, &none);
    EXPECT_FALSE(empty->collides());
}

TEST(ActorTest, AxisAlignedBoxesCountOnlyPointsStrictlyInside)
{
    ModelNode wall;
    giveBox(wall, 0, 0, 10, 10);
    const std::vector<ModelNode*> obstacles = {&wall};

    // An outline set exactly, its right edge on the wall's edge x = 0.
    Actor touching;
    touching.obstacles = &obstacles;
    touching.box.corner[0].set(-2, 0, 3);
    touching.box.corner[1].set(-2, 0, 5);
    touching.box.corner[2].set(0, 2, 5);
    touching.box.corner[3].set(0, 2, 3);
    touching.updateBoxPoints();
    EXPECT_FALSE(touching.collides());
    EXPECT_FALSE(Actor::insideBox(wall, 0.0f, 5.0f));
    EXPECT_TRUE(Actor::insideBox(wall, 0.01f, 5.0f));
    EXPECT_FALSE(Actor::insideBox(wall, 5.0f, 10.0f));

    touching.box.corner[2].x = 0.01f;
    touching.updateBoxPoints();
    EXPECT_TRUE(touching.collides());

    EXPECT_TRUE(actorAt(9.5f, 0.5f, &obstacles)->collides());
    EXPECT_FALSE(actorAt(10.5f, 5, &obstacles)->collides());
    EXPECT_FALSE(actorAt(5, -0.5f, &obstacles)->collides());

    // Probing towards the wall finds it; the actor itself stays where it was.
    auto walker = actorAt(-1, 5, &obstacles);
    walker->direction.set(0, 0, -1); // facing -Z: right is +X
    walker->probeRight(0.5f);
    EXPECT_FALSE(walker->collides());
    walker->probeRight(1.5f);
    EXPECT_TRUE(walker->collides());
    EXPECT_EQ(walker->position.x, -1.0f);
}

TEST(ActorTest, TurnedBoxesUseTheEdgeSide)
{
    // A square of side 10 turned by 45 degrees: a diamond with tips 7.07
    // from the centre on the axes.
    ModelNode post;
    giveBox(post, -5, -5, 5, 5, 45.0f);
    const std::vector<ModelNode*> obstacles = {&post};
    EXPECT_NEAR(post.box.points[0].x, -7.0711f, 1e-3f);

    EXPECT_TRUE(actorAt(-1, 1, &obstacles)->collides());
    EXPECT_TRUE(actorAt(2, -3, &obstacles)->collides());
    EXPECT_FALSE(actorAt(-5, 5, &obstacles)->collides()); // beside the edge, outside
    EXPECT_FALSE(actorAt(5, -5, &obstacles)->collides());
    EXPECT_FALSE(actorAt(20, 0, &obstacles)->collides());
}

TEST(ActorTest, DrawFollowingStandsInFrontOfTheCarrier)
{
    GlTestWindow::ensure();
    Actor carried;
    carried.followDistance = 5;
    Actor hanging;
    hanging.position.set(0.5f, 0, 0);
    carried.addChild(&hanging);

    Matrix4 motion;
    motion.m[12] = 1;
    motion.m[14] = -2;
    carried.drawFollowing(motion, Vector3(0, 0, -2), Vector3(1, 0, 1));
    expectNear(carried.position, 1, 0, -4);
    EXPECT_NEAR(carried.heading, 0.0f, 1e-4f);
    expectNear(carried.direction, 0, 0, -1);
    // The hanging object takes the carrier's heading and this frame's motion.
    EXPECT_NEAR(hanging.heading, 0.0f, 1e-4f);
    expectNear(hanging.position, 1.5f, 0, -2);

    carried.drawFollowing(motion, Vector3(3, 0, 0), Vector3(0, 0, 0));
    expectNear(carried.position, 5, 0, 0);
    EXPECT_NEAR(carried.heading, 270.0f, 1e-3f);
    EXPECT_NEAR(hanging.heading, 270.0f, 1e-3f);

    // Hidden: neither it nor what hangs on it moves.
    carried.hidden = true;
    carried.drawFollowing(motion, Vector3(0, 0, 1), Vector3(0, 0, 0));
    expectNear(carried.position, 5, 0, 0);
    expectNear(hanging.position, 2.5f, 0, -4);

    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[12], 0.0f);
}

TEST(ActorTest, HiddenAttachedObjectsStayPutAndCommandsStopAtActors)
{
    GlTestWindow::ensure();
    Actor bag;
    bag.hidden = true;
    Matrix4 motion;
    motion.m[12] = 4;
    bag.drawAttached(motion, 90.0f);
    expectNear(bag.position, 0, 0, 0);
    EXPECT_EQ(bag.heading, 0.0f);

    bag.motion[1].m[13] = 7;
    bag.resetMotion();
    EXPECT_EQ(bag.motion[1].m[13], 0.0f);
}
