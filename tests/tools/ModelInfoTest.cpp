#include "../model/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ModelInfoTest : public ::testing::Test {
protected:
    // Runs the built tool in the scratch directory; arguments are passed
    // through the shell, each in single quotes.
    ToolRun run(const std::string& arguments)
    {
        const std::string command = std::string("'") + KORVEL_RUN_DIR + "/korvel-model' "
            + arguments + " > out.txt 2> err.txt";
        const int raw = std::system(command.c_str());
        ToolRun result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = slurp("out.txt");
        result.err = slurp("err.txt");
        return result;
    }

    ScratchDir dir;
};

TEST_F(ModelInfoTest, PrintsCountsTexturesAndBoundsAsJson)
{
    Ms3dBuilder file;
    file.version = 3;
    file.vertices = {{-1.5f, 0, 2, 0}, {1, 0.25f, 2, 0}, {1, 2, -2.75f, 0}, {-1, 1e6f, -2, 0}};
    file.triangles.resize(2);
    file.triangles[1].vertices[2] = 3;
    file.groups = {{{0, 1}, 1}, {{1}, 0xFF}, {{}, 0}};
    file.materials.resize(3);
    file.materials[0].texture = ".\\wiese.jpg";
    file.materials[2].texture = "./tex/\"q\"\xe4.bmp";
    dir.write("data/haus.ms3d", file.bytes());

    const ToolRun result = run("info 'data/haus.ms3d'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
        "{\"version\": 3, \"vertices\": 4, \"triangles\": 2, \"meshes\": 3, \"materials\": 3, "
        "\"textures\": [\".\\\\wiese.jpg\", \"\", \"./tex/\\\"q\\\"\\u00e4.bmp\"], "
        "\"min\": [-1.5, 0, -2.75], \"max\": [1, 1e+06, 2]}\n");
}

TEST_F(ModelInfoTest, ModelWithoutVerticesHasNoBounds)
{
    dir.write("empty.ms3d", Ms3dBuilder{}.bytes());
    const ToolRun result = run("info empty.ms3d");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
        "{\"version\": 4, \"vertices\": 0, \"triangles\": 0, \"meshes\": 0, \"materials\": 0, "
        "\"textures\": [], \"min\": null, \"max\": null}\n");
}

TEST_F(ModelInfoTest, RefusedFilesAreNamedOnStandardError)
{
    Ms3dBuilder badIndex = Ms3dBuilder::triangle("./gras.jpg");
    badIndex.triangles[0].vertices[0] = 3;
    dir.write("bad index.ms3d", badIndex.bytes());
    const std::string whole = Ms3dBuilder::triangle().bytes();
    dir.write("short.ms3d", whole.substr(0, whole.size() / 2));

    for (const char* name : {"bad index.ms3d", "short.ms3d", "missing.ms3d"}) {
        const ToolRun result = run(std::string("info '") + name + "'");
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.out, "") << name;
        EXPECT_NE(result.err.find(name), std::string::npos) << result.err;
    }
    EXPECT_NE(run("info missing.ms3d").err.find("no such file"), std::string::npos);
}

TEST_F(ModelInfoTest, BadArgumentsGetTheUsage)
{
    dir.write("ok.ms3d", Ms3dBuilder::triangle().bytes());
    for (const char* arguments : {"", "info", "info ok.ms3d ok.ms3d", "inf ok.ms3d", "INFO ok.ms3d"}) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << '"' << arguments << '"';
        EXPECT_EQ(result.out, "") << '"' << arguments << '"';
        EXPECT_NE(result.err.find("usage: korvel-model"), std::string::npos) << '"' << arguments << '"';
        EXPECT_NE(result.err.find("info FILE.ms3d"), std::string::npos) << '"' << arguments << '"';
    }
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: korvel-model"), std::string::npos);
}

} // namespace
