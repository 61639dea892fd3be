#include "FlatJpeg.h"
#include "effects/LensFlare.h"
#include "model/TextureLoader.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iostream>
#include <sstream>

namespace {

// A camera at the origin looking down -z with the game's projection and
// lighting on as in the game, over a dark grey picture. The light is as far
// away as a level's sun; straight ahead it is in the window's centre.
void prepareView()
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

const Vector3 eye(0.0f, 0.0f, 0.0f);
const Vector3 target(0.0f, 0.0f, -10.0f);
const Vector3 light(0.0f, 0.0f, -600.0f);

// Where a world point shows in the window, in pixels from the bottom left.
std::array<int, 2> onScreen(const Vector3& p)
{
    double model[16], projection[16], x = 0, y = 0, z = 0;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    return {static_cast<int>(x), static_cast<int>(y)};
}

struct Trace {
    Trace() : previous(std::cout.rdbuf(text.rdbuf())) {}
    ~Trace() { std::cout.rdbuf(previous); }
    std::ostringstream text;
    std::streambuf* previous;
};

} // namespace

TEST(LensFlareGlTest, FlareBrightensThePictureAtTheLight)
{
    prepareView();
    const Vector3 sun(180.0f, 96.0f, -600.0f);
    const auto [x, y] = onScreen(sun);
    ASSERT_GT(x, 500); // up and to the right
    ASSERT_GT(y, 350);

    const auto before = GlTestWindow::pixel(x, y);
    LensFlare flare;
    {
        Trace trace;
        flare.render(eye, target, sun);
    }
    const auto atSun = GlTestWindow::pixel(x, y);
    const auto farCorner = GlTestWindow::pixel(5, 5);
    glDisable(GL_LIGHTING);

    for (int c = 0; c < 3; ++c) {
        EXPECT_GT(atSun[c], before[c] + 60) << c;
        EXPECT_EQ(farCorner[c], before[c]) << c;
    }
}

TEST(LensFlareGlTest, SceneryInFrontDoesNotHideTheFlare)
{
    prepareView();
    glDisable(GL_LIGHTING);
    glColor3f(0.0f, 0.0f, 0.5f);
    glBegin(GL_QUADS);
    glVertex3f(-5.0f, -5.0f, -20.0f);
    glVertex3f(5.0f, -5.0f, -20.0f);
    glVertex3f(5.0f, 5.0f, -20.0f);
    glVertex3f(-5.0f, 5.0f, -20.0f);
    glEnd();
    glEnable(GL_LIGHTING);
    const auto wall = GlTestWindow::pixel(400, 300);
    LensFlare flare;
    {
        Trace trace;
        flare.render(eye, target, light);
    }
    const auto centre = GlTestWindow::pixel(400, 300);
    glDisable(GL_LIGHTING);

    EXPECT_GT(centre[0], wall[0] + 60);
    EXPECT_GE(centre[2], wall[2]);
}

TEST(LensFlareGlTest, RenderLeavesBlendingOffDepthTestOnTexturingOff)
{
    prepareView();
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    LensFlare flare;
    {
        Trace trace;
        flare.render(eye, target, light);
    }
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDisable(GL_LIGHTING);
}

TEST(LensFlareGlTest, EachDrawnFrameTracesTheAngleTwice)
{
    prepareView();
    LensFlare flare;
    Trace trace;
    flare.render(eye, target, light);
    flare.render(eye, target, Vector3(0.0f, 0.0f, 10.0f)); // straight behind
    glDisable(GL_LIGHTING);
    EXPECT_EQ(trace.text.str(), "1: 0\n2: 0\n1: -180\n2: -6.28319\n");
}

namespace {

// The loader keeps each image for the whole run, so every test here that
// loads the flare images writes this same set: streaks white, the rest black.
void writeFlareImages(const ScratchDir& dir)
{
    const auto write = [&](const char* file, unsigned char level) {
        ASSERT_TRUE(writeFlatJpeg(dir.path() / "data/texture" / file, level, level, level));
    };
    write("gloh.jpg", 0);
    write("big_gloh.jpg", 0);
    write("halo.jpg", 0);
    write("streaks.jpg", 255);
}

} // namespace

TEST(LensFlareGlTest, ImagesShapeTheFlareStreaksAtTheLightOnly)
{
    ScratchDir dir;
    writeFlareImages(dir);
    prepareView();
    const Vector3 sun(180.0f, 96.0f, -600.0f);
    const auto placement = LensFlare::place(eye, target, sun);
    const auto sunPixel = onScreen(sun);
    // A large gloh ghost, 96.5 % of the way to the axis end, whose centre
    // shows beside the streaks square (half a side is 12 pixels there).
    const auto ghostPixel = onScreen(placement->elements[10].position);
    ASSERT_GT(std::abs(sunPixel[0] - ghostPixel[0]), 15);
    const auto sunBefore = GlTestWindow::pixel(sunPixel[0], sunPixel[1]);
    const auto ghostBefore = GlTestWindow::pixel(ghostPixel[0], ghostPixel[1]);

    LensFlare flare;
    flare.loadTextures();
    {
        Trace trace;
        flare.render(eye, target, sun);
    }
    const auto sunAfter = GlTestWindow::pixel(sunPixel[0], sunPixel[1]);
    const auto ghostAfter = GlTestWindow::pixel(ghostPixel[0], ghostPixel[1]);
    glDisable(GL_LIGHTING);

    // Black images add nothing; the white streaks brighten the light.
    EXPECT_GT(sunAfter[0], sunBefore[0] + 60);
    EXPECT_EQ(ghostAfter, ghostBefore);
}

TEST(LensFlareGlTest, ImagesAreBoundByTheirFixedIndex)
{
    ScratchDir dir;
    writeFlareImages(dir);
    prepareView();
    LensFlare flare;
    flare.loadTextures();
    const float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const Vector3 facing(0.0f, 0.0f, 1.0f);
    const char* names[] = {"./texture/gloh.jpg", "./texture/big_gloh.jpg", "./texture/halo.jpg",
                           "./texture/streaks.jpg"};
    for (int index = 0; index < 4; ++index) {
        flare.drawElement(index, light, 1.0f, colour, facing);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<unsigned int>(bound), loadTexture(names[index], 0, false)) << index;
    }
    // An index past the loaded images draws untextured instead of reading
    // beyond the list.
    flare.drawElement(4, light, 1.0f, colour, facing);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    glDisable(GL_LIGHTING);
}
