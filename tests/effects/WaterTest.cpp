#include "effects/WaterSurface.h"
#include "support/GlTestWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

TEST(WaterTest, TheRiverIsTranslucentBlueWhereTheBridgeLevelPutsIt)
{
    GlTestWindow::ensure();
    WaterSurface water; // 90 wide along z, from x = 135 to 225
    water.position = Vector3(0, -2, 120);
    water.scale = Vector3(50, 1, 90);
    water.heading = Vector3(1, 0, 0).headingTo(Vector3(0, 0, -1));
    water.hidden = true; // the water does not look at it
    glClearColor(1, 0, 0, 1); // red ground
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION); // 100 above the middle of the river
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(180, 100, 516, 180, -2, 516, 0, 0, -1);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    const int slides = WaterSurface::grid.slideCounter;
    water.draw(Matrix4());
    glDisable(GL_LIGHTING);
    EXPECT_EQ(WaterSurface::grid.slideCounter, slides + 1) << "one frame of its animation";
    const auto middle = GlTestWindow::pixel(400, 300);
    EXPECT_TRUE(middle[0] > 20 && middle[0] < 100 && middle[2] > 150) << "blue with the ground showing through";
    EXPECT_EQ(GlTestWindow::pixel(5, 300), (std::array<unsigned char, 4>{255, 0, 0, 255})) << "bare ground beside it";
}

} // namespace
