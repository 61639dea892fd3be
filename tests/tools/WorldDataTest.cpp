// The generated data as the game reads it: every model, box and pose well
// formed and loadable with its textures, and every generator deterministic.
#include "WorldFiles.h"

#include "model/Model.h"
#include "model/Ms3dReader.h"
#include "model/TextureLoader.h"
#include "support/RunDirTest.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using WorldData = RunDirTest;

std::array<float, 3> minus(const float* a, const float* b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

TEST_F(WorldData, EveryModelBoxAndPoseIsWellFormedAndLoadsWithItsTextures)
{
    std::map<std::string, Ms3dContents> models;
    int poses = 0;
    for (const WorldFile& file : worldFiles()) {
        SCOPED_TRACE(file.path);
        const auto read = readMs3dFile(file.path.c_str());
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->version, 4);
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (const Vertex& v : read->vertices) {
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], v.location[k]), hi[k] = std::max(hi[k], v.location[k]);
            }
        }
        if (file.kind == WorldFile::Box) {
            EXPECT_TRUE(hi[0] > lo[0] && hi[2] > lo[2] && lo[1] <= 1e-3f) << "a box stands on the ground";
            continue;
        }
        Ms3dModel loaded; // as the game loads it, textures included
        ASSERT_TRUE(loaded.loadModelData(file.path.c_str()));
        for (const Material& m : loaded.materials) {
            EXPECT_TRUE(m.textureFilename.empty() || m.texture != 0) << m.textureFilename;
        }
        std::set<int> grouped;
        for (const Mesh& mesh : read->meshes) {
            grouped.insert(mesh.triangleIndices.begin(), mesh.triangleIndices.end());
        }
        EXPECT_EQ(grouped.size(), read->triangles.size()) << "every triangle belongs to a group";
        ASSERT_FALSE(read->triangles.empty());
        for (const Triangle& t : read->triangles) { // unit normals on the side the winding faces
            const auto e1 = minus(read->vertices[t.vertexIndices[1]].location, read->vertices[t.vertexIndices[0]].location);
            const auto e2 = minus(read->vertices[t.vertexIndices[2]].location, read->vertices[t.vertexIndices[0]].location);
            for (const auto& n : t.vertexNormals) {
                const float facing = n[0] * (e1[1] * e2[2] - e1[2] * e2[1]) + n[1] * (e1[2] * e2[0] - e1[0] * e2[2]) +
                                     n[2] * (e1[0] * e2[1] - e1[1] * e2[0]);
                ASSERT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0f, 1e-3f);
                ASSERT_TRUE(facing >= 0 || file.kind == WorldFile::Pose); // poses bend, normals stay
            }
        }
        if (file.path == "data/baum.ms3d" || file.path == "data/klwald.ms3d") {
            EXPECT_EQ(read->meshes.size(), 2u) << "display lists draw meshes 0 and 1 only";
        }
        if (file.kind == WorldFile::Model) {
            models[file.path] = *read;
            continue;
        }
        const Ms3dContents& base = models.at(file.base); // a pose bends its model visibly, but keeps it together
        ASSERT_EQ(read->vertices.size(), base.vertices.size());
        ASSERT_EQ(read->triangles.size(), base.triangles.size());
        float moved = 0, size = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
        for (std::size_t i = 0; i < base.vertices.size(); ++i) {
            const auto d = minus(read->vertices[i].location, base.vertices[i].location);
            moved = std::max(moved, std::hypot(d[0], d[1], d[2]));
        }
        for (std::size_t t = 0; t < base.triangles.size(); ++t) {
            const int* corners = read->triangles[t].vertexIndices;
            ASSERT_TRUE(std::equal(corners, corners + 3, base.triangles[t].vertexIndices)) << "triangle " << t;
        }
        EXPECT_GT(moved, 0.01f * size);
        EXPECT_LT(moved, 0.8f * size);
        ++poses;
    }
    EXPECT_GT(poses, 30);
    for (const char* name : {"./texture/Particle.jpg", "./texture/Particle.bmp", "./texture/gloh.jpg",
                             "./texture/big_gloh.jpg", "./texture/halo.jpg", "./texture/streaks.jpg",
                             "./texture/wasser02.jpg", "./texture/wasser02LOW.jpg", "./texture/wieseLOW.jpg",
                             "./texture/himmelLOW.jpg"}) {
        EXPECT_NE(loadTexture(name, 0, false), 0u) << name;
    }
}

std::string bytesOf(const fs::path& file)
{
    std::ostringstream all;
    all << std::ifstream(file, std::ios::binary).rdbuf();
    return all.str();
}

TEST(Generators, WriteTheSameFilesEveryRunAndRefuseARunDirectoryTheyCannotWriteTo)
{
    for (const char* tool : {"worldgen/korvel-worldgen", "mediagen/korvel-mediagen", "videogen/korvel-videogen"}) {
        SCOPED_TRACE(tool);
        const fs::path generator = fs::path(KORVEL_RUN_DIR) / ".." / "tools" / tool;
        ScratchDir scratch;
        ASSERT_EQ(std::system((generator.string() + " " + scratch.path().string() + " > /dev/null").c_str()), 0);
        int compared = 0;
        for (const auto& entry : fs::recursive_directory_iterator(scratch.path() / "data")) {
            if (entry.is_regular_file()) {
                const fs::path relative = fs::relative(entry.path(), scratch.path());
                ASSERT_EQ(bytesOf(entry.path()), bytesOf(fs::path(KORVEL_RUN_DIR) / relative)) << relative;
                ++compared;
            }
        }
        EXPECT_GT(compared, 1);
        scratch.write("blocked/data", "a file where the data folder belongs");
        EXPECT_NE(std::system((generator.string() + " 2> /dev/null").c_str()), 0);
        EXPECT_NE(std::system((generator.string() + " " + (scratch.path() / "blocked").string() + " 2> /dev/null").c_str()), 0);
    }
}

} // namespace
