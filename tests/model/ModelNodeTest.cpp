#include "model/MeshGeometry.h"
#include "model/ModelNode.h"
#include "scene/Camera.h"
#include "scene/LightNode.h"
#include "support/BmpFile.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <tuple>

namespace {

void expectNear(const Vector3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

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
    expectNear(node.box.points[0], 8, 1, 19);
    expectNear(node.box.points[2], 16, 1, 22.5f);
    expectNear(node.box.points[5], 8, 5, 22.5f);
    expectNear(node.box.points[7], 16, 5, 19);

    node.scale.set(1, 1, 1);
    node.heading = 90; // (x, y, z) about the position becomes (z, y, -x)
    ASSERT_TRUE(node.load("data/brunnen.ms3d"));
    expectNear(node.box.corner[0], 10 - 2, 1, 20 + 1);
    expectNear(node.box.corner[2], 10 + 5, 5, 20 - 3);

    EXPECT_FALSE(node.load("data/fehlt.ms3d"));
    dir.write("data/ohnebox.ms3d", Ms3dBuilder::triangle().bytes());
    EXPECT_TRUE(node.load("data/ohnebox.ms3d")) << "a missing box is no missing model";
}

// A light straight above the origin, as the levels' "Licht".
void lightFrom(float y)
{
    LightNode sun;
    sun.position.set(0, y, 0);
    sun.draw(Matrix4());
}

void clear(float grey)
{
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

int red()
{
    return GlTestWindow::pixel(400, 300)[0];
}

TEST(ModelNodeTest, ALitTexturedModelShowsWhereTheCameraLooksAndAHiddenOneOnlyItsShadow)
{
    GlTestWindow::ensure();
    ScratchDir dir;
    dir.write("data/rot.bmp", bmp::solid(4, 4, {255, 0, 0}));
    dir.write("data/platte.ms3d", Ms3dBuilder::square(5, 0, 0, "./rot.bmp").bytes());
    ModelNode node;
    ASSERT_TRUE(node.load("data/platte.ms3d"));
    node.position.set(20, 0, -30);
    node.castsShadow = false;
    Camera camera;
    camera.position.set(20, 30, 0);
    camera.target.set(20, 0, -30);
    camera.apply();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    clear(0.2f);
    lightFrom(100);
    node.draw(Matrix4());
    const int lit = red();
    EXPECT_GT(lit, 150);
    EXPECT_LT(GlTestWindow::pixel(400, 300)[1], 20);
    EXPECT_NEAR(GlTestWindow::pixel(20, 20)[0], 51, 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "restored";
    clear(0.2f);
    lightFrom(-100);
    node.draw(Matrix4());
    EXPECT_LT(red() + 40, lit) << "turned away from the light, only the ambient part";
    camera.translate(-15, 0, 0);
    clear(0.2f);
    lightFrom(100);
    node.draw(Matrix4());
    EXPECT_NEAR(red(), 51, 1) << "the camera looks 15 units to the left";

    // A white lid 5 above its place, lit by a sun straight above: seen from above
    // it hides its shadow until it is hidden itself; what hangs below goes with it.
    dir.write("data/deckel.ms3d", Ms3dBuilder::square(5, 5, 0).bytes());
    ModelNode lid;
    ASSERT_TRUE(lid.load("data/deckel.ms3d"));
    std::fill_n(lid.model.materials[0].emissive, 3, 1.0f);
    ModelNode child;
    child.animated = true;
    child.animations[0].stepsPerKeyframe = 10;
    lid.addChild(&child);
    camera.position.set(0, 50, 0.01f);
    camera.target.set(0, 0, 0);
    camera.apply();
    using Case = std::tuple<bool, bool, int>; // hidden, shadow light, red at the centre
    for (const auto& [hidden, shadow, expected] : {Case{false, true, 255}, Case{true, true, 0}, Case{true, false, 128}}) {
        lid.hidden = hidden;
        lid.shadowLight = shadow ? Vector3(0, 100, 0) : Vector3(); // no light, no shadow
        clear(0.5f);
        lid.draw(Matrix4());
        EXPECT_NEAR(red(), expected, 2) << hidden << shadow;
    }
    EXPECT_EQ(child.step, 1.0f) << "drawn once, while its parent was shown";
    glDisable(GL_LIGHTING);
}

TEST(ModelNodeTest, DisplayListsGiveTheGeometryAndTheNodeItsMaterials)
{
    GlTestWindow::ensure();
    Ms3dModel tree; // the shared geometry: two meshes
    ScratchDir dir;
    dir.write("baum.ms3d", Ms3dBuilder::square(1).bytes());
    ASSERT_TRUE(tree.loadModelData("baum.ms3d"));
    tree.meshes.push_back(tree.meshes[0]);
    const unsigned int lists = glGenLists(2);
    compileMeshLists(tree, lists);

    ModelNode node; // its own model only supplies two green glowing materials
    node.useDisplayList = true;
    node.displayListBase = lists;
    node.castsShadow = false;
    node.model.materials.resize(1);
    node.model.materials[0].emissive[1] = node.model.materials[0].emissive[3] = 1;
    node.model.meshes.resize(2);
    node.model.meshes[0].materialIndex = node.model.meshes[1].materialIndex = 0;
    node.scale.set(10, 10, 10);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(0, 30, 0.01, 0, 0, 0, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glEnable(GL_TEXTURE_2D); // left as found
    clear(0);
    node.draw(Matrix4());
    EXPECT_EQ((std::array{GlTestWindow::pixel(400, 300)[0], GlTestWindow::pixel(400, 300)[1]}),
              (std::array<unsigned char, 2>{0, 255}));
    EXPECT_EQ(GlTestWindow::pixel(20, 20)[1], 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDeleteLists(lists, 2);
}

TEST(ModelNodeTest, TexturesReloadAsLowVariantsOrWithMipmaps)
{
    GlTestWindow::ensure();
    ScratchDir dir;
    dir.write("data/wieseLOW.bmp", bmp::solid(2, 2, {0, 200, 0}));
    dir.write("data/kies.bmp", bmp::solid(4, 4, {90, 90, 90}));
    ModelNode node;
    node.model.materials.resize(3);
    node.model.materials[0].textureFilename = "./wiese.bmp";
    node.model.materials[1].textureFilename = "./kies.bmp";
    node.model.materials[2].texture = 5; // no file name: no texture
    node.highQualityTextures = false;
    node.applyTextureQuality();
    EXPECT_NE(node.model.materials[0].texture, 0u);
    EXPECT_EQ(node.model.materials[2].texture, 0u);
    node.highQualityTextures = true;
    node.applyTextureQuality();
    EXPECT_EQ(node.model.materials[0].texture, 0u) << "wiese.bmp does not exist";

    node.textureFlag = true;
    node.reloadTexturesWithFlag();
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, node.model.materials[1].texture);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace
