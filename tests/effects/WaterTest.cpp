#include "effects/WaterSurface.h"
#include "support/FlatJpeg.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(WaterTest, TheWaveMovesARowEverySecondFrameAndTheLowerLayerSlidesBackAndForth)
{
    auto grid = std::make_unique<WaterGrid>(); // two layers of 900 vertices: not on the stack
    grid->fill();
    const auto start = std::make_unique<WaterGrid>(*grid);
    for (int frame = 1; frame <= 3; ++frame) {
        grid->waveStep(); // the first shift comes with the third frame
        EXPECT_EQ(grid->upperLayer[5][1], start->upperLayer[frame < 3 ? 5 : 15][1]) << frame;
    }
    for (int frame = 0; frame < 2 * 44; ++frame) {
        grid->waveStep();
    }
    for (int v = 0; v < WaterGrid::vertexCount; ++v) { // 45 shifts bring the wave round
        ASSERT_NEAR(grid->upperLayer[v][1], start->upperLayer[v][1], 1e-5f) << v;
        ASSERT_EQ(grid->upperLayer[v][0], start->upperLayer[v][0]);
    }

    for (int frame = 0; frame < 1001; ++frame) {
        grid->slideStep();
    }
    EXPECT_NEAR(grid->slideOffset, 2.002f, 1e-3f);
    for (int frame = 1001; frame < 2001; ++frame) {
        grid->slideStep();
    }
    EXPECT_EQ(grid->slideCounter, 1);
    EXPECT_NEAR(grid->slideOffset, 0.006f, 1e-3f) << "and rises again";
}

// The river as the bridge level places it, 90 wide along z from x = 135 to
// 225, seen from 100 above its middle over a red ground, lighting on.
class WaterSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        water.position = Vector3(0, -2, 120);
        water.scale = Vector3(50, 1, 90);
        water.heading = Vector3(1, 0, 0).headingTo(Vector3(0, 0, -1));
    }
    std::array<unsigned char, 4> drawn(int x)
    {
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
        gluLookAt(180, 100, 516, 180, -2, 516, 0, 0, -1);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_LIGHTING);
        water.draw(Matrix4());
        glDisable(GL_LIGHTING);
        return GlTestWindow::pixel(x, 300);
    }
    WaterSurface water;
};

TEST_F(WaterSurfaceTest, TheRiverIsTranslucentBlueWhereTheLevelPutsItAndItsTextureShows)
{
    water.hidden = true; // the water does not look at it
    const int slides = WaterSurface::grid.slideCounter;
    const auto plain = drawn(400);
    EXPECT_EQ(WaterSurface::grid.slideCounter, slides + 1);
    EXPECT_GT(plain[0], 20) << "the ground shows through";
    EXPECT_LT(plain[0], 100);
    EXPECT_GT(plain[2], 150);
    EXPECT_EQ(drawn(5), (std::array<unsigned char, 4>{255, 0, 0, 255})) << "bare ground beside it";

    ScratchDir dir;
    ASSERT_TRUE(writeFlatJpeg(dir.path() / "data/texture/wasser02.jpg", 0, 0, 0));
    water.loadTexture();
    ASSERT_NE(water.textures.at(0), 0u);
    const auto textured = drawn(400);
    EXPECT_LT(textured[2], plain[2] / 2) << "a black image darkens the water";
    EXPECT_GT(textured[0], 20);
}

} // namespace
