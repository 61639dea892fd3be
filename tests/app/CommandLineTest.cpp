#include "app/CommandLine.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <regex>
#include <tuple>

// Without a display: asking for one ends the program with GLUT's error and status 1.
TEST(CommandLineTest, HelpVersionAndMistakesAreAnsweredWithoutAWindow)
{
    const std::string usage = "Usage: korvel \\[OPTION\\]\\.\\.\\.\n[\\s\\S]*--window WxH[\\s\\S]*";
    const std::tuple<std::string, int, std::string, std::string> answers[] = {
        {"--help", 0, usage, ""},
        {"--fullscreen -h", 0, usage, ""},
        {"--version", 0, "Korvel [0-9]+\\.[0-9]+\\.[0-9]+\n", ""},
        {"--fly", 2, "", "korvel: unknown option \"--fly\"\n\n" + usage},
        {"--window 800", 2, "", "korvel: --window wants a size such as 1024x768, from 64x64 to 16384x16384, "
                                "not \"800\"\n\n" + usage},
        {"--window=0x600", 2, "", "korvel: --window wants [\\s\\S]*"},
        {"--window 4294967297x600", 2, "", "korvel: --window wants [^\n]*\"4294967297x600\"\n[\\s\\S]*"},
        {"--window 800x600x", 2, "", "korvel: --window wants [\\s\\S]*"},
        {"-display", 2, "", "korvel: -display wants a value\n\n" + usage},
        {"--no-intro", 1, "Viel Spass mit Korvel ....\n", "[\\s\\S]*failed to open display[\\s\\S]*"},
    };
    ScratchDir dir;
    for (const auto& [args, status, out, err] : answers) {
        SCOPED_TRACE(args);
        const std::string line = "env -u DISPLAY " KORVEL_RUN_DIR "/korvel " + args + " >out 2>err";
        EXPECT_EQ(WEXITSTATUS(std::system(line.c_str())), status);
        EXPECT_TRUE(std::regex_match(readText("out"), std::regex(out))) << readText("out");
        EXPECT_TRUE(std::regex_match(readText("err"), std::regex(err))) << readText("err");
    }
}

TEST(CommandLineTest, SettingsGivenWinOverTheFileForOneRun)
{
    // Over a file that asks for a 640 x 480 window and the intro; the last
    // column counts the arguments handed on to GLUT.
    const std::tuple<std::vector<const char*>, Options, size_t> runs[] = {
        {{"--fullscreen", "--window", "1024x768"}, {false, 1024, 768, true, false}, 0},
        {{"--window=300x200", "--fullscreen"}, {true, 800, 600, true, false}, 0},
        {{"--intro", "--no-intro", "-display", ":7", "-iconic"}, {false, 640, 480, false, false}, 3},
    };
    const auto fields = [](const Options& o) { return std::tie(o.fullscreen, o.windowWidth, o.windowHeight, o.playIntro); };
    for (auto [args, expected, glutArgs] : runs) {
        args.insert(args.begin(), "korvel");
        const CommandLine command = parseCommandLine(static_cast<int>(args.size()), args.data());
        Options settings{false, 640, 480, true, false};
        applyCommandLine(command, settings);
        EXPECT_EQ(fields(settings), fields(expected)) << testing::PrintToString(args);
        EXPECT_EQ(command.glutArgs.size(), glutArgs);
    }
}
