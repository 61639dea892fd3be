#include "model/Camera.h"
#include "platform/Host.h"
#include "scene/Matrix4.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <array>
#include <functional>

namespace {

// An affine transform with every element different, to catch index mix-ups.
Matrix4 sample()
{
    Matrix4 m;
    std::ranges::copy(std::array{0.8f, 0.1f, -0.3f, 0.f, -0.2f, 1.1f, 0.4f, 0.f, 0.5f, -0.6f, 0.9f, 0.f, 3.f, -2.f, 7.5f, 1.f}, m.m);
    return m;
}

// OpenGL's own matrix stack is the reference for the software transforms.
TEST(MathTest, TransformsAndProductsMatchOpenGLAndHeadingsTurnTheModelOntoItsDirection)
{
    GlTestWindow::ensure();
    const Matrix4 other = sample().rotateY(50).translate(-1, 2, 0.5f);
    const struct {
        const char* what;
        std::function<Matrix4()> software;
        std::function<void()> gl; // applied to sample() on the GL stack
    } cases[] = {
        {"translate, rotate, scale", [] { return sample().translate(1.5f, -2, 4).rotateY(37).scale(2, 3, 0.5f).rotateY(-120); },
         [] { glTranslatef(1.5f, -2, 4), glRotatef(37, 0, 1, 0), glScalef(2, 3, 0.5f), glRotatef(-120, 0, 1, 0); }},
        {"large angle", [] { return sample().rotateY(725); }, [] { glRotatef(725, 0, 1, 0); }},
        {"post-multiply", [&] { Matrix4 m = sample(); m.postMultiply(other); return m; }, [&] { glMultMatrixf(other.m); }},
        {"pre-multiply", [&] { Matrix4 m = sample(); m.preMultiply(other); return m; },
         [&] { glLoadMatrixf(other.m), glMultMatrixf(sample().m); }},
        {"squared", [] { Matrix4 m = sample(); m.preMultiply(m); return m; }, [] { glMultMatrixf(sample().m); }},
    };
    for (const auto& c : cases) {
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(sample().m);
        c.gl();
        Matrix4 reference;
        glGetFloatv(GL_MODELVIEW_MATRIX, reference.m);
        const Matrix4 software = c.software();
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(software[i], reference[i], 1e-4f) << c.what << ", index " << i;
        }
    }
    glLoadIdentity();

    // A heading turns the model's forward (0, 0, -1) onto its direction.
    const Vector3 forward(0, 0, -1);
    for (int degrees = 3; degrees < 360; degrees += 10) {
        Vector3 direction(-4 * std::sin(degrees * 0.0174533f), 0, -4 * std::cos(degrees * 0.0174533f));
        const float heading = direction.headingTo(forward);
        EXPECT_NEAR(heading, degrees, 1e-3f);
        EXPECT_FLOAT_EQ(direction.normalize(), 4);
        const Vector3 turned = Matrix4().rotateY(heading).transformPoint(forward);
        EXPECT_NEAR(turned.distanceTo(direction.x, direction.y, direction.z), 0, 1e-3f) << degrees;
    }
}

TEST(MathTest, TheCameraKeepsBetweenOneAndFiftyAboveTheGroundAndAFiniteAspect)
{
    GlTestWindow::ensure();
    ManualHost host;
    Host::install(&host);
    Camera camera;
    const struct {
        float y, reach, degrees, expected; // the target at the camera's height, `reach` ahead
    } raises[] = {{10, 10, 30, 15}, {5, 10, -90, 5}, {0.5f, 0.5f, 90, 0.5f}, {49.5f, 0.5f, 90, 49.5f}, {49.5f, 0.5f, -90, 49}};
    for (const auto& r : raises) {
        camera.position.set(0, r.y, 0);
        camera.target.set(0, r.y, -r.reach);
        camera.raise(r.degrees);
        EXPECT_NEAR(camera.position.y, r.expected, 1e-4f) << r.y << " by " << r.degrees;
    }
    host.setWindowSize(800, 0); // minimised
    camera.position.set(0, 0, 0);
    camera.target.set(0, 0, -10);
    camera.apply();
    GLfloat p[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    EXPECT_NEAR(p[0] / p[5], 1.0f / 800.0f, 1e-6f);
    Host::install(nullptr);
}

} // namespace
