#include "app/CommandLine.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <regex>
#include <tuple>

// Without a display: asking for one ends the program with GLUT's error and status 1.
TEST(CommandLineTest, HelpVersionAndMistakesAreAnsweredWithoutAWindow)
{
    const std::string usage = "Aufruf: korvel \\[OPTION\\]\\.\\.\\.\n[\\s\\S]*--window WxH[\\s\\S]*";
    const std::tuple<std::string, int, std::string, std::string> answers[] = {
        {"--help", 0, usage, ""},
        {"--fullscreen -h", 0, usage, ""},
        {"--version", 0, "Korvel [0-9]+\\.[0-9]+\\.[0-9]+\n", ""},
        {"--fly", 2, "", "korvel: unbekannte Option \"--fly\"\n\n" + usage},
        {"--window 800", 2, "", "korvel: --window will eine Groesse wie 1024x768, von 64x64 bis 16384x16384, "
                                "nicht \"800\"\n\n" + usage},
        {"--window=0x600", 2, "", "korvel: --window will [\\s\\S]*"},
        {"--window 4294967297x600", 2, "", "korvel: --window will [^\n]*\"4294967297x600\"\n[\\s\\S]*"},
        {"--window 800x600x", 2, "", "korvel: --window will [\\s\\S]*"},
        {"-display", 2, "", "korvel: -display braucht einen Wert\n\n" + usage},
        {"--language=fr", 2, "", "korvel: --language will de oder en, nicht \"fr\"\n\n" + usage},
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

// The help and the greeting in the language of the command line, else the
// options file's, else the locale's, which this machine need not have.
TEST(CommandLineTest, HelpAndGreetingSpeakTheLanguageChosen)
{
    const std::string german = "Viel Spass mit Korvel ....\n", english = "Have fun with Korvel ....\n";
    const std::tuple<const char*, const char*, const char*, std::string> runs[] = {
        {"", "LANG=C", "--help", "Aufruf: korvel [\\s\\S]*--language de\\|en\n[\\s\\S]*"},
        {"", "LANG=en_US.UTF-8", "--help", "Usage: korvel [\\s\\S]*--language de\\|en\n[\\s\\S]*"},
        {"en", "LANG=C", "--help", "Usage: korvel [\\s\\S]*--language de\\|en\n[\\s\\S]*"},
        {"", "LANG=de_DE.UTF-8", "", german},
        {"", "LANG=en_US.UTF-8", "", english},
        {"", "LANG=de_DE.UTF-8 LANGUAGE=en", "", english},
        {"", "LANG=C LANGUAGE=en", "", german},
        {"", "LANG=C", "--language en", english},
        {"en", "LANG=C", "", english},
        {"en", "LANG=C", "--language de", german},
        {"fr", "LC_ALL=en_GB.UTF-8", "", english + "=== WARNING: options.txt language \"fr\" is none of de, en; "
                                                    "using the locale's ===\n"},
        {"fr", "LANG=C", "", german + "=== WARNING: options.txt language \"fr\" ist weder de noch en; es gilt die "
                                      "Sprache der Umgebung ===\n"},
    };
    ScratchDir dir;
    prepareRunDir(dir.path(), {});
    for (const auto& [language, locale, args, out] : runs) {
        SCOPED_TRACE(std::string(language) + " " + locale + " " + args);
        std::ofstream("options.txt") << (*language ? std::string("#language\n") + language + "\n" : "");
        const std::string line = std::string("env -u DISPLAY ") + locale + " " KORVEL_RUN_DIR "/korvel --no-intro " +
                                 args + " >out 2>/dev/null";
        EXPECT_NE(std::system(line.c_str()), -1);
        EXPECT_TRUE(std::regex_match(readText("out"), std::regex(out))) << readText("out");
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
