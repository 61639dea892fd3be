#include "effects/WaterGrid.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// The grid is large (two layers of 900 vertices); keep it off the stack.
std::unique_ptr<WaterGrid> filledGrid()
{
    auto grid = std::make_unique<WaterGrid>();
    grid->fill();
    return grid;
}

float degreesSine(double degrees)
{
    return static_cast<float>(std::sin(degrees * M_PI / 180.0));
}

} // namespace

TEST(WaterGridTest, CornersOfBothLayers)
{
    const auto grid = filledGrid();
    EXPECT_FLOAT_EQ(grid->upperLayer[0][0], -4.5f);
    EXPECT_FLOAT_EQ(grid->upperLayer[0][1], 0.0f);
    EXPECT_FLOAT_EQ(grid->upperLayer[0][2], -4.5f);
    EXPECT_FLOAT_EQ(grid->lowerLayer[0][0], -4.5f);
    EXPECT_FLOAT_EQ(grid->lowerLayer[0][1], -1.0f);
    EXPECT_FLOAT_EQ(grid->lowerLayer[0][2], -4.5f);

    const float* last = grid->upperLayer[89 * 10 + 9];
    EXPECT_NEAR(last[0], 13.3f, 1e-5f);
    EXPECT_NEAR(last[1], degreesSine(712.0), 1e-5f);
    EXPECT_NEAR(last[2], -2.7f, 1e-5f);
    EXPECT_NEAR(grid->lowerLayer[89 * 10 + 9][1], degreesSine(712.0) - 1.0f, 1e-5f);
}

TEST(WaterGridTest, EveryRowIsOneWaveStepOfEightDegrees)
{
    const auto grid = filledGrid();
    for (int i = 0; i < WaterGrid::rows; ++i) {
        for (int j = 0; j < WaterGrid::columns; ++j) {
            ASSERT_NEAR(grid->upperLayer[10 * i + j][1], degreesSine(8.0 * i), 1e-5f) << i << ", " << j;
        }
    }
}

TEST(WaterGridTest, SlideRisesFor1001FramesThenFallsBackToCounterZero)
{
    const auto grid = filledGrid();
    for (int frame = 0; frame < 1001; ++frame) {
        grid->slideStep();
    }
    EXPECT_NEAR(grid->slideOffset, 2.002f, 1e-3f);
    EXPECT_EQ(grid->slideCounter, 1001);

    grid->slideStep();
    EXPECT_LT(grid->slideOffset, 2.002f);

    for (int frame = 1002; frame < 2000; ++frame) {
        grid->slideStep();
    }
    EXPECT_NEAR(grid->slideOffset, 0.004f, 1e-3f);
    EXPECT_EQ(grid->slideCounter, 0);

    // The next cycle starts rising again from there.
    grid->slideStep();
    EXPECT_NEAR(grid->slideOffset, 0.006f, 1e-3f);
}

TEST(WaterGridTest, WaveMovesOneRowOnTheThirdFrameAndEverySecondAfter)
{
    const auto grid = filledGrid();
    const auto before = std::make_unique<WaterGrid>(*grid);

    grid->waveStep();
    grid->waveStep();
    EXPECT_EQ(grid->upperLayer[0][1], before->upperLayer[0][1]);
    EXPECT_EQ(grid->waveCounter, 2);

    grid->waveStep();
    EXPECT_EQ(grid->waveCounter, 1);
    for (int j = 0; j < WaterGrid::columns; ++j) {
        EXPECT_EQ(grid->upperLayer[j][1], before->upperLayer[10 + j][1]);
        EXPECT_EQ(grid->upperLayer[10 * 50 + j][1], before->upperLayer[10 * 51 + j][1]);
        EXPECT_EQ(grid->upperLayer[10 * 89 + j][1], before->upperLayer[j][1]);
        // Only heights move; x and z stay, the lower layer is untouched.
        EXPECT_EQ(grid->upperLayer[j][0], before->upperLayer[j][0]);
        EXPECT_EQ(grid->upperLayer[j][2], before->upperLayer[j][2]);
        EXPECT_EQ(grid->lowerLayer[j][1], before->lowerLayer[j][1]);
    }

    grid->waveStep();
    EXPECT_EQ(grid->upperLayer[0][1], before->upperLayer[10][1]);
    grid->waveStep();
    EXPECT_EQ(grid->upperLayer[0][1], before->upperLayer[20][1]);
}

TEST(WaterGridTest, FortyFiveShiftsBringTheWaveBackToItsStart)
{
    const auto grid = filledGrid();
    const auto before = std::make_unique<WaterGrid>(*grid);
    grid->waveStep(); // the first frame never shifts
    for (int frame = 0; frame < 2 * 45; ++frame) {
        grid->waveStep();
    }
    for (int v = 0; v < WaterGrid::vertexCount; ++v) {
        ASSERT_NEAR(grid->upperLayer[v][1], before->upperLayer[v][1], 1e-5f) << v;
    }
}

namespace {

// Looks straight down onto the grid with lighting on (as in the game, so
// the material's alpha counts), over a pure red background.
void prepareTopView()
{
    GlTestWindow::ensure();
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.4, 0.4, -0.3, 0.3, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-4.4f, -3.6f, -20.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    glEnable(GL_LIGHTING);
}

void finishView()
{
    glDisable(GL_LIGHTING);
    glLoadIdentity();
}

} // namespace

TEST(WaterGridGlTest, DrawingRestoresStateAndAdvancesOneFrame)
{
    prepareTopView();
    const auto grid = filledGrid();
    grid->draw(0);
    grid->draw(0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    finishView();
    EXPECT_EQ(grid->slideCounter, 2);
    EXPECT_NEAR(grid->slideOffset, 0.004f, 1e-6f);
    EXPECT_EQ(grid->waveCounter, 2);
}

TEST(WaterGridGlTest, WaterCoversNearerGeometryDrawnBefore)
{
    prepareTopView();
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    // A green square between the eye and the water, drawn first.
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex3f(3.0f, 5.0f, -5.0f);
    glVertex3f(3.0f, 5.0f, -2.0f);
    glVertex3f(6.0f, 5.0f, -2.0f);
    glVertex3f(6.0f, 5.0f, -5.0f);
    glEnd();
    glEnable(GL_LIGHTING);
    const auto green = GlTestWindow::pixel(400, 300);
    const auto grid = filledGrid();
    grid->draw(0);
    const auto tinted = GlTestWindow::pixel(400, 300);
    finishView();

    EXPECT_EQ(green[1], 255);
    EXPECT_LT(tinted[1], 200);
    EXPECT_GT(tinted[2], 150);
}
