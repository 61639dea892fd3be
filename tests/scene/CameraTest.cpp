#include "app/Host.h"
#include "scene/Camera.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectNear(const Vector3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

struct CameraTest : testing::Test {
    ManualHost host;
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
    }
    void TearDown() override { Host::install(nullptr); }

    static Matrix4 projection()
    {
        Matrix4 p;
        glGetFloatv(GL_PROJECTION_MATRIX, p.m);
        return p;
    }
};

} // namespace

TEST_F(CameraTest, NewCameraLooksDownMinusZFromTheOrigin)
{
    Camera camera;
    expectNear(camera.position, 0, 0, 0);
    expectNear(camera.target, 0, 1, -10);
    expectNear(camera.up, 0, 1, 0);
    expectNear(camera.getViewDirection(), 0, 1, -10);
    expectNear(camera.getOffset(), 0, -1, 10);
}

TEST_F(CameraTest, ApplyPutsTheViewIntoTheProjection)
{
    Camera camera;
    camera.target.set(0, 0, -10);
    camera.apply();
    Matrix4 p = projection();
    // Looking straight down -Z: the x scale is the y scale over the aspect.
    EXPECT_NEAR(p.m[0] / p.m[5], 600.0f / 800.0f, 1e-5f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[0], 1.0f);

    // A point in front of the eye lands in the middle of the view.
    const Vector3 clip = p.transformPoint(Vector3(0, 0, -50));
    EXPECT_NEAR(clip.x, 0.0f, 1e-5f);
    EXPECT_NEAR(clip.y, 0.0f, 1e-5f);

    host.setWindowSize(800, 0);
    camera.apply();
    p = projection();
    EXPECT_TRUE(std::isfinite(p.m[0]));
    EXPECT_NEAR(p.m[0] / p.m[5], 1.0f / 800.0f, 1e-6f);
}

TEST_F(CameraTest, OrbitTurnsTheEyeAboutTheTarget)
{
    Camera camera;
    camera.position.set(0, 3, 10);
    camera.target.set(0, 0, 0);
    camera.orbit(90);
    expectNear(camera.position, -10, 3, 0);
    expectNear(camera.target, 0, 0, 0);

    camera.target.set(5, 0, 5);
    camera.position.set(5, 0, 8);
    camera.orbit(-90);
    expectNear(camera.position, 8, 0, 5);
}

TEST_F(CameraTest, RaiseStaysStrictlyBetweenOneAndFifty)
{
    Camera camera;
    camera.position.set(0, 10, 0);
    camera.target.set(0, 10, -10);
    camera.raise(30);
    EXPECT_NEAR(camera.position.y, 15.0f, 1e-4f);
    camera.position.set(0, 5, 0);
    camera.target.set(0, 5, -10);
    camera.raise(-90); // would go down to the ground
    EXPECT_EQ(camera.position.y, 5.0f);

    camera.position.set(0, 0.5f, 0);
    camera.target.set(0, 0.5f, -0.5f);
    camera.raise(90); // exactly 1.0
    EXPECT_EQ(camera.position.y, 0.5f);

    camera.position.set(0, 49.5f, 0);
    camera.target.set(0, 49.5f, -0.5f);
    camera.raise(90); // exactly 50.0
    EXPECT_EQ(camera.position.y, 49.5f);
    camera.raise(-90);
    EXPECT_EQ(camera.position.y, 49.0f);
    expectNear(camera.target, 0, 49.5f, -0.5f);
}

TEST_F(CameraTest, StrafeMovesToTheLeftAndTranslateMovesBoth)
{
    Camera camera;
    camera.position.set(0, 2, 0);
    camera.target.set(0, 2, -10);
    camera.strafe(3);
    expectNear(camera.position, -3, 2, 0);
    expectNear(camera.target, -3, 2, -10);
    camera.strafe(-3);
    expectNear(camera.position, 0, 2, 0);

    camera.translate(1, 2, 3);
    expectNear(camera.position, 1, 4, 3);
    expectNear(camera.target, 1, 4, -7);
}

TEST_F(CameraTest, LinkedCameraCarriesItsTargetAlong)
{
    Camera camera;
    camera.target.set(0, 0, -10);
    camera.draw(Matrix4().translate(2, 0, 0));
    expectNear(camera.target, 2, 0, -10);
    camera.hidden = true;
    camera.draw(Matrix4().translate(2, 0, 0));
    expectNear(camera.target, 2, 0, -10);
}
