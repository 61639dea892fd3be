#include "effects/LensFlare.h"
#include "scene/Matrix4.h"
#include "support/GlTestWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The point k of the way from a to b.
Vector3 between(const Vector3& a, const Vector3& b, float k)
{
    return {a.x + k * (b.x - a.x), a.y + k * (b.y - a.y), a.z + k * (b.z - a.z)};
}

void expectNear(const Vector3& v, const Vector3& expected, float tolerance = 1e-3f)
{
    EXPECT_NEAR(v.distanceTo(expected.x, expected.y, expected.z), 0.0f, tolerance);
}

TEST(LensFlareTest, ThreeSquaresSitOnTheLightAndThirteenOnTheWayToTheSwungAxisEnd)
{
    // Straight ahead the axis end is the eye; the ghosts lie 91 to 99 % of the way there.
    const Vector3 eye(1, 2, 3), light(1, 2, -97);
    auto placement = LensFlare::place(eye, Vector3(1, 2, -7), light);
    ASSERT_TRUE(placement);
    EXPECT_FLOAT_EQ(placement->angle, 0.0f);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(placement->elements[i].texture, (std::array{3, 1, 0})[i]); // streaks, big_gloh, gloh
        expectNear(placement->elements[i].position, light, 1e-6f);
    }
    expectNear(placement->elements[3].position, between(light, eye, 0.91f));
    expectNear(placement->elements[14].position, between(light, eye, 0.99f));

    // Light 5 up and 10 right of a level view: sin e = 1/3, so the base point
    // is a sixth of the way to the target, turned about the eye by twice the
    // angle between view and light, acos(2/3).
    const Vector3 target(0, 0, -10), side(10, 5, -10);
    placement = LensFlare::place(Vector3(), target, side);
    const float angle = static_cast<float>(std::acos(2.0 / 3.0) * 180.0 / M_PI);
    EXPECT_NEAR(placement->angle, angle, 1e-3f);
    const Vector3 axisEnd = Matrix4().rotateY(2 * angle).transformPoint(between(Vector3(), target, 1.0f / 6));
    expectNear(placement->elements[15].position, between(side, axisEnd, 0.95f));

    EXPECT_NEAR(LensFlare::place(Vector3(), target, Vector3(-10, 5, -10))->angle, -angle, 1e-3f); // mirrored
    const auto above = LensFlare::place(Vector3(), Vector3(0, 0, -1), Vector3(0, 1e6f, 0));
    for (const FlareElement& e : above->elements) {
        EXPECT_TRUE(std::isfinite(e.position.x + e.position.y + e.position.z)) << "light straight above";
    }
    EXPECT_FALSE(LensFlare::place(eye, Vector3(3, 4, -5), eye)) << "eye on the light";
    EXPECT_FALSE(LensFlare::place(eye, eye, light)) << "eye on the target";
}

TEST(LensFlareTest, TheFlareBrightensThePictureAtTheLightThroughScenery)
{
    // The game's view from the origin down -z over dark grey, lighting on;
    // the sun as far away as a level's, up and to the right (at 617, 415 in
    // the window), behind a wall 2 ahead, nearer than any part of the flare.
    GlTestWindow::ensure();
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 0.5f);
    glTranslatef(0, 0, -2);
    glRectf(0.4f, 0.2f, 0.8f, 0.45f);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    const auto wall = GlTestWindow::pixel(617, 415);
    const auto grey = GlTestWindow::pixel(5, 5);
    LensFlare flare;
    flare.render(Vector3(), Vector3(0, 0, -10), Vector3(180, 96, -600));
    EXPECT_GT(GlTestWindow::pixel(617, 415)[0], wall[0] + 60) << "the wall does not hide the flare";
    EXPECT_EQ(GlTestWindow::pixel(5, 5), grey) << "nothing far from the flare";
    glDisable(GL_LIGHTING);
}

} // namespace
