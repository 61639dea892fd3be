#include "game/TextStyle.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool isYellow(const std::array<unsigned char, 4>& p)
{
    return p[0] > 100 && p[1] > 100 && p[2] < 30;
}

} // namespace

TEST(TextStyleTest, UnchangedStylePrintsYellowHelvetica)
{
    const TextStyle style;
    EXPECT_EQ(style.font, GLUT_BITMAP_HELVETICA_12);
    EXPECT_EQ(style.red, 1.0f);
    EXPECT_EQ(style.green, 1.0f);
    EXPECT_EQ(style.blue, 0.0f);
}

TEST(TextStyleTest, TextAtThirtyFromTheTopLandsOnThatRow)
{
    GlTestWindow::ensure();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const TextStyle style;
    style.print(style.font, "MMMM", 100, 30);

    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    EXPECT_EQ(raster[1], 570.0f);
    EXPECT_GT(raster[0], 130.0f); // advanced past four capitals

    int lowest = 600, highest = -1, columns = 0;
    for (int y = 0; y < 600; y += 1) {
        for (int x = 90; x < 200; x += 1) {
            if (isYellow(GlTestWindow::pixel(x, y))) {
                lowest = std::min(lowest, y);
                highest = std::max(highest, y);
                ++columns;
            }
        }
    }
    EXPECT_GT(columns, 20);
    EXPECT_GE(lowest, 569); // capitals sit on the baseline ...
    EXPECT_LE(highest, 582); // ... and are about nine pixels tall
}

TEST(TextStyleTest, PrintLeavesMatricesAsFoundAndDepthAndLightingOn)
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(3, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 4, 0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);

    TextStyle style;
    style.font = GLUT_BITMAP_TIMES_ROMAN_24;
    style.red = style.green = style.blue = 0.0f;
    style.print(style.font, "Leider nichts zum anschauen", 10, 50);

    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_EQ(m[12], 3.0f);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[13], 4.0f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    glLoadIdentity();
    glDisable(GL_LIGHTING);

    // Bytes above 127 and an absent text are harmless.
    style.print(style.font, "Gr\xfc\xdf", 10, 50);
    style.print(style.font, nullptr, 10, 50);
}
