#include "app/CommandLine.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <regex>
#include <string>
#include <vector>

namespace {

struct Answer {
    std::vector<std::string> args;
    int status;
    std::string out; // a pattern for the whole of standard output
    std::string err; // a pattern for the whole of standard error
};

struct Override {
    std::vector<const char*> args;
    Options expected; // from a file that asks for a 640 x 480 window and the intro
    std::vector<std::string> glutArgs;
};

} // namespace

// Without a display: asking for one would end the program with GLUT's error.
TEST(CommandLineTest, HelpVersionAndMistakesAreAnsweredWithoutAWindow)
{
    const std::string usage = "Usage: korvel \\[OPTION\\]\\.\\.\\.\n[\\s\\S]*--window WxH[\\s\\S]*";
    const Answer answers[] = {
        {{"--help"}, 0, usage, ""},
        {{"--fullscreen", "-h"}, 0, usage, ""},
        {{"--version"}, 0, "Korvel [0-9]+\\.[0-9]+\\.[0-9]+\n", ""},
        {{"--fly"}, 2, "", "korvel: unknown option \"--fly\"\n\n" + usage},
        {{"--window", "800"}, 2, "", "korvel: --window wants a size such as 1024x768, not \"800\"\n[\\s\\S]*"},
        {{"--window=0x600"}, 2, "", "korvel: --window wants a size[\\s\\S]*"},
        {{"-display"}, 2, "", "korvel: -display wants a value\n[\\s\\S]*"},
    };
    ScratchDir dir;
    for (const Answer& answer : answers) {
        std::string line = "env -u DISPLAY " KORVEL_RUN_DIR "/korvel";
        for (const std::string& arg : answer.args) {
            line += " '" + arg + "'";
        }
        const int result = std::system((line + " >out.txt 2>err.txt").c_str());
        SCOPED_TRACE(line);
        EXPECT_EQ(WEXITSTATUS(result), answer.status);
        EXPECT_TRUE(std::regex_match(readText("out.txt"), std::regex(answer.out))) << readText("out.txt");
        EXPECT_TRUE(std::regex_match(readText("err.txt"), std::regex(answer.err))) << readText("err.txt");
    }
}

TEST(CommandLineTest, SettingsGivenWinOverTheFileForOneRun)
{
    const Override overrides[] = {
        {{}, {false, 640, 480, true, false}, {}},
        {{"--window", "1024x768"}, {false, 1024, 768, true, false}, {}},
        {{"--fullscreen"}, {true, 800, 600, true, false}, {}},
        {{"--fullscreen", "--window=300x200"}, {false, 300, 200, true, false}, {}},
        {{"--no-intro"}, {false, 640, 480, false, false}, {}},
        {{"--no-intro", "--intro"}, {false, 640, 480, true, false}, {}},
        {{"-display", ":7", "-iconic", "-geometry", "1x1+0+0"}, {false, 640, 480, true, false},
         {"-display", ":7", "-iconic", "-geometry", "1x1+0+0"}},
    };
    for (const Override& o : overrides) {
        std::vector<const char*> argv{"korvel"};
        argv.insert(argv.end(), o.args.begin(), o.args.end());
        const CommandLine command = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        Options settings{false, 640, 480, true, false};
        applyCommandLine(command, settings);
        SCOPED_TRACE(testing::PrintToString(o.args));
        EXPECT_EQ(command.action, CommandLine::Action::Play);
        EXPECT_EQ(settings.fullscreen, o.expected.fullscreen);
        EXPECT_EQ(settings.windowWidth, o.expected.windowWidth);
        EXPECT_EQ(settings.windowHeight, o.expected.windowHeight);
        EXPECT_EQ(settings.playIntro, o.expected.playIntro);
        EXPECT_EQ(command.glutArgs, o.glutArgs);
    }
}
