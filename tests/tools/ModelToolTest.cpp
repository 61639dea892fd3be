// korvel-model, run as a user runs it, from another folder than the game's.
#include "support/BmpFile.h"
#include "support/Ms3dBuilder.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

class ModelToolTest : public ::testing::Test {
protected:
    // Exit status; the output lands in `out` and `err`.
    int run(const std::string& arguments, const std::string& environment = "")
    {
        const int raw = std::system(("cd elsewhere && " + environment + " '" + KORVEL_RUN_DIR + "/korvel-model' " +
                                     arguments + " > ../out.txt 2> ../err.txt").c_str());
        out = readText("out.txt"), err = readText("err.txt");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    ScratchDir dir;
    std::string out, err;
    void SetUp() override { dir.write("elsewhere/.keep", ""); }
};

TEST_F(ModelToolTest, InfoPrintsCountsTexturesAndBoundsAsJsonAndNamesWhatItRefuses)
{
    Ms3dBuilder file;
    file.version = 3;
    file.vertices = {{-1.5f, 0, 2, 0}, {1, 0.25f, 2, 0}, {1, 2, -2.75f, 0}, {-1, 1e6f, -2, 0}};
    file.triangles.resize(2);
    file.groups = {{{0, 1}, 1}, {{1}, 0xFF}, {{}, 0}};
    file.materials.resize(3);
    file.materials[0].texture = ".\\wiese.jpg";
    file.materials[2].texture = "./tex/\"q\"\xe4.bmp";
    dir.write("data/haus.ms3d", file.bytes());

    EXPECT_EQ(run("info '../data/haus.ms3d'"), 0) << err;
    EXPECT_EQ(out, "{\"version\": 3, \"vertices\": 4, \"triangles\": 2, \"meshes\": 3, \"materials\": 3, "
                   "\"textures\": [\".\\\\wiese.jpg\", \"\", \"./tex/\\\"q\\\"\\u00e4.bmp\"], "
                   "\"min\": [-1.5, 0, -2.75], \"max\": [1, 1e+06, 2]}\n");
    EXPECT_EQ(run("info '../no such.ms3d'"), 1);
    EXPECT_NE(err.find("no such.ms3d"), std::string::npos) << err;
    for (const char* arguments : {"", "info", "info a.ms3d b.ms3d", "INFO a.ms3d", "render a.ms3d",
                                  "render a.ms3d x.png walk two", "render a.ms3d x.png walk 5"}) {
        EXPECT_EQ(run(arguments), 2) << arguments;
        EXPECT_NE(err.find("usage: korvel-model"), std::string::npos) << arguments;
    }
}

TEST_F(ModelToolTest, RenderDrawsAPoseUprightAndCentredWithTexturesFromTheModelsRunDirectory)
{
    // A wall facing the viewer, its upper half textured red, its lower half
    // without material; its pose is four times as wide.
    const auto wall = [](float w) {
        Ms3dBuilder b;
        b.vertices = {{-w, 1, 0, 0}, {w, 1, 0, 0}, {w, 2, 0, 0}, {-w, 2, 0, 0}, {-w, 0, 0, 0}, {w, 0, 0, 0}};
        const auto facing = [](std::uint16_t i, std::uint16_t j, std::uint16_t k) {
            return Ms3dBuilder::Triangle{{i, j, k}, {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}};
        };
        b.triangles = {facing(0, 1, 2), facing(0, 2, 3), facing(4, 5, 1), facing(4, 1, 0)};
        b.groups = {{{0, 1}, 0}, {{2, 3}, 0xFF}};
        b.materials.resize(1);
        b.materials[0].texture = "./texture/rot.bmp";
        return b.bytes();
    };
    dir.write("run/data/texture/rot.bmp", bmp::solid(4, 4, {255, 0, 0}));
    dir.write("run/data/wand.ms3d", wall(1));
    dir.write("run/data/wand_breit_0.ms3d", wall(4));
    // The red area of a 640 x 480 picture, its width over its height, and
    // whether something other than the background lies below its middle.
    struct Red {
        int left = 640, right = -1, top = 480, bottom = -1;
        bool below = false;
        double aspect() const { return double(right - left) / (bottom - top); }
    };
    const auto redIn = [](const char* png) {
        ilInit();
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
        const ILuint image = ilGenImage();
        ilBindImage(image);
        EXPECT_TRUE(ilLoadImage(png) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE));
        EXPECT_EQ(ilGetInteger(IL_IMAGE_WIDTH) * 10 + ilGetInteger(IL_IMAGE_HEIGHT), 640 * 10 + 480);
        const auto at = [p = ilGetData()](int x, int y) { return p + (y * 640 + x) * 3; };
        const auto red = [&](int x, int y) { return at(x, y)[0] > 80 && at(x, y)[1] < 40 && at(x, y)[2] < 40; };
        Red r;
        for (int i = 0; i < 640 * 480; ++i) {
            if (red(i % 640, i / 640)) {
                r.left = std::min(r.left, i % 640), r.right = std::max(r.right, i % 640);
                r.top = std::min(r.top, i / 640), r.bottom = i / 640;
            }
        }
        const int middle = (r.left + r.right) / 2;
        r.below = r.bottom >= 0 && !red(middle, r.bottom + 30) &&
                  !std::equal(at(2, 2), at(2, 3), at(middle, r.bottom + 30));
        ilDeleteImage(image);
        return r;
    };
    ASSERT_EQ(run("render ../run/data/wand.ms3d ../wand.png"), 0) << err;
    const Red plain = redIn("wand.png");
    EXPECT_NEAR((plain.left + plain.right) / 2.0, 320, 60) << "centred";
    EXPECT_LT((plain.top + plain.bottom) / 2, 220) << "the textured half on top";
    EXPECT_TRUE(plain.below) << "the untextured half below it";
    ASSERT_EQ(run("render ../run/data/wand.ms3d ../breit.png breit 0"), 0) << err;
    EXPECT_GT(redIn("breit.png").aspect(), 1.6 * plain.aspect()) << "the wide pose";

    using Refusal = std::array<const char*, 3>; // environment, arguments, part of the message
    for (const auto& [environment, arguments, message] :
         {Refusal{"", "render ../run/data/fehlt.ms3d ../x.png", "fehlt.ms3d"},
          Refusal{"", "render ../run/data/wand.ms3d ../x.png sprung 0", "no usable pose 0 of animation \"sprung\""},
          Refusal{"", "render ../run/data/wand.ms3d ''", "need a file name"},
          Refusal{"env -u DISPLAY", "render ../run/data/wand.ms3d ../x.png", "X display"}}) {
        EXPECT_EQ(run(arguments, environment), 1) << arguments;
        EXPECT_NE(err.find(message), std::string::npos) << arguments << ": " << err;
    }
}

} // namespace
