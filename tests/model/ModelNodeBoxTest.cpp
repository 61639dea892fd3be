#include "Ms3dBuilder.h"
#include "model/ModelNode.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

void expectNear(const Vector3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

// A node "data/brunnen.ms3d" whose box file holds the given points.
std::unique_ptr<ModelNode> nodeWithBox(const ScratchDir& dir, std::vector<Ms3dBuilder::Vertex> points)
{
    dir.write("data/brunnen.ms3d", Ms3dBuilder::triangle().bytes());
    Ms3dBuilder box;
    box.vertices = std::move(points);
    dir.write("data/bbbrunnen.ms3d", box.bytes());
    auto node = std::make_unique<ModelNode>();
    node->hasBoundingBox = true;
    return node;
}

float groundDistance(const Vector3& a, const Vector3& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}

} // namespace

TEST(ModelNodeBoxTest, FreshNodeHasTheGameDefaults)
{
    auto node = std::make_unique<ModelNode>();
    EXPECT_TRUE(node->castsShadow);
    EXPECT_TRUE(node->highQualityTextures);
    EXPECT_FALSE(node->particleMode || node->useSheet || node->useDisplayList || node->animated);
    EXPECT_FALSE(node->hasBoundingBox || node->textureFlag || node->selected);
    EXPECT_EQ(node->drawnModel, &node->model);
    expectNear(node->scale, 1, 1, 1);
    expectNear(node->direction, 1, 0, 0);
    expectNear(node->forward, 0, 0, -1);
    expectNear(node->shadowLight, 0, 0, 0);
    EXPECT_EQ(node->box.cornerDist[2], 0.0f);
    EXPECT_TRUE(node->animations[0].name.empty());
    EXPECT_EQ(node->textStyle.font, GLUT_BITMAP_HELVETICA_12);
}

TEST(ModelNodeBoxTest, CornersAndPointsFromTheBoxModelsExtremes)
{
    ScratchDir dir;
    auto node = nodeWithBox(dir, {{-1, 0, -2}, {3, 4, 5}, {0, 1, 0}});
    node->position.set(10, 1, 20);
    node->scale.set(2, 1, 0.5f);
    ASSERT_TRUE(node->load("data/brunnen.ms3d"));

    const BoundingBox& b = node->box;
    expectNear(b.corner[0], 8, 1, 19);
    expectNear(b.corner[1], 8, 1, 22.5f);
    expectNear(b.corner[2], 16, 5, 22.5f);
    expectNear(b.corner[3], 16, 5, 19);
    expectNear(b.points[0], 8, 1, 19);
    expectNear(b.points[1], 8, 1, 22.5f);
    expectNear(b.points[2], 16, 1, 22.5f);
    expectNear(b.points[3], 16, 1, 19);
    expectNear(b.points[4], 8, 5, 19);
    expectNear(b.points[5], 8, 5, 22.5f);
    expectNear(b.points[6], 16, 5, 22.5f);
    expectNear(b.points[7], 16, 5, 19);
    EXPECT_NEAR(b.cornerDist[0], std::sqrt(4.0f + 1.0f), 1e-5f);
    expectNear(b.cornerDir[0], -2 / std::sqrt(5.0f), 0, -1 / std::sqrt(5.0f));
}

TEST(ModelNodeBoxTest, HeadingAtLoadTurnsTheBoxAboutThePosition)
{
    ScratchDir dir;
    auto node = nodeWithBox(dir, {{-1, 0, -2}, {3, 4, 5}});
    node->position.set(10, 0, 20);
    node->heading = 90.0f;
    ASSERT_TRUE(node->load("data/brunnen.ms3d"));
    // Turning by 90 degrees maps an offset (x, y, z) to (z, y, -x).
    expectNear(node->box.corner[0], 10 - 2, 0, 20 + 1);
    expectNear(node->box.corner[2], 10 + 5, 4, 20 - 3);
}

TEST(ModelNodeBoxTest, BoxesBeyondTwoThousandKeepTheStartValues)
{
    ScratchDir dir;
    auto far = nodeWithBox(dir, {{3000, 0, 0}, {5000, 1, 1}});
    ASSERT_TRUE(far->load("data/brunnen.ms3d"));
    EXPECT_EQ(far->box.corner[0].x, 2000.0f);
    EXPECT_EQ(far->box.corner[2].x, 5000.0f);

    auto below = nodeWithBox(dir, {{-5000, 0, 0}, {-3000, 1, 1}});
    ASSERT_TRUE(below->load("data/brunnen.ms3d"));
    EXPECT_EQ(below->box.corner[0].x, -5000.0f);
    EXPECT_EQ(below->box.corner[2].x, -2000.0f);
}

TEST(ModelNodeBoxTest, RotateBoxKeepsTheShapeAndTurnsBack)
{
    ScratchDir dir;
    auto node = nodeWithBox(dir, {{-1, 0, -2}, {3, 4, 5}});
    node->position.set(-7, 2, 3);
    ASSERT_TRUE(node->load("data/brunnen.ms3d"));
    const BoundingBox before = node->box;

    node->rotateBox(37.0f);
    const BoundingBox& after = node->box;
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(after.cornerDist[i], before.cornerDist[i], 1e-6f);
        const int j = (i + 1) % 4;
        EXPECT_NEAR(groundDistance(after.points[i], after.points[j]),
                    groundDistance(before.points[i], before.points[j]), 1e-3f);
        EXPECT_NEAR(after.corner[i].y, before.corner[i].y, 1e-4f);
    }
    EXPECT_NEAR(groundDistance(after.points[0], after.points[2]),
                groundDistance(before.points[0], before.points[2]), 1e-3f);
    EXPECT_GT(groundDistance(after.corner[0], before.corner[0]), 0.5f);

    node->rotateBox(-37.0f);
    for (int i = 0; i < 8; ++i) {
        expectNear(node->box.points[i], before.points[i].x, before.points[i].y, before.points[i].z);
    }
}

TEST(ModelNodeBoxTest, MissingFilesFailOnlyForTheModelItself)
{
    ScratchDir dir;
    auto node = std::make_unique<ModelNode>();
    node->hasBoundingBox = true;
    EXPECT_FALSE(node->load("data/fehlt.ms3d"));

    dir.write("data/ohnebox.ms3d", Ms3dBuilder::triangle().bytes());
    node->position.set(4, 5, 6);
    EXPECT_TRUE(node->load("data/ohnebox.ms3d"));
    EXPECT_EQ(node->model.vertices.size(), 3u);
    expectNear(node->box.points[6], 0, 0, 0);
    EXPECT_EQ(node->box.cornerDist[0], 0.0f);

    // A name too short to hold "data/" has no box file to look for.
    EXPECT_FALSE(node->load("x"));
}
