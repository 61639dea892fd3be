#include "BmpFile.h"
#include "ModelScene.h"
#include "model/MeshGeometry.h"
#include "model/ModelNode.h"
#include "scene/Camera.h"
#include "scene/LightNode.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

using Pixel = std::array<unsigned char, 4>;

Pixel centre()
{
    return GlTestWindow::pixel(400, 300);
}

// A light straight above the origin, as the levels' "Licht".
void lightFromAbove(float y = 100.0f)
{
    LightNode sun;
    sun.position.set(0, y, 0);
    sun.draw(Matrix4());
}

// A 10 x 10 square node at the origin, loaded from its own file.
std::unique_ptr<ModelNode> squareNode(const ScratchDir& dir, const char* file, float y, int material,
                                      const std::string& texture = "")
{
    dir.write(std::string("data/") + file, scene::square(5, y, material, texture).bytes());
    auto node = std::make_unique<ModelNode>();
    EXPECT_TRUE(node->load((std::string("data/") + file).c_str()));
    return node;
}

} // namespace

TEST(ModelNodeDrawTest, TexturedLitModelAppearsWhereTheCameraLooks)
{
    ScratchDir dir;
    GlTestWindow::ensure();
    dir.write("data/rot.bmp", bmp::solid(4, 4, {255, 0, 0}));
    auto node = squareNode(dir, "platte.ms3d", 0, 0, "./rot.bmp");
    ASSERT_NE(node->model.materials[0].texture, 0u);
    node->position.set(20, 0, -30);
    node->castsShadow = false;

    Camera camera;
    camera.position.set(20, 30, 0);
    camera.target.set(20, 0, -30);
    camera.apply();
    scene::clearTo(0.2f);
    glEnable(GL_DEPTH_TEST);
    lightFromAbove(100);
    node->draw(Matrix4());
    const Pixel lit = centre();
    EXPECT_GT(lit[0], 150);
    EXPECT_LT(lit[1], 20);
    EXPECT_NEAR(GlTestWindow::pixel(20, 20)[0], 51, 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)); // restored

    // Turned away from the light, only the ambient part remains.
    scene::clearTo(0.2f);
    lightFromAbove(-100);
    node->draw(Matrix4());
    EXPECT_LT(centre()[0] + 40, lit[0]);

    // The camera looks 15 units to the left: the square moves right of centre.
    camera.translate(-15, 0, 0);
    scene::clearTo(0.2f);
    lightFromAbove(100);
    node->draw(Matrix4());
    EXPECT_NEAR(centre()[0], 51, 1);
    bool seenRight = false;
    for (int x = 420; x < 800; x += 10) {
        seenRight = seenRight || GlTestWindow::pixel(x, 300)[0] > 150;
    }
    EXPECT_TRUE(seenRight);
    glDisable(GL_LIGHTING);
}

TEST(ModelNodeDrawTest, HiddenNodeDrawsOnlyItsShadow)
{
    ScratchDir dir;
    GlTestWindow::ensure();
    auto node = squareNode(dir, "deckel.ms3d", 5, 0);
    node->model.materials[0].emissive[0] = 1.0f;
    node->model.materials[0].emissive[1] = 1.0f;
    node->model.materials[0].emissive[2] = 1.0f;
    node->shadowLight.set(0, 100, 0);
    auto child = std::make_unique<ModelNode>();
    child->animated = true;
    child->animations[0].stepsPerKeyframe = 10;
    node->addChild(child.get());

    scene::lookFrom(Vector3(0, 50, 0.01f), Vector3(0, 0, 0));
    glEnable(GL_DEPTH_TEST);
    lightFromAbove();

    scene::clearTo(0.5f);
    node->draw(Matrix4());
    EXPECT_GT(centre()[0], 240); // the lid, in front of its shadow
    EXPECT_EQ(child->step, 1.0f);

    node->hidden = true;
    scene::clearTo(0.5f);
    node->draw(Matrix4());
    EXPECT_NEAR(centre()[0], 115, 2); // only the shadow, keeping 90 % of the grey
    EXPECT_NEAR(GlTestWindow::pixel(20, 20)[0], 128, 1);
    EXPECT_EQ(child->step, 1.0f); // nothing below a hidden node is drawn

    node->shadowLight.set(0, 0, 0); // no light, no shadow
    scene::clearTo(0.5f);
    node->draw(Matrix4());
    EXPECT_NEAR(centre()[0], 128, 1);
    glDisable(GL_LIGHTING);
}

TEST(ModelNodeDrawTest, MeshWithoutMaterialIsUntexturedAndStateIsRestored)
{
    ScratchDir dir;
    GlTestWindow::ensure();
    dir.write("data/rot2.bmp", bmp::solid(2, 2, {255, 0, 0}));
    auto plain = squareNode(dir, "ohne.ms3d", 0, -1);
    auto textured = squareNode(dir, "mit.ms3d", 0, 0, "./rot2.bmp");
    EXPECT_EQ(plain->model.meshes[0].materialIndex, -1);
    plain->castsShadow = textured->castsShadow = false;

    scene::lookFrom(Vector3(0, 30, 0.01f), Vector3(0, 0, 0));
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);

    // Texturing on with a red texture bound: the mesh without material is white.
    glBindTexture(GL_TEXTURE_2D, textured->model.materials[0].texture);
    glEnable(GL_TEXTURE_2D);
    scene::clearTo(0.0f);
    plain->draw(Matrix4());
    EXPECT_EQ(centre()[1], 255);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    glDisable(GL_TEXTURE_2D);
    scene::clearTo(0.0f);
    textured->draw(Matrix4());
    EXPECT_EQ(centre()[0], 255);
    EXPECT_EQ(centre()[1], 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(ModelNodeDrawTest, DisplayListsGiveTheGeometryAndTheNodeItsMaterials)
{
    GlTestWindow::ensure();
    // The shared geometry: two meshes of one triangle each.
    Ms3dModel tree;
    scene::fillTriangle(tree, 0.0f);
    tree.meshes.push_back(tree.meshes[0]);
    const unsigned int lists = glGenLists(2);
    compileMeshLists(tree, lists);

    // This node's own model only supplies two green glowing materials.
    auto node = std::make_unique<ModelNode>();
    node->useDisplayList = true;
    node->displayListBase = lists;
    node->castsShadow = false;
    node->model.materials.resize(1);
    node->model.materials[0].emissive[1] = 1.0f;
    node->model.materials[0].emissive[3] = 1.0f;
    node->model.meshes.resize(2);
    node->model.meshes[0].materialIndex = 0;
    node->model.meshes[1].materialIndex = 0;
    node->scale.set(10, 10, 10);

    scene::lookFrom(Vector3(0, 5, 30), Vector3(0, 5, 0));
    glEnable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_TEXTURE_2D);
    scene::clearTo(0.0f);
    node->draw(Matrix4());
    const Pixel p = GlTestWindow::pixel(400, 330);
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(p[1], 255);
    EXPECT_EQ(GlTestWindow::pixel(20, 20)[1], 0);

    glEnable(GL_TEXTURE_2D); // left as it was found
    node->draw(Matrix4());
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDeleteLists(lists, 2);
}

TEST(ModelNodeDrawTest, ParticleModeDrawsTheChosenSystemInsteadOfTheModel)
{
    GlTestWindow::ensure();
    auto node = std::make_unique<ModelNode>();
    node->particleMode = true;
    node->useSheet = true;
    node->position.set(0, 20, 0);
    node->animated = true; // the model's step would count a drawn model
    node->draw(Matrix4());
    EXPECT_EQ(node->sheet.anchor.y, 20.0f);
    EXPECT_EQ(node->sheet.particles[0].life, 200.0f);
    EXPECT_EQ(node->spray.particles[0].life, 0.0f);
    EXPECT_EQ(node->step, 0.0f);

    node->useSheet = false;
    node->draw(Matrix4());
    EXPECT_EQ(node->spray.anchor.y, 20.0f);
    EXPECT_EQ(node->spray.particles[0].life, 2.0f);
    EXPECT_EQ(node->step, 0.0f);
    glDisable(GL_LIGHTING);
}

TEST(ModelNodeDrawTest, TextureQualityLoadsTheLowVariants)
{
    ScratchDir dir;
    GlTestWindow::ensure();
    dir.write("data/wieseLOW.bmp", bmp::solid(2, 2, {0, 200, 0}));
    auto node = std::make_unique<ModelNode>();
    node->model.materials.resize(3);
    node->model.materials[0].textureFilename = "./wiese.bmp";
    node->model.materials[1].textureFilename = "./a"; // too short for an extension
    node->model.materials[1].texture = 7;
    node->model.materials[2].texture = 5;              // no file name

    node->highQualityTextures = false;
    node->applyTextureQuality();
    EXPECT_NE(node->model.materials[0].texture, 0u);
    EXPECT_EQ(node->model.materials[1].texture, 0u); // asked for as it stands: no such image
    EXPECT_EQ(node->model.materials[2].texture, 0u);

    node->highQualityTextures = true;
    node->applyTextureQuality();
    EXPECT_EQ(node->model.materials[0].texture, 0u); // wiese.bmp does not exist

    // Animated nodes keep their textures.
    node->animated = true;
    node->highQualityTextures = false;
    node->applyTextureQuality();
    EXPECT_EQ(node->model.materials[0].texture, 0u);
}

TEST(ModelNodeDrawTest, ReloadWithTheFlagBuildsMipmaps)
{
    ScratchDir dir;
    GlTestWindow::ensure();
    dir.write("data/kies.bmp", bmp::solid(4, 4, {90, 90, 90}));
    auto node = std::make_unique<ModelNode>();
    node->model.materials.resize(2);
    node->model.materials[0].textureFilename = "./kies.bmp";
    node->model.materials[1].texture = 9;

    node->reloadTexturesWithFlag();
    const unsigned int plain = node->model.materials[0].texture;
    ASSERT_NE(plain, 0u);
    EXPECT_EQ(node->model.materials[1].texture, 9u);

    node->textureFlag = true;
    node->reloadTexturesWithFlag();
    const unsigned int mipmapped = node->model.materials[0].texture;
    EXPECT_NE(mipmapped, plain);
    glBindTexture(GL_TEXTURE_2D, mipmapped);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
}
