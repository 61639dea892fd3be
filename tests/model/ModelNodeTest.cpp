#include "model/Camera.h"
#include "model/LightNode.h"
#include "model/MeshArrays.h"
#include "model/ModelNode.h"
#include "support/BmpFile.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include <tuple>

namespace {

TEST(ModelNodeTest, TheBoxSpansTheBoxModelsExtremesScaledPlacedAndTurned)
{
    ScratchDir dir;
    dir.write("data/brunnen.ms3d", Ms3dBuilder::triangle().bytes());
    Ms3dBuilder box;
    box.vertices = {{-1, 0, -2}, {3, 4, 5}, {0, 1, 0}};
    dir.write("data/bbbrunnen.ms3d", box.bytes());
    ModelNode node;
    node.hasBoundingBox = true;
    node.position.set(10, 1, 20);
    node.scale.set(2, 1, 0.5f);
    ASSERT_TRUE(node.load("data/brunnen.ms3d"));
    const auto expectNear = [](const Vector3& v, float x, float y, float z) { EXPECT_LT(v.distanceTo(x, y, z), 1e-4f); };
    expectNear(node.box.points[0], 8, 1, 19);
    expectNear(node.box.points[2], 16, 1, 22.5f);
    expectNear(node.box.points[5], 8, 5, 22.5f);
    node.scale.set(1, 1, 1);
    node.heading = 90; // (x, y, z) about the position becomes (z, y, -x)
    ASSERT_TRUE(node.load("data/brunnen.ms3d"));
    expectNear(node.box.corner[2], 10 + 5, 5, 20 - 3);
    EXPECT_FALSE(node.load("data/fehlt.ms3d"));
    dir.write("data/ohnebox.ms3d", Ms3dBuilder::triangle().bytes());
    EXPECT_TRUE(node.load("data/ohnebox.ms3d")) << "a missing box is no missing model";
}

// Back faces are skipped only for a model closed around a volume, facing out.
TEST(ModelNodeTest, OnlyAModelClosedAroundAVolumeFacingOutIsTakenAsClosed)
{
    using Faces = std::vector<Ms3dBuilder::Triangle>;
    const Faces out{{{0, 2, 1}}, {{0, 1, 3}}, {{0, 3, 2}}, {{1, 2, 3}}};
    const Faces in{{{0, 1, 2}}, {{0, 3, 1}}, {{0, 2, 3}}, {{1, 3, 2}}};
    const Faces holed{out[0], out[1], out[3], out[3]}, twisted{in[0], out[1], out[2], out[3]};
    ScratchDir dir;
    for (const auto& [faces, closed] : {std::pair{out, true}, {in, false}, {holed, false}, {twisted, false}}) {
        Ms3dBuilder tetrahedron;
        tetrahedron.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
        tetrahedron.triangles = faces;
        tetrahedron.groups = {{{0, 1, 2, 3}}};
        dir.write("data/vier.ms3d", tetrahedron.bytes());
        ModelNode node;
        ASSERT_TRUE(node.load("data/vier.ms3d"));
        EXPECT_EQ(node.model.arrays->closed, closed);
    }
}

// Looks from 50 above onto the origin, lit by a sun straight above.
void viewFromAbove(float grey)
{
    GlTestWindow::ensure();
    Camera camera;
    camera.position.set(0, 50, 0.01f);
    camera.target.set(0, 0, 0);
    camera.apply();
    LightNode sun;
    sun.position.set(0, 100, 0);
    sun.draw(Matrix4());
    glEnable(GL_DEPTH_TEST);
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

TEST(ModelNodeTest, AModelIsDrawnLitAndTexturedAndAHiddenOneOnlyAsItsShadow)
{
    ScratchDir dir;
    dir.write("data/rot.bmp", bmp::solid(4, 4, {255, 0, 0}));
    dir.write("data/platte.ms3d", Ms3dBuilder::square(5, 0, 0, "./rot.bmp").bytes());
    dir.write("data/deckel.ms3d", Ms3dBuilder::square(5, 5, 0).bytes()); // a lid 5 above its place
    viewFromAbove(0.2f);
    ModelNode plate, lid, child;
    ASSERT_TRUE(plate.load("data/platte.ms3d") && lid.load("data/deckel.ms3d"));
    plate.position.set(0, -1, 0);
    plate.draw(Matrix4());
    const auto centre = GlTestWindow::pixel(400, 300);
    EXPECT_TRUE(centre[0] > 150 && centre[1] < 20) << "red";
    EXPECT_NEAR(GlTestWindow::pixel(20, 20)[0], 51, 1) << "nothing beside it";

    std::fill_n(lid.model.materials[0].emissive, 3, 1.0f); // white
    lid.position.set(0.5f, 0, 0); // off the light's axis
    child.animated = true;
    child.animations[0].stepsPerKeyframe = 10;
    lid.addChild(&child);
    using Case = std::tuple<bool, bool, int>; // hidden, shadow light, red at the centre (a shadow keeps 90 % of the grey)
    for (const auto& [hidden, shadow, expected] : {Case{false, true, 255}, Case{true, true, 115}, Case{true, false, 128}}) {
        viewFromAbove(0.5f);
        lid.hidden = hidden;
        lid.shadowLight = shadow ? Vector3(0, 100, 0) : Vector3(); // no light, no shadow
        lid.draw(Matrix4());
        EXPECT_NEAR(GlTestWindow::pixel(400, 300)[0], expected, 2) << hidden << shadow;
    }
    EXPECT_EQ(child.step, 1.0f) << "drawn once, while its parent was shown";
    glDisable(GL_LIGHTING);
}

// Left out of view, a shadow leaves what its drawing would: the pose moved
// on (else the walk slows down), the shadow's material and the last
// corner's normal and texture coordinate (the lens flare is lit with them).
TEST(ModelNodeTest, AShadowLeftOutOfViewLeavesWhatItsDrawingWould)
{
    ScratchDir dir;
    dir.write("data/deckel.ms3d", Ms3dBuilder::square(5, 5, 0).bytes());
    viewFromAbove(0.5f);
    ModelNode walker;
    walker.animated = true;
    ASSERT_TRUE(walker.load("data/deckel.ms3d"));
    walker.animations[0].stepsPerKeyframe = 10;
    walker.shadowLight.set(0.5f, 100, 0);
    walker.hidden = true; // the shadow alone
    using Left = std::array<float, 11>; // steps, normal, texture coordinate, emission
    Left left[2];
    for (const bool outOfView : {false, true}) {
        const float other[4] = {0.6f, 0.3f, 0.8f, 1.0f};
        glNormal3fv(other);
        glTexCoord2fv(other);
        glMaterialfv(GL_FRONT, GL_EMISSION, other);
        walker.shadowOutOfView = outOfView;
        const float before = walker.step;
        walker.draw(Matrix4());
        Left& l = left[outOfView];
        l[0] = walker.step - before;
        glGetFloatv(GL_CURRENT_NORMAL, &l[1]);
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, &l[4]); // 4 floats, the last overwritten below
        glGetMaterialfv(GL_FRONT, GL_EMISSION, &l[7]);
    }
    EXPECT_EQ(left[0], left[1]);
    EXPECT_NE(left[1][1], 0.6f) << "the test's normal was not left as it was";
    glDisable(GL_LIGHTING);
}

} // namespace
