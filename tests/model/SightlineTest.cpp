// The camera's eye in front of an obstacle between it and the figure, and back out when the way is clear.
#include "model/Camera.h"
#include "model/Sightline.h"

#include <gtest/gtest.h>

namespace {

TEST(SightlineTest, TheEyeMovesInFrontOfAnObstacleAtOnceAndBackOutInASecondToExactlyItsPlace)
{
    // A wall turned across the line from the figure's feet to the camera and
    // stretched to 8 wide, as a level places it, halfway between them.
    ModelNode wall;
    wall.drawnLow.set(-0.25f, 0.0f, -2.0f);
    wall.drawnHigh.set(0.25f, 3.0f, 2.0f);
    wall.scale.set(2.0f, 1.0f, 1.0f);
    wall.heading = 90.0f;
    wall.position.set(10.0f, 0.0f, 10.0f);
    std::vector<ModelNode*> obstacles{&wall};
    Camera camera;
    camera.obstacles = &obstacles;
    camera.target.set(10.0f, 1.0f, 5.0f);
    camera.position.set(10.0f, 2.0f, 15.0f);

    Vector3 eye = camera.eye();
    EXPECT_FALSE(insideDrawnBox(wall, eye));
    EXPECT_NEAR(eye.z, 9.25f, 0.01f); // in front of the wall's near face, half a unit
    EXPECT_NEAR(eye.x, 10.0f, 1e-5f);
    EXPECT_NEAR(eye.y, 1.425f, 0.01f); // on the line to the target
    // The wall aside: the eye goes back out at an even pace, then stands exactly where it was.
    camera.moveOut(0.05f); // a frame with the wall
    wall.position.set(30.0f, 0.0f, 10.0f);
    camera.moveOut(0.5f);
    EXPECT_NEAR(camera.eye().z, eye.z + 0.5f * 10.0f, 1e-4f);
    camera.moveOut(0.5f);
    eye = camera.eye();
    EXPECT_TRUE(eye.x == 10.0f && eye.y == 2.0f && eye.z == 15.0f) << eye.x << " " << eye.y << " " << eye.z;
    // A box the feet stand in hides nothing.
    wall.position.set(10.0f, 0.0f, 5.0f);
    eye = camera.eye();
    EXPECT_TRUE(eye.x == 10.0f && eye.y == 2.0f && eye.z == 15.0f);
}

} // namespace
