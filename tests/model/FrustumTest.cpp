#include "model/Frustum.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

void loadMatrices(const GLfloat* projection, const GLfloat* modelview)
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(modelview);
}

void expectPlane(const float* plane, float a, float b, float c, float d)
{
    EXPECT_NEAR(plane[0], a, 1e-6f);
    EXPECT_NEAR(plane[1], b, 1e-6f);
    EXPECT_NEAR(plane[2], c, 1e-6f);
    EXPECT_NEAR(plane[3], d, 1e-6f);
}

const GLfloat identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

} // namespace

TEST(FrustumTest, PlanesOfTheUnitCubeInTheirOrder)
{
    // Projection scales by 2, modelview moves by (1, 0, 0): the visible
    // region is x in (-1.5, -0.5), y and z in (-0.5, 0.5).
    const GLfloat projection[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    const GLfloat modelview[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    loadMatrices(projection, modelview);
    Frustum frustum;
    frustum.extract();
    expectPlane(frustum.planes[0], -1, 0, 0, -0.5f); // right: x < -0.5
    expectPlane(frustum.planes[1], 1, 0, 0, 1.5f);   // left: x > -1.5
    expectPlane(frustum.planes[2], 0, 1, 0, 0.5f);   // bottom
    expectPlane(frustum.planes[3], 0, -1, 0, 0.5f);  // top
    expectPlane(frustum.planes[4], 0, 0, -1, 0.5f);  // far
    expectPlane(frustum.planes[5], 0, 0, 1, 0.5f);   // near

    EXPECT_TRUE(frustum.pointInside(Vector3(-1, 0, 0)));
    EXPECT_FALSE(frustum.pointInside(Vector3(-0.5f, 0, 0))); // on the right plane
    EXPECT_FALSE(frustum.pointInside(Vector3(-1, 0.5f, 0))); // on the top plane
    EXPECT_TRUE(frustum.pointInside(Vector3(-1, 0.49f, -0.49f)));
    EXPECT_FALSE(frustum.pointInside(Vector3(0, 0, 0)));
}

TEST(FrustumTest, ABoxIsInsideWhenAnyOfItsPointsIs)
{
    loadMatrices(identity, identity);
    Frustum frustum;
    frustum.extract();
    Vector3 points[8];
    for (int i = 0; i < 8; ++i) {
        points[i].set(i < 4 ? -3.0f : 3.0f, (i % 2) ? -3.0f : 3.0f, (i % 4 < 2) ? -3.0f : 3.0f);
    }
    // Spans the whole view with every corner outside: still seen.
    EXPECT_TRUE(frustum.boxInside(points));
    points[5].set(0.9f, 0.9f, 0.9f);
    EXPECT_TRUE(frustum.boxInside(points));
    // A node without a box is tested at the origin eight times.
    const Vector3 origin[8] = {};
    EXPECT_TRUE(frustum.boxInside(origin));
}

TEST(FrustumTest, PerspectiveViewSeesAheadButNotBehind)
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(10, 2, 10, 10, 2, 0, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Frustum frustum;
    frustum.extract();
    EXPECT_TRUE(frustum.pointInside(Vector3(10, 2, -50)));
    EXPECT_FALSE(frustum.pointInside(Vector3(10, 2, 20)));     // behind the eye
    EXPECT_FALSE(frustum.pointInside(Vector3(10, 2, 9.5f)));   // nearer than the near plane
    EXPECT_FALSE(frustum.pointInside(Vector3(10, 2, -5000)));  // beyond the far plane
    EXPECT_FALSE(frustum.pointInside(Vector3(200, 2, -50)));   // far off to the right
    EXPECT_TRUE(frustum.pointInside(Vector3(25, 2, -50)));
}
