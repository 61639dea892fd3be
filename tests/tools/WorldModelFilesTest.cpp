// The generated models, poses and bounding boxes, read back from the run
// directory the build filled.
#include "WorldFiles.h"

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

using Vec = std::array<float, 3>;

Vec minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
float dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

float extent(const WorldModel& model)
{
    Vec lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
    for (const Vec& v : model.vertices) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], v[k]);
            hi[k] = std::max(hi[k], v[k]);
        }
    }
    return std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
}

std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(WorldModelFiles, EveryPlacedModelIsAWellFormedVersion4File)
{
    for (const std::string& file : allWorldModelFiles()) {
        SCOPED_TRACE(file);
        const auto model = readWorldModel(file);
        ASSERT_TRUE(model.has_value());
        EXPECT_EQ(model->version, 4);
        EXPECT_GT(model->triangles.size(), 0u);
        for (const auto& t : model->triangles) {
            for (int v : t.vertices) {
                ASSERT_GE(v, 0);
                ASSERT_LT(v, static_cast<int>(model->vertices.size()));
            }
        }
        std::set<int> grouped;
        for (const auto& g : model->groups) {
            EXPECT_LT(g.material, static_cast<int>(model->materials.size()));
            grouped.insert(g.triangles.begin(), g.triangles.end());
        }
        EXPECT_EQ(grouped.size(), model->triangles.size()) << "every triangle belongs to a group";
    }
}

TEST(WorldModelFiles, NormalsAreUnitLengthAndOnTheSideTheWindingFaces)
{
    for (const std::string& file : allWorldModelFiles()) {
        SCOPED_TRACE(file);
        const auto model = readWorldModel(file);
        ASSERT_TRUE(model.has_value());
        int against = 0;
        for (const auto& t : model->triangles) {
            const Vec& a = model->vertices[static_cast<std::size_t>(t.vertices[0])];
            const Vec face = cross(minus(model->vertices[static_cast<std::size_t>(t.vertices[1])], a),
                                   minus(model->vertices[static_cast<std::size_t>(t.vertices[2])], a));
            for (const Vec& n : t.normals) {
                EXPECT_NEAR(std::sqrt(dot(n, n)), 1.0f, 1e-3f);
                if (dot(face, n) < 0.0f) {
                    ++against;
                }
            }
        }
        EXPECT_EQ(against, 0);
    }
}

TEST(WorldModelFiles, MaterialsNameTexturesThatExistBelowData)
{
    for (const std::string& file : allWorldModelFiles()) {
        SCOPED_TRACE(file);
        const auto model = readWorldModel(file);
        ASSERT_TRUE(model.has_value());
        for (const auto& m : model->materials) {
            if (m.texture.empty()) {
                continue;
            }
            ASSERT_EQ(m.texture.rfind("./", 0), 0u) << m.texture;
            EXPECT_TRUE(std::filesystem::is_regular_file(runDataPath("data/" + m.texture.substr(2)))) << m.texture;
        }
    }
}

TEST(WorldModelFiles, TreesAndForestsHaveTwoMaterialMeshesForTheDisplayLists)
{
    for (const char* file : {"data/baum.ms3d", "data/klwald.ms3d"}) {
        SCOPED_TRACE(file);
        const auto model = readWorldModel(file);
        ASSERT_TRUE(model.has_value());
        ASSERT_EQ(model->groups.size(), 2u) << "only meshes 0 and 1 are drawn from the lists";
        EXPECT_GE(model->groups[0].material, 0);
        EXPECT_GE(model->groups[1].material, 0);
        EXPECT_FALSE(model->groups[0].triangles.empty());
        EXPECT_FALSE(model->groups[1].triangles.empty());
    }
}

TEST(WorldModelFiles, SkyGlowsAndStaysInsideTheFarPlane)
{
    const auto sky = readWorldModel("data/sky.ms3d");
    ASSERT_TRUE(sky.has_value());
    ASSERT_FALSE(sky->materials.empty());
    EXPECT_GT(sky->materials[0].emissive[0] + sky->materials[0].emissive[1] + sky->materials[0].emissive[2], 1.5f);
    float radius = 0;
    for (const Vec& v : sky->vertices) {
        radius = std::max(radius, std::sqrt(dot(v, v)));
    }
    // Placed at scale 50 over the level centre; a camera may stand up to
    // about 150 from there (outside the walls on arrival).
    EXPECT_LT(radius * 50.0f + 150.0f, 4000.0f);
    EXPECT_GT(radius * 50.0f, 1000.0f) << "the dome must enclose the hills";
}

TEST(WorldModelFiles, EveryBoxedPlacementHasABoxWithGroundExtent)
{
    for (int level = 1; level <= 6; ++level) {
        for (const Placement& p : levelLayout(level)->placements) {
            if (!(p.flags & HasBox) || p.model == nullptr) {
                continue;
            }
            SCOPED_TRACE(p.node);
            const auto box = readWorldModel("data/bb" + std::string(p.model).substr(5));
            ASSERT_TRUE(box.has_value());
            float lo[3] = {2000, 2000, 2000}, hi[3] = {-2000, -2000, -2000};
            for (const Vec& v : box->vertices) {
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], v[k]);
                    hi[k] = std::max(hi[k], v[k]);
                }
            }
            EXPECT_GT(hi[0], lo[0]);
            EXPECT_GT(hi[2], lo[2]);
            EXPECT_LE(lo[1], 0.0f + 1e-3f) << "boxes stand on the ground";
        }
    }
}

TEST(WorldModelFiles, KeyframesKeepTheBaseModelsVerticesAndTrianglesAndMoveThem)
{
    int poses = 0;
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const Placement& p : layout.placements) {
            if (!(p.flags & Animated)) {
                continue;
            }
            const auto base = readWorldModel(p.model);
            ASSERT_TRUE(base.has_value()) << p.model;
            const float size = extent(*base);
            for (const AnimationSlot& slot : layout.animations) {
                if (std::string(slot.node) != p.node) {
                    continue;
                }
                for (int k = 0; k < slot.keyframeCount; ++k) {
                    const std::string file =
                        "data/" + worldModelName(p.model) + "_" + slot.name + "_" + std::to_string(k) + ".ms3d";
                    SCOPED_TRACE(file);
                    const auto pose = readWorldModel(file);
                    ASSERT_TRUE(pose.has_value());
                    ASSERT_EQ(pose->vertices.size(), base->vertices.size());
                    ASSERT_EQ(pose->triangles.size(), base->triangles.size());
                    float moved = 0;
                    for (std::size_t i = 0; i < base->vertices.size(); ++i) {
                        moved = std::max(moved, std::sqrt(dot(minus(pose->vertices[i], base->vertices[i]),
                                                              minus(pose->vertices[i], base->vertices[i]))));
                    }
                    for (std::size_t i = 0; i < base->triangles.size(); ++i) {
                        ASSERT_EQ(pose->triangles[i].vertices, base->triangles[i].vertices);
                    }
                    EXPECT_GT(moved, 0.01f * size) << "a pose must visibly differ from the base model";
                    EXPECT_LT(moved, 0.8f * size) << "a pose keeps the figure together";
                    ++poses;
                }
            }
        }
    }
    EXPECT_GT(poses, 100);
}

TEST(WorldModelFiles, GeneratorWritesTheSameFilesOnEveryRun)
{
    ScratchDir scratch;
    const std::string generator = std::string(KORVEL_RUN_DIR) + "/../tools/worldgen/korvel-worldgen";
    ASSERT_EQ(std::system((generator + " " + scratch.path().string() + " > /dev/null").c_str()), 0);
    int compared = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch.path() / "data")) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const auto relative = std::filesystem::relative(entry.path(), scratch.path());
        ASSERT_EQ(fileBytes(entry.path()), fileBytes(std::filesystem::path(KORVEL_RUN_DIR) / relative))
            << relative;
        ++compared;
    }
    EXPECT_GT(compared, 150);
}

TEST(WorldModelFiles, GeneratorRefusesAMissingRunDirectoryArgument)
{
    const std::string generator = std::string(KORVEL_RUN_DIR) + "/../tools/worldgen/korvel-worldgen";
    EXPECT_NE(std::system((generator + " 2> /dev/null").c_str()), 0);
    EXPECT_NE(std::system((generator + " /proc/forbidden 2> /dev/null").c_str()), 0);
}
