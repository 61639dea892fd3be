#include "effects/LensFlare.h"
#include "model/TextureLoader.h"
#include "scene/Matrix4.h"
#include "support/FlatJpeg.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

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
    EXPECT_NEAR(v.x, expected.x, tolerance);
    EXPECT_NEAR(v.y, expected.y, tolerance);
    EXPECT_NEAR(v.z, expected.z, tolerance);
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

    const auto left = LensFlare::place(Vector3(), target, Vector3(-10, 5, -10)); // mirrored
    EXPECT_NEAR(left->angle, -angle, 1e-3f);
    EXPECT_NEAR(left->elements[15].position.x, -placement->elements[15].position.x, 1e-3f);

    EXPECT_FLOAT_EQ(LensFlare::place(Vector3(), target, Vector3(0, 0, 10))->angle, -180.0f); // straight behind
    const auto above = LensFlare::place(Vector3(), Vector3(0, 0, -1), Vector3(0, 1e6f, 0));
    for (const FlareElement& e : above->elements) {
        EXPECT_TRUE(std::isfinite(e.position.x + e.position.y + e.position.z)) << "light straight above";
    }
    EXPECT_FALSE(LensFlare::place(eye, Vector3(3, 4, -5), eye)) << "eye on the light";
    EXPECT_FALSE(LensFlare::place(eye, eye, light)) << "eye on the target";
}

// A camera at the origin looking down -z as the game's, over dark grey, with
// lighting on; the light as far away as a level's sun.
class LensFlareGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
    }
    void TearDown() override { glDisable(GL_LIGHTING); }

    // Renders the flare and returns its trace.
    std::string render(const Vector3& light)
    {
        testing::internal::CaptureStdout();
        flare.render(Vector3(), target, light);
        return testing::internal::GetCapturedStdout();
    }
    static std::array<int, 2> onScreen(const Vector3& p)
    {
        double model[16], projection[16], x = 0, y = 0, z = 0;
        const GLint viewport[4] = {0, 0, 800, 600};
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
        return {static_cast<int>(x), static_cast<int>(y)};
    }

    const Vector3 target{0, 0, -10};
    const Vector3 sun{180, 96, -600}; // up and to the right
    LensFlare flare;
};

TEST_F(LensFlareGlTest, TheFlareBrightensThePictureAtTheLightThroughSceneryAndTracesItsAngle)
{
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 0.5f);
    glBegin(GL_QUADS); // a wall in front of a light straight ahead
    glVertex3f(-5, -5, -20);
    glVertex3f(5, -5, -20);
    glVertex3f(5, 5, -20);
    glVertex3f(-5, 5, -20);
    glEnd();
    glEnable(GL_LIGHTING);
    const auto [x, y] = onScreen(sun);
    const auto grey = GlTestWindow::pixel(x, y);
    const auto wall = GlTestWindow::pixel(400, 300);
    render(sun);
    EXPECT_GT(GlTestWindow::pixel(x, y)[0], grey[0] + 60);
    EXPECT_EQ(render(Vector3(0, 0, -600)) + render(Vector3(0, 0, 10)), "1: 0\n2: 0\n1: -180\n2: -6.28319\n");
    EXPECT_GT(GlTestWindow::pixel(400, 300)[0], wall[0] + 60) << "the wall does not hide the flare";
    EXPECT_EQ(GlTestWindow::pixel(5, 5), grey) << "nothing far from the flare";
}

TEST_F(LensFlareGlTest, ItsImagesAreBoundByTheirFixedIndexAndShapeIt)
{
    ScratchDir dir; // streaks white, the other images black
    for (const char* file : {"gloh.jpg", "big_gloh.jpg", "halo.jpg", "streaks.jpg"}) {
        const unsigned char level = std::string(file) == "streaks.jpg" ? 255 : 0;
        ASSERT_TRUE(writeFlatJpeg(dir.path() / "data/texture" / file, level, level, level));
    }
    flare.loadTextures();
    const float white[4] = {1, 1, 1, 1};
    const char* names[] = {"./texture/gloh.jpg", "./texture/big_gloh.jpg", "./texture/halo.jpg", "./texture/streaks.jpg"};
    for (int index = 0; index < 5; ++index) { // past the loaded images: untextured
        flare.drawElement(index, Vector3(0, 0, -600), 1, white, Vector3(0, 0, 1));
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<unsigned int>(bound), index < 4 ? loadTexture(names[index], 0, false) : 0u) << index;
    }
    glClear(GL_COLOR_BUFFER_BIT);
    const auto [x, y] = onScreen(sun);
    const auto [gx, gy] = onScreen(LensFlare::place(Vector3(), target, sun)->elements[10].position);
    ASSERT_GT(std::abs(x - gx), 15) << "a large gloh ghost beside the streaks";
    const auto ghost = GlTestWindow::pixel(gx, gy);
    render(sun);
    EXPECT_GT(GlTestWindow::pixel(x, y)[0], 51 + 60);
    EXPECT_EQ(GlTestWindow::pixel(gx, gy), ghost) << "black images add nothing";
}

} // namespace
