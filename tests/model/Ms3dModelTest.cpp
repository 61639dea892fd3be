#include "model/Model.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

namespace {

// Two triangles over four vertices in two groups, two materials: every
// field holds a value of its own, so a field read from the wrong offset shows.
Ms3dBuilder quad(int version = 4)
{
    Ms3dBuilder b;
    b.version = version;
    b.vertices = {{-1.5f, 0, 2, 3}, {1, 0.5f, 2, -4}, {1, 2, -2.25f, 0}, {-1, 2, -2, 7}};
    b.triangles.resize(2);
    b.triangles[1] = {{2, 3, 0}, {{0, -1, 0}, {0, 0, -1}, {-1, 0, 0}}, {0.125f, 2, -1}, {3, -0.5f, 0}};
    b.groups = {{{0, 1}, 1}, {{1}, 0xFF}};
    b.materials.resize(2);
    b.materials[0] = {{0.1f, 0.2f, 0.3f, 0.4f}, {0.5f, 0.6f, 0.7f, 0.8f}, {0.9f, 1, 0, 0.25f}, {0.3f, 0.2f, 0.1f, 1},
                      12.5f, std::string(".\\wiese.jpg\0stale bytes", 23)};
    b.materials[1].texture = std::string(140, 'n'); // fills its field without a terminator
    return b;
}

class Ms3dModelTest : public ::testing::Test {
protected:
    bool load(const std::string& bytes)
    {
        dir.write("model.ms3d", bytes);
        return model.loadModelData("model.ms3d");
    }
    ScratchDir dir;
    Ms3dModel model;
};

TEST_F(Ms3dModelTest, Versions3And4FillEveryField)
{
    for (int version : {3, 4}) {
        ASSERT_TRUE(load(quad(version).bytes())) << version;
        ASSERT_EQ(model.numVertices, 4);
        EXPECT_FLOAT_EQ(model.vertices[2].location[2], -2.25f);
        EXPECT_EQ(model.vertices[1].boneId, -4);
        ASSERT_EQ(model.numTriangles, 2);
        const Triangle& t = model.triangles[1];
        EXPECT_EQ((std::array{t.vertexIndices[0], t.vertexIndices[1], t.vertexIndices[2]}), (std::array{2, 3, 0}));
        EXPECT_FLOAT_EQ(t.vertexNormals[2][0], -1);
        EXPECT_FLOAT_EQ(t.s[1], 2);
        EXPECT_FLOAT_EQ(t.t[1], -0.5f) << "t is not flipped";
        ASSERT_EQ(model.numMeshes, 2);
        EXPECT_EQ(model.meshes[0].materialIndex, 1);
        EXPECT_EQ(model.meshes[0].triangleIndices, (std::vector<int>{0, 1}));
        EXPECT_EQ(model.meshes[1].materialIndex, -1) << "0xFF means no material";
        ASSERT_EQ(model.numMaterials, 2);
        const Material& m = model.materials[0];
        EXPECT_EQ((std::array{m.ambient[2], m.diffuse[3], m.specular[3], m.emissive[0], m.shininess}),
                  (std::array{0.3f, 0.8f, 0.25f, 0.3f, 12.5f}));
        EXPECT_EQ(m.textureFilename, ".\\wiese.jpg");
        EXPECT_EQ(model.materials[1].textureFilename, std::string(128, 'n'));
        EXPECT_EQ(m.texture, 0u) << "no such image";
    }
}

// A count larger than the rest of the file can hold is refused before
// anything is allocated for it; every refusal is named once, with its
// reason, and leaves the model loaded before as it was.
TEST_F(Ms3dModelTest, BrokenFilesAreRefusedWithTheirReasonAndTheModelKept)
{
    const auto changed = [](void (*change)(Ms3dBuilder&)) {
        Ms3dBuilder b = quad();
        change(b);
        return b.bytes();
    };
    Ms3dBuilder manyVertices = Ms3dBuilder::triangle();
    manyVertices.trailer.clear();
    std::string announcing = manyVertices.bytes();
    announcing[14] = announcing[15] = '\xff';
    const struct { std::string bytes; const char* problem; } cases[] = {
        {changed([](Ms3dBuilder& b) { b.id = "MS3D0000x0"; }), "ist keine MS3D-Datei"},
        {quad(5).bytes(), "hat die Version 5, nicht 3 oder 4"},
        {quad(2).bytes(), "hat die Version 2, nicht 3 oder 4"},
        {announcing, "kuendigt 65535 Eckpunkte an, hat aber Platz fuer hoechstens 34"},
        {quad().bytes().substr(0, 14 + 2 + 4 * 15 + 2 + 70), "kuendigt 2 Dreiecke an, hat aber Platz fuer hoechstens 1"},
        {changed([](Ms3dBuilder& b) { b.triangles[1].vertices[1] = 4; }), "hat ein Dreieck, das Eckpunkt 4 von 4 nennt"},
        {changed([](Ms3dBuilder& b) { b.groups[1].triangles.push_back(2); }), nullptr},
        {changed([](Ms3dBuilder& b) { b.groups[0].material = 2; }), "hat eine Gruppe, die Material 2 von 2 nennt"},
        {changed([](Ms3dBuilder& b) { b.materials.clear(); }), nullptr},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_TRUE(load(Ms3dBuilder::triangle().bytes()));
        const std::string file = "damaged" + std::to_string(i) + ".ms3d";
        dir.write(file, cases[i].bytes);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(model.loadModelData(file.c_str()));
        EXPECT_FALSE(model.loadModelData(file.c_str()));
        const std::string said = testing::internal::GetCapturedStdout();
        if (cases[i].problem != nullptr) {
            EXPECT_EQ(said, "=== WARNING: " + file + " " + cases[i].problem + " ===\n");
        }
        EXPECT_EQ(model.vertices.size(), 3u) << i;
        EXPECT_EQ(model.numMeshes, 1) << i;
    }
    Ms3dBuilder file = quad();
    file.trailer.clear(); // nothing after the materials is needed
    const std::string whole = file.bytes();
    testing::internal::CaptureStdout();
    for (std::size_t size = 0; size < whole.size(); ++size) { // a cut in every field of every block
        ASSERT_FALSE(load(whole.substr(0, size))) << size << " bytes";
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(model.vertices.size(), 3u);
    EXPECT_FALSE(model.loadModelData("missing.ms3d"));
    EXPECT_FALSE(model.loadModelData(nullptr));

    EXPECT_TRUE(load(Ms3dBuilder{}.bytes())) << "an empty model is a model";
}

} // namespace
