// The generated data as the game reads it: every model, box and pose well
// formed and loadable with its textures, and every generator deterministic.
#include "levels/Level2.h"
#include "levels/Level5.h"
#include "levels/LevelTables.h"
#include "model/Model.h"
#include "model/Ms3dReader.h"
#include "model/TextureLoader.h"
#include "support/RealGame.h"
#include "support/RunDirTest.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// One model file the game loads: a model, the box beside a boxed one, or a
// pose of an animated one (`base` is the model it bends).
struct WorldFile {
    enum Kind { Model, Box, Pose } kind;
    std::string path, base;
};

// Every model the six levels place or load later into placed nodes, and the
// dialog panel; then the boxes and poses of the placed ones. No repeats.
std::vector<WorldFile> worldFiles()
{
    std::vector<WorldFile> files;
    const auto add = [&files](WorldFile::Kind kind, const std::string& path, const std::string& base = "") {
        if (std::none_of(files.begin(), files.end(), [&](auto& f) { return f.path == path; })) files.push_back({kind, path, base});
    };
    for (const char* model : {Level2::mendedManger, Level5::shutCage, "data/dialogbox.ms3d"}) add(WorldFile::Model, model);
    for (int level = 1; level <= 6; ++level) {
        for (const ObjectRow& row : levelTable(level)->objects) {
            if (row.model == nullptr) continue;
            const std::string model = row.model, stem = model.substr(5, model.size() - 10); // data/<stem>.ms3d
            add(WorldFile::Model, model);
            if (row.flags & HasBox) add(WorldFile::Box, "data/bb" + stem + ".ms3d");
            for (const Move& move : row.moves) {
                for (int k = 0; (row.flags & Animated) && move.name != nullptr && k < move.keyframeCount; ++k) {
                    add(WorldFile::Pose, "data/" + stem + "_" + move.name + "_" + std::to_string(k) + ".ms3d", model);
                }
            }
        }
    }
    return files;
}

std::array<float, 3> minus(const float* a, const float* b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

using WorldData = RunDirTest;

TEST_F(WorldData, EveryModelBoxAndPoseIsWellFormedAndLoadsWithItsTextures)
{
    std::map<std::string, Ms3dContents> models;
    int poses = 0;
    for (const WorldFile& file : worldFiles()) {
        SCOPED_TRACE(file.path);
        const auto read = readMs3dFile(file.path.c_str());
        ASSERT_TRUE(read.has_value() && read->version == 4);
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (const Vertex& v : read->vertices) {
            for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], v.location[k]), hi[k] = std::max(hi[k], v.location[k]);
        }
        if (file.kind == WorldFile::Box) {
            EXPECT_TRUE(hi[0] > lo[0] && hi[2] > lo[2] && lo[1] <= 1e-3f) << "a box stands on the ground";
            continue;
        }
        Ms3dModel loaded; // as the game loads it, textures included
        ASSERT_TRUE(loaded.loadModelData(file.path.c_str()));
        for (const auto& m : loaded.materials) EXPECT_TRUE(m.textureFilename.empty() || m.texture) << m.textureFilename;
        std::set<int> grouped;
        for (const Mesh& mesh : read->meshes) grouped.insert(mesh.triangleIndices.begin(), mesh.triangleIndices.end());
        ASSERT_TRUE(!read->triangles.empty() && grouped.size() == read->triangles.size()) << "all in groups";
        for (const Triangle& t : read->triangles) { // unit normals on the side the winding faces
            const float* corner = read->vertices[t.vertexIndices[0]].location;
            const auto e1 = minus(read->vertices[t.vertexIndices[1]].location, corner);
            const auto e2 = minus(read->vertices[t.vertexIndices[2]].location, corner);
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
        models[file.path] = *read;
        if (file.kind == WorldFile::Model) continue;
        const Ms3dContents& base = models.at(file.base); // a pose bends its model visibly, but keeps it together
        ASSERT_TRUE(read->vertices.size() == base.vertices.size() && read->triangles.size() == base.triangles.size());
        float moved = 0, size = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
        for (std::size_t i = 0; i < base.vertices.size(); ++i) {
            const auto d = minus(read->vertices[i].location, base.vertices[i].location);
            moved = std::max(moved, std::hypot(d[0], d[1], d[2]));
        }
        for (std::size_t t = 0; t < base.triangles.size(); ++t) {
            const int* corners = read->triangles[t].vertexIndices;
            ASSERT_TRUE(std::equal(corners, corners + 3, base.triangles[t].vertexIndices)) << "triangle " << t;
        }
        EXPECT_TRUE(moved > 0.01f * size && moved < 0.8f * size) << moved << " of " << size;
        ++poses;
    }
    EXPECT_GT(poses, 30);
    for (const char* name : {"Particle.jpg", "Particle.bmp", "gloh.jpg", "big_gloh.jpg", "halo.jpg", "streaks.jpg",
                             "wasser02.jpg", "wasser02LOW.jpg", "wieseLOW.jpg", "himmelLOW.jpg"}) {
        EXPECT_NE(loadTexture((std::string("./texture/") + name).c_str(), 0, false), 0u) << name;
    }
}

// Each generator writes the same files every run; on a disk that fills up what it wrote is whole.
TEST(Generators, WriteTheSameFilesEveryRunAndNothingHalfWritten)
{
    for (const char* tool : {"worldgen/korvel-worldgen", "mediagen/korvel-mediagen", "videogen/korvel-videogen"}) {
        SCOPED_TRACE(tool);
        const std::string generator = (fs::path(KORVEL_RUN_DIR) / ".." / "tools" / tool).string();
        ScratchDir scratch;
        for (const char* dir : {".", "full"}) { // the videos' words come from the build's catalogues
            fs::create_directories(dir);
            fs::create_directory_symlink(fs::path(KORVEL_RUN_DIR) / "locale", fs::path(dir) / "locale");
        }
        const auto sameAsTheBuilds = [&](const fs::path& dir) {
            int compared = 0;
            for (const auto& entry : fs::recursive_directory_iterator(dir / "data")) {
                const fs::path relative = fs::relative(entry.path(), dir);
                compared += entry.is_regular_file() ? 1 : 0;
                EXPECT_TRUE(!entry.is_regular_file() || readText(entry.path()) == readText(fs::path(KORVEL_RUN_DIR) / relative))
                    << relative;
            }
            return compared;
        };
        ASSERT_EQ(std::system((generator + " " + scratch.path().string() + " > /dev/null").c_str()), 0);
        EXPECT_GT(sameAsTheBuilds(scratch.path()), 1);
        const std::string filling = "trap '' XFSZ; ulimit -f 4; " + generator + " full > /dev/null 2>&1";
        EXPECT_NE(std::system(filling.c_str()), 0) << "the data fit in 4 KiB files";
        sameAsTheBuilds(scratch.path() / "full");
    }
}

} // namespace
