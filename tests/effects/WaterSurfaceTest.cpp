#include "FlatJpeg.h"
#include "effects/WaterSurface.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

// Counts what reaches it through the tree.
class ProbeNode : public SceneNode {
public:
    void draw(Matrix4) override { ++draws; }
    void command(int) override { ++commands; }
    int draws = 0;
    int commands = 0;
};

// The river as the bridge level places it: along z, 90 units wide, from
// x = 135 to 225; the camera hangs 100 units above its middle, looking down,
// with the view in the projection matrix as the game's camera does it.
void placeLikeTheBridgeLevel(WaterSurface& water)
{
    water.position = Vector3(0.0f, -2.0f, 120.0f);
    water.scale = Vector3(50.0f, 1.0f, 90.0f);
    water.heading = Vector3(1.0f, 0.0f, 0.0f).headingTo(Vector3(0.0f, 0.0f, -1.0f));
}

void prepareViewFromAbove()
{
    GlTestWindow::ensure();
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(180.0, 100.0, 516.0, 180.0, -2.0, 516.0, 0.0, 0.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
}

} // namespace

TEST(WaterSurfaceTest, ConstructionRefillsTheSharedGridAndKeepsItsAnimation)
{
    WaterSurface::grid.upperLayer[0][1] = 5.0f;
    WaterSurface::grid.lowerLayer[899][0] = 5.0f;
    const int slideCounter = WaterSurface::grid.slideCounter;
    const WaterSurface water;
    EXPECT_FLOAT_EQ(WaterSurface::grid.upperLayer[0][1], 0.0f);
    EXPECT_NEAR(WaterSurface::grid.lowerLayer[899][0], 13.3f, 1e-5f);
    EXPECT_EQ(WaterSurface::grid.slideCounter, slideCounter);
    EXPECT_TRUE(water.textures.empty());
}

TEST(WaterSurfaceTest, CommandsAndDrawingStopAtTheWater)
{
    GlTestWindow::ensure();
    WaterSurface water;
    ProbeNode child;
    water.addChild(&child);
    water.command('w');
    water.draw(Matrix4());
    EXPECT_EQ(child.commands, 0);
    EXPECT_EQ(child.draws, 0);
}

TEST(WaterSurfaceGlTest, RiverIsTranslucentWhereTheLevelPutsIt)
{
    prepareViewFromAbove();
    WaterSurface water;
    placeLikeTheBridgeLevel(water);
    water.hidden = true; // the water does not look at it
    const int slideCounter = WaterSurface::grid.slideCounter;
    water.draw(Matrix4());
    const auto middle = GlTestWindow::pixel(400, 300);
    const auto bank = GlTestWindow::pixel(5, 300);
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glDisable(GL_LIGHTING);

    // Blue water with the red ground showing through; bare ground beside it.
    EXPECT_GT(middle[0], 20);
    EXPECT_LT(middle[0], 100);
    EXPECT_GT(middle[2], 150);
    EXPECT_EQ(bank[0], 255);
    EXPECT_EQ(bank[2], 0);
    EXPECT_EQ(WaterSurface::grid.slideCounter, slideCounter + 1);
    // The next node starts from the identity again.
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(modelView[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
    }
}

TEST(WaterSurfaceGlTest, LoadedTextureIsBoundAndShows)
{
    prepareViewFromAbove();
    WaterSurface water;
    placeLikeTheBridgeLevel(water);
    water.draw(Matrix4());
    const auto plain = GlTestWindow::pixel(400, 300);

    ScratchDir dir;
    ASSERT_TRUE(writeFlatJpeg(dir.path() / "data/texture/wasser02.jpg", 0, 0, 0));
    water.loadTexture();
    ASSERT_EQ(water.textures.size(), 1u);
    EXPECT_NE(water.textures[0], 0u);
    prepareViewFromAbove();
    water.draw(Matrix4());
    const auto textured = GlTestWindow::pixel(400, 300);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glDisable(GL_LIGHTING);

    EXPECT_EQ(static_cast<unsigned int>(bound), water.textures[0]);
    // A black image darkens the water but lets the ground show through.
    EXPECT_LT(textured[2], plain[2] / 2);
    EXPECT_GT(textured[0], 20);
}
