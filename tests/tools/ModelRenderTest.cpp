#include "../model/BmpFile.h"
#include "../model/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

// A wall facing the viewer (-Z), two units high: the upper half textured,
// the lower half without material.
Ms3dBuilder wall(float width)
{
    Ms3dBuilder b;
    const float w = width / 2;
    b.vertices = {{-w, 1, 0, 0}, {w, 1, 0, 0}, {w, 2, 0, 0}, {-w, 2, 0, 0},
                  {-w, 0, 0, 0}, {w, 0, 0, 0}};
    b.triangles.resize(4);
    const std::uint16_t corners[4][3] = {{0, 1, 2}, {0, 2, 3}, {4, 5, 1}, {4, 1, 0}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 3; ++j) {
            b.triangles[i].vertices[j] = corners[i][j];
            b.triangles[i].normals[j][0] = 0;
            b.triangles[i].normals[j][1] = 0;
            b.triangles[i].normals[j][2] = -1;
        }
    }
    b.groups = {{{0, 1}, 0}, {{2, 3}, 0xFF}};
    b.materials.resize(1);
    b.materials[0].texture = "./texture/rot.bmp";
    return b;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // top row first

    std::array<int, 3> at(int x, int y) const
    {
        const unsigned char* p = &rgb[(y * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    static bool red(const std::array<int, 3>& p) { return p[0] > 80 && p[1] < 40 && p[2] < 40; }
};

Picture readPng(const std::string& file)
{
    Picture picture;
    ilInit();
    ilEnable(IL_ORIGIN_SET);
    ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (ilLoadImage(file.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        picture.width = ilGetInteger(IL_IMAGE_WIDTH);
        picture.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const unsigned char* data = ilGetData();
        picture.rgb.assign(data, data + picture.width * picture.height * 3);
    }
    ilDeleteImages(1, &image);
    return picture;
}

// Rows and columns of the red area.
struct Extent {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

Extent redExtent(const Picture& p)
{
    Extent e;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (Picture::red(p.at(x, y))) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}

std::string slurp(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ModelRenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("run/data/texture/rot.bmp", bmp::solid(4, 4, {255, 0, 0}));
        dir.write("run/data/wand.ms3d", wall(2).bytes());
        dir.write("elsewhere/.keep", "");
    }

    // Runs the built tool from another folder than the game's run directory.
    int run(const std::string& arguments, const std::string& environment = "")
    {
        const std::string command = "cd elsewhere && " + environment + " '" +
            std::string(KORVEL_RUN_DIR) + "/korvel-model' " + arguments + " > ../out.txt 2> ../err.txt";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    ScratchDir dir;
};

} // namespace

TEST_F(ModelRenderTest, DrawsTheModelCentredUprightAndTextured)
{
    ASSERT_EQ(run("render ../run/data/wand.ms3d ../wand.png"), 0) << slurp("err.txt");
    const Picture p = readPng("wand.png");
    ASSERT_EQ(p.width, 640);
    ASSERT_EQ(p.height, 480);

    // The background shows in the corners, the model in the middle.
    EXPECT_FALSE(Picture::red(p.at(2, 2)));
    EXPECT_EQ(p.at(2, 2), p.at(637, 477));
    const Extent e = redExtent(p);
    ASSERT_GE(e.right, 0) << "texture from run/data was not used";
    EXPECT_NEAR((e.left + e.right) / 2.0, 320, 60);
    // Textured upper half above the untextured lower half, not upside down.
    EXPECT_LT((e.top + e.bottom) / 2, 220);
    EXPECT_GT(e.bottom - e.top, 60);
    const auto below = p.at((e.left + e.right) / 2, e.bottom + 30);
    EXPECT_FALSE(Picture::red(below));
    EXPECT_NE(below, p.at(2, 2));
}

TEST_F(ModelRenderTest, DrawsAPoseOfAnAnimation)
{
    dir.write("run/data/wand_breit_0.ms3d", wall(2).bytes());
    dir.write("run/data/wand_breit_1.ms3d", wall(8).bytes());
    ASSERT_EQ(run("render ../run/data/wand.ms3d ../schmal.png breit 0"), 0) << slurp("err.txt");
    ASSERT_EQ(run("render ../run/data/wand.ms3d ../breit.png breit 1"), 0) << slurp("err.txt");
    const Extent narrow = redExtent(readPng("schmal.png"));
    const Extent wide = redExtent(readPng("breit.png"));
    const double narrowRatio = double(narrow.right - narrow.left) / (narrow.bottom - narrow.top);
    const double wideRatio = double(wide.right - wide.left) / (wide.bottom - wide.top);
    EXPECT_LT(narrowRatio, 2.5);
    EXPECT_GT(wideRatio, 1.6 * narrowRatio);
}

TEST_F(ModelRenderTest, RefusesWhatItCannotDraw)
{
    EXPECT_EQ(run("render ../run/data/fehlt.ms3d ../x.png"), 1);
    EXPECT_NE(slurp("err.txt").find("cannot load"), std::string::npos);

    EXPECT_EQ(run("render ../run/data/wand.ms3d ../x.png sprung 0"), 1);
    EXPECT_NE(slurp("err.txt").find("no usable pose 0 of animation \"sprung\""), std::string::npos);
    EXPECT_NE(slurp("out.txt").find("=== WARNING: Anim-File for"), std::string::npos);

    EXPECT_EQ(run("render ../run/data/wand.ms3d ../x.png breit zwei"), 2);
    EXPECT_EQ(run("render ../run/data/wand.ms3d ../x.png breit 5"), 2);
    EXPECT_EQ(run("render ../run/data/wand.ms3d"), 2);
    EXPECT_NE(slurp("err.txt").find("usage"), std::string::npos);

    EXPECT_EQ(run("render ../run/data/wand.ms3d ../kein/ordner/x.png"), 1);
    EXPECT_NE(slurp("err.txt").find("cannot write"), std::string::npos);

    for (const char* emptyName : {"render '' ../x.png", "render ../run/data/wand.ms3d ''"}) {
        EXPECT_EQ(run(emptyName), 1) << emptyName;
        EXPECT_NE(slurp("err.txt").find("need a file name"), std::string::npos) << emptyName;
    }

    EXPECT_EQ(run("render ../run/data/wand.ms3d ../x.png", "env -u DISPLAY"), 1);
    EXPECT_NE(slurp("err.txt").find("X display"), std::string::npos);
}
