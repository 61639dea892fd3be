// The generated data as the game itself reads it: every model, pose and box
// through the MS3D loader, every texture through the texture loader with a
// real OpenGL context, every model through `korvel-model info`.
#include "WorldFiles.h"

#include "model/Model.h"
#include "model/ModelNode.h"
#include "model/TextureLoader.h"
#include "support/GlTestWindow.h"
#include "support/RunDirTest.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

// Every file the game loads for the placed models: models, boxes, poses.
std::vector<std::string> everyModelFileTheGameLoads()
{
    std::vector<std::string> files = allWorldModelFiles();
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const Placement& p : layout.placements) {
            if ((p.flags & HasBox) && p.model != nullptr) {
                files.push_back("data/bb" + std::string(p.model).substr(5));
            }
            for (const AnimationSlot& slot : layout.animations) {
                if ((p.flags & Animated) && std::string(slot.node) == p.node) {
                    for (int k = 0; k < slot.keyframeCount; ++k) {
                        files.push_back("data/" + worldModelName(p.model) + "_" + slot.name + "_" +
                                        std::to_string(k) + ".ms3d");
                    }
                }
            }
        }
    }
    return files;
}

} // namespace

using WorldGameLoader = RunDirTest;

TEST_F(WorldGameLoader, LoadsEveryModelPoseAndBoxWithTexturesBound)
{
    const std::vector<std::string> files = everyModelFileTheGameLoads();
    EXPECT_GT(files.size(), 200u);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        Ms3dModel model;
        ASSERT_TRUE(model.loadModelData(file.c_str()));
        EXPECT_GT(model.numTriangles, 0);
        for (const Material& material : model.materials) {
            if (!material.textureFilename.empty()) {
                EXPECT_NE(material.texture, 0u) << material.textureFilename;
            }
        }
    }
}

TEST_F(WorldGameLoader, PosesHoldTheBaseModelsVerticesInTheSameTriangles)
{
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const Placement& p : layout.placements) {
            if (!(p.flags & Animated)) {
                continue;
            }
            Ms3dModel base;
            ASSERT_TRUE(base.loadModelData(p.model));
            for (const AnimationSlot& slot : layout.animations) {
                if (std::string(slot.node) != p.node) {
                    continue;
                }
                for (int k = 0; k < slot.keyframeCount; ++k) {
                    const std::string file =
                        "data/" + worldModelName(p.model) + "_" + slot.name + "_" + std::to_string(k) + ".ms3d";
                    SCOPED_TRACE(file);
                    Ms3dModel pose;
                    ASSERT_TRUE(pose.loadModelData(file.c_str()));
                    ASSERT_EQ(pose.numVertices, base.numVertices);
                    ASSERT_EQ(pose.numTriangles, base.numTriangles);
                    for (int t = 0; t < base.numTriangles; ++t) {
                        for (int c = 0; c < 3; ++c) {
                            ASSERT_EQ(pose.triangles[static_cast<std::size_t>(t)].vertexIndices[c],
                                      base.triangles[static_cast<std::size_t>(t)].vertexIndices[c]);
                        }
                    }
                }
            }
        }
    }
}

TEST_F(WorldGameLoader, EffectAndLowQualityTexturesLoad)
{
    for (const char* name : {"./texture/Particle.jpg", "./texture/Particle.bmp", "./texture/gloh.jpg",
                             "./texture/big_gloh.jpg", "./texture/halo.jpg", "./texture/streaks.jpg",
                             "./texture/wasser02.jpg", "./texture/wasser02LOW.jpg", "./texture/wieseLOW.jpg",
                             "./texture/himmelLOW.jpg"}) {
        EXPECT_NE(loadTexture(name, 0, false), 0u) << name;
    }
    EXPECT_EQ(loadTexture("./texture/nirgends.jpg", 0, false), 0u);
}

TEST_F(WorldGameLoader, DialogPanelCoversTheTextRowsOnScreen)
{
    ModelNode panel("dialogbox");
    ASSERT_TRUE(panel.load("data/dialogbox.ms3d"));
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Placed in normalised device coordinates as the dialog box places it.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, -0.85f, 0.0f);
    glScalef(0.25f, 0.4f, 0.25f);
    panel.drawModel(panel.drawnModel);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);

    const int w = GlTestWindow::width, h = GlTestWindow::height;
    auto covered = [](int x, int yFromTop) {
        const auto p = GlTestWindow::pixel(x, GlTestWindow::height - 1 - yFromTop);
        return !(p[0] > 200 && p[1] < 50 && p[2] > 200);
    };
    // Text rows start at a quarter of the width, 60 % down, 20 pixels apart;
    // a conversation shows up to one text line and two replies, often more.
    for (int row = 0; row < 6; ++row) {
        const int y = static_cast<int>(0.6f * h) + 20 * row;
        EXPECT_TRUE(covered(w / 4 - 2, y - 10)) << "row " << row;
        EXPECT_TRUE(covered(w / 4 + 300, y - 4)) << "row " << row;
    }
    EXPECT_FALSE(covered(w / 2, h / 2)) << "the upper half stays the scene's";
    EXPECT_FALSE(covered(5, h - 5)) << "the box does not fill the bottom-left corner";
    const auto inside = GlTestWindow::pixel(w / 2, h / 10);
    EXPECT_LT(inside[0] + inside[1] + inside[2], 3 * 160) << "dark enough for white letters";
}

TEST(WorldModelInfo, ToolReadsEveryGeneratedModel)
{
    for (const std::string& file : allWorldModelFiles()) {
        const std::string command = std::string("'") + KORVEL_RUN_DIR + "/korvel-model' info '" +
                                    runDataPath(file) + "' > /dev/null 2>&1";
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << file;
    }
}
