#include "model/Model.h"

#include "BmpFile.h"
#include "Ms3dBuilder.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

class Ms3dModelTest : public ::testing::Test {
protected:
    // Writes the file and loads it into `model`.
    bool load(const Ms3dBuilder& file) { return loadBytes(file.bytes()); }
    bool loadBytes(const std::string& bytes)
    {
        dir.write("model.ms3d", bytes);
        return model.loadModelData("model.ms3d");
    }

    static void expectConsistent(const Model& m)
    {
        EXPECT_EQ(m.numVertices, static_cast<int>(m.vertices.size()));
        EXPECT_EQ(m.numTriangles, static_cast<int>(m.triangles.size()));
        EXPECT_EQ(m.numMeshes, static_cast<int>(m.meshes.size()));
        EXPECT_EQ(m.numMaterials, static_cast<int>(m.materials.size()));
        for (const Mesh& mesh : m.meshes) {
            EXPECT_EQ(mesh.numTriangles, static_cast<int>(mesh.triangleIndices.size()));
        }
    }

    ScratchDir dir;
    Ms3dModel model;
};

// Two triangles over four vertices in two groups, two materials: every field
// holds a value of its own, so a field read from the wrong offset shows.
Ms3dBuilder quad(int version)
{
    Ms3dBuilder b;
    b.version = version;
    b.vertices = {{-1.5f, 0, 2, 3}, {1, 0.5f, 2, -4}, {1, 2, -2.25f, 0}, {-1, 2, -2, 7}};
    b.triangles.resize(2);
    b.triangles[0] = {{0, 1, 2}, {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {0, 1, 0.5f}, {0.25f, 0.75f, 1}};
    b.triangles[1] = {{2, 3, 0}, {{0, -1, 0}, {0, 0, -1}, {-1, 0, 0}}, {0.125f, 2, -1}, {3, -0.5f, 0}};
    b.groups = {{{0, 1}, 1}, {{1}, 0xFF}};
    b.materials.resize(2);
    b.materials[0] = {{0.1f, 0.2f, 0.3f, 0.4f}, {0.5f, 0.6f, 0.7f, 0.8f}, {0.9f, 1, 0, 0.25f},
        {0.3f, 0.2f, 0.1f, 1}, 12.5f, ""};
    b.materials[1].texture = "";
    b.materials[1].shininess = 64;
    return b;
}

TEST_F(Ms3dModelTest, Versions3And4FillEveryField)
{
    for (int version : {3, 4}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(load(quad(version)));
        expectConsistent(model);
        ASSERT_EQ(model.numVertices, 4);
        EXPECT_FLOAT_EQ(model.vertices[0].location[0], -1.5f);
        EXPECT_FLOAT_EQ(model.vertices[1].location[1], 0.5f);
        EXPECT_FLOAT_EQ(model.vertices[2].location[2], -2.25f);
        EXPECT_EQ(model.vertices[0].boneId, 3);
        EXPECT_EQ(model.vertices[1].boneId, -4);
        EXPECT_EQ(model.vertices[3].boneId, 7);

        ASSERT_EQ(model.numTriangles, 2);
        const Triangle& second = model.triangles[1];
        EXPECT_EQ(second.vertexIndices[0], 2);
        EXPECT_EQ(second.vertexIndices[1], 3);
        EXPECT_EQ(second.vertexIndices[2], 0);
        EXPECT_FLOAT_EQ(second.vertexNormals[0][1], -1);
        EXPECT_FLOAT_EQ(second.vertexNormals[1][2], -1);
        EXPECT_FLOAT_EQ(second.vertexNormals[2][0], -1);
        EXPECT_FLOAT_EQ(second.s[0], 0.125f);
        EXPECT_FLOAT_EQ(second.s[1], 2);
        EXPECT_FLOAT_EQ(second.t[1], -0.5f);
        EXPECT_FLOAT_EQ(model.triangles[0].t[0], 0.25f) << "t is not flipped";
        EXPECT_FLOAT_EQ(model.triangles[0].t[1], 0.75f);

        ASSERT_EQ(model.numMeshes, 2);
        EXPECT_EQ(model.meshes[0].materialIndex, 1);
        EXPECT_EQ(model.meshes[0].triangleIndices, (std::vector<int>{0, 1}));
        EXPECT_EQ(model.meshes[1].materialIndex, -1) << "0xFF means no material";
        EXPECT_EQ(model.meshes[1].triangleIndices, (std::vector<int>{1}));

        ASSERT_EQ(model.numMaterials, 2);
        const Material& m = model.materials[0];
        EXPECT_FLOAT_EQ(m.ambient[2], 0.3f);
        EXPECT_FLOAT_EQ(m.diffuse[3], 0.8f);
        EXPECT_FLOAT_EQ(m.specular[3], 0.25f);
        EXPECT_FLOAT_EQ(m.emissive[0], 0.3f);
        EXPECT_FLOAT_EQ(m.shininess, 12.5f);
        EXPECT_FLOAT_EQ(model.materials[1].shininess, 64);
        EXPECT_EQ(m.textureFilename, "");
        EXPECT_EQ(m.texture, 0u);
    }
}

TEST_F(Ms3dModelTest, RefusedFilesLeaveTheModelEmpty)
{
    Ms3dBuilder wrongId = quad(4);
    wrongId.id = "MS3D000001";
    EXPECT_FALSE(load(wrongId));
    EXPECT_FALSE(load(quad(2)));
    EXPECT_FALSE(load(quad(5)));
    EXPECT_FALSE(load(quad(-1)));
    EXPECT_FALSE(loadBytes(""));
    EXPECT_FALSE(model.loadModelData("missing.ms3d"));
    EXPECT_FALSE(model.loadModelData(nullptr));
    dir.write("folder.ms3d/inside", "x");
    EXPECT_FALSE(model.loadModelData("folder.ms3d"));
    EXPECT_EQ(model.numVertices, 0);
    EXPECT_EQ(model.numMeshes, 0);
    EXPECT_TRUE(model.vertices.empty());
}

TEST_F(Ms3dModelTest, FileEndingAnywhereEarlyIsRefusedAndTheModelKept)
{
    ASSERT_TRUE(load(Ms3dBuilder::triangle()));
    Ms3dBuilder file = quad(4);
    file.trailer.clear();
    const std::string bytes = file.bytes();
    // Every cut falls in the header, a count or a record of some block.
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        ASSERT_FALSE(loadBytes(bytes.substr(0, size))) << "cut after " << size << " bytes";
        ASSERT_EQ(model.numVertices, 3);
        ASSERT_EQ(model.vertices.size(), 3u);
        ASSERT_EQ(model.numMeshes, 1);
        ASSERT_FLOAT_EQ(model.vertices[2].location[2], -3);
    }
    EXPECT_TRUE(loadBytes(bytes)) << "nothing after the materials is needed";
    EXPECT_EQ(model.numVertices, 4);
}

TEST_F(Ms3dModelTest, IndicesOutsideTheirArraysAreRefused)
{
    Ms3dBuilder vertexIndex = quad(4);
    vertexIndex.triangles[1].vertices[1] = 4;
    EXPECT_FALSE(load(vertexIndex));

    Ms3dBuilder triangleIndex = quad(4);
    triangleIndex.groups[1].triangles.push_back(2);
    EXPECT_FALSE(load(triangleIndex));

    Ms3dBuilder materialIndex = quad(4);
    materialIndex.groups[0].material = 2;
    EXPECT_FALSE(load(materialIndex));

    Ms3dBuilder noMaterials = quad(4);
    noMaterials.materials.clear();
    EXPECT_FALSE(load(noMaterials)) << "group 0 names material 1";
    noMaterials.groups[0].material = 0xFF;
    EXPECT_TRUE(load(noMaterials));
    EXPECT_EQ(model.numMaterials, 0);

    Ms3dBuilder lastOfEach = quad(4);
    lastOfEach.triangles[0].vertices[0] = 3;
    lastOfEach.groups[1].triangles = {1, 1, 0};
    EXPECT_TRUE(load(lastOfEach));
    EXPECT_EQ(model.meshes[1].numTriangles, 3);
    EXPECT_EQ(model.triangles[0].vertexIndices[0], 3);
}

// A count larger than the rest of the file can hold is refused before
// anything is allocated for it; every refusal is named once, with its reason.
TEST_F(Ms3dModelTest, RefusalsNameTheFileAndWhatIsWrongOnce)
{
    Ms3dBuilder wrongId = quad(4);
    wrongId.id = "MS3D0000x0";
    Ms3dBuilder manyVertices = Ms3dBuilder::triangle();
    manyVertices.trailer.clear();
    std::string announcing = manyVertices.bytes();
    announcing[14] = announcing[15] = '\xff';
    Ms3dBuilder badVertex = quad(4);
    badVertex.triangles[1].vertices[1] = 4;
    Ms3dBuilder badMaterial = quad(4);
    badMaterial.groups[0].material = 2;
    const std::string cut = quad(4).bytes().substr(0, 14 + 2 + 4 * 15 + 2 + 70);

    const struct {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {wrongId.bytes(), "is not an MS3D file"},
        {quad(5).bytes(), "has version 5, not 3 or 4"},
        {announcing, "announces 65535 vertices but holds at most 34"},
        {cut, "announces 2 triangles but holds at most 1"},
        {badVertex.bytes(), "has a triangle naming vertex 4 of 4"},
        {badMaterial.bytes(), "has a group naming material 2 of 2"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string file = "damaged" + std::to_string(i) + ".ms3d";
        dir.write(file, cases[i].bytes);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(model.loadModelData(file.c_str()));
        EXPECT_FALSE(model.loadModelData(file.c_str()));
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "=== WARNING: " + file + " " + cases[i].problem + " ===\n");
    }
    testing::internal::CaptureStdout();
    EXPECT_FALSE(model.loadModelData("missing.ms3d"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "=== WARNING: missing.ms3d cannot be opened ===\n");
}

TEST_F(Ms3dModelTest, ZeroGroupsAndEmptyFilesLoad)
{
    Ms3dBuilder noGroups = quad(4);
    noGroups.groups.clear();
    ASSERT_TRUE(load(noGroups));
    EXPECT_EQ(model.numMeshes, 0);
    EXPECT_EQ(model.numTriangles, 2);

    ASSERT_TRUE(load(Ms3dBuilder{}));
    expectConsistent(model);
    EXPECT_EQ(model.numVertices, 0);
    EXPECT_EQ(model.numMaterials, 0);
}

TEST_F(Ms3dModelTest, LoadingIntoAUsedModelReplacesEverything)
{
    ASSERT_TRUE(load(quad(4)));
    ASSERT_TRUE(load(Ms3dBuilder::triangle()));
    expectConsistent(model);
    EXPECT_EQ(model.numVertices, 3);
    EXPECT_EQ(model.numTriangles, 1);
    EXPECT_EQ(model.numMeshes, 1);
    EXPECT_EQ(model.meshes[0].materialIndex, 0);
    EXPECT_EQ(model.meshes[0].triangleIndices, (std::vector<int>{0}));
    EXPECT_EQ(model.numMaterials, 1);
    EXPECT_FLOAT_EQ(model.materials[0].shininess, 0);
}

TEST_F(Ms3dModelTest, TextureNamesAreCopiedUpToTheirTerminatorWithinTheField)
{
    Ms3dBuilder file = quad(4);
    file.materials[0].texture = std::string(".\\wiese.jpg\0stale bytes", 23);
    file.materials[1].texture = std::string(140, 'n'); // fills the field, no terminator
    ASSERT_TRUE(load(file));
    EXPECT_EQ(model.materials[0].textureFilename, ".\\wiese.jpg");
    EXPECT_EQ(model.materials[1].textureFilename, std::string(128, 'n'));
    EXPECT_EQ(model.materials[0].texture, 0u) << "no such image";
    EXPECT_EQ(model.materials[1].texture, 0u);
}

// With a GL context the loader gives each material its texture, found under
// data/ whichever separator the modelling tool wrote after the dot.
TEST_F(Ms3dModelTest, MaterialTexturesAreLoadedFromData)
{
    GlTestWindow::ensure();
    dir.write("data/model-grass.bmp", bmp::solid(2, 2, {0, 255, 0}));
    dir.write("data/model-roof.bmp", bmp::solid(2, 2, {255, 0, 0}));
    Ms3dBuilder file = quad(4);
    file.materials[0].texture = ".\\model-grass.bmp";
    file.materials[1].texture = "./model-roof.bmp";
    Ms3dBuilder::Material untextured;
    Ms3dBuilder::Material missing;
    missing.texture = "./model-missing.bmp";
    file.materials.push_back(untextured);
    file.materials.push_back(missing);
    ASSERT_TRUE(load(file));
    ASSERT_EQ(model.numMaterials, 4);
    EXPECT_NE(model.materials[0].texture, 0u);
    EXPECT_NE(model.materials[1].texture, 0u);
    EXPECT_NE(model.materials[0].texture, model.materials[1].texture);
    EXPECT_EQ(glIsTexture(model.materials[0].texture), GL_TRUE);
    EXPECT_EQ(model.materials[2].texture, 0u);
    EXPECT_EQ(model.materials[3].texture, 0u);

    // A reload asks the cache again and gets the same textures; an emptied
    // name drops its texture.
    const unsigned int grass = model.materials[0].texture;
    model.materials[1].textureFilename.clear();
    model.reloadTextures();
    EXPECT_EQ(model.materials[0].texture, grass);
    EXPECT_EQ(model.materials[1].texture, 0u);
}

} // namespace
