#include "app/Options.h"
#include "app/PauseScreen.h"
#include "app/PlayerSettings.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(OptionsTest, AValueIsTheWholeLineAfterTheFirstExactKeyLine)
{
    const char* many = "a comment\n#windowwidth \n1111\n#WindowWidth\n2222\n#windowwidth\n 640 px \n"
                       "#windowwidth\n999\n#playintro\n\n";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {many, "windowwidth", " 640 px "}, {many, "playintro", ""},          {many, "fullscreen", ""},
        {"#fullscreen\nyes\n#windowheight", "windowheight", ""}, // the key on the last line
        {"#playoutro\r\nyes\r\n", "playoutro", "yes"},
    };
    ScratchDir dir;
    for (const auto& [file, key, value] : cases) {
        dir.write("options.txt", file);
        EXPECT_EQ(readOption(key), value) << file;
    }
}

TEST(OptionsTest, LoadingReadsYesAndSizesInRangeAndKeepsTheDefaultWindowForNoNumber)
{
    // The file, whether the intro was on before, what the options are after,
    // how many warnings name the file.
    const std::tuple<std::string, bool, Options, int> cases[] = {
        // The run directory starts windowed, with both videos.
        {readText(KORVEL_RUN_DIR "/options.txt"), false, {false, 800, 600, true, true}, 0},
        {"#playintro\nYes\n#playoutro\nyes \n#fullscreen\nno\n", false, {false, 800, 600, false, false}, 0},
        {"#playintro\nyes\n#playoutro\r\nyes\r\n#windowwidth\r\n1024\r\n", false, {false, 1024, 600, true, true}, 0},
        {"#windowwidth\n640abc\n#windowheight\nabc\n", false, {false, 800, 600, false, false}, 2},
        {"#windowwidth\n  -32\n#windowheight\n+480 \n", false, {false, 64, 480, false, false}, 1},
        {"#windowwidth\n99999999999\n#windowheight\n4294967297\n", false, {false, 16384, 16384, false, false}, 2},
        {"#windowwidth \n1024\n#windowheight", false, {false, 800, 600, false, false}, 1}, // cut off
        {"#fullscreen\nyes\n#windowwidth\n1280\n#windowheight\nabc\n", false, {true, 800, 600, false, false}, 0},
        {"#playintro\nno\n", true, {false, 800, 600, true, false}, 0}, // loading never switches a video off
    };
    const auto fields = [](const Options& o) {
        return std::tie(o.fullscreen, o.windowWidth, o.windowHeight, o.playIntro, o.playOutro);
    };
    ScratchDir dir;
    for (const auto& [file, introBefore, expected, warnings] : cases) {
        dir.write("options.txt", file);
        options = Options{};
        options.playIntro = introBefore;
        testing::internal::CaptureStdout();
        loadOptions();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(fields(options), fields(expected)) << file;
        EXPECT_EQ(occurrences(out, "=== WARNING: options.txt "), warnings) << out;
    }
}

TEST(OptionsTest, AGameModeGoesToGlutOnlyInItsOwnFormWithNumbersItCanTake)
{
    const std::tuple<const char*, bool> modes[] = {
        {"800x600:32@60", true}, {"1024x768", true},       {":16", true},          {"@75", true},
        {"", true},              {"99999999999x600:32@60", false}, {"800x600:0@60", false}, {"800x600x32", false},
        {"800 x 600", false},    {"800x600:32@", false},   {"big", false},
    };
    ScratchDir dir;
    for (const auto& [mode, taken] : modes) {
        dir.write("options.txt", std::string("#glutGameModeString\n") + mode + "\n");
        testing::internal::CaptureStdout();
        const std::optional<std::string> setting = gameModeSetting();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(setting.has_value(), taken) << mode;
        EXPECT_EQ(setting.value_or(mode), mode);
        EXPECT_EQ(out.find("=== WARNING: options.txt glutGameModeString") == 0, !taken) << out;
    }
}

// What the player set is read back after a start; what a hand spoilt is
// named, clamped or kept; the file's other lines stay as they were.
TEST(OptionsTest, PlayerSettingsAreCheckedChangedAtOnceAndWrittenInPlace)
{
    ScratchDir dir;
    const std::string kept = "Korvel settings.\n#windowwidth\n640\n";
    dir.write("options.txt", kept + "#soundvolume\n250\n#mousesensitivity\nfast\n#mousemode\nglide\n#mouseinvert\n"
                                    "yes\n#keylayout\nzqsd\n#keylook\ne\n#keyskip\nxy\n#keyforward\nW\n#keytake\n");
    testing::internal::CaptureStdout();
    loadPlayerSettings();
    const std::string warnings = testing::internal::GetCapturedStdout();
    EXPECT_EQ(occurrences(warnings, "=== WARNING: options.txt "), 5) << warnings;
    EXPECT_NE(warnings.find("keylook \"e\" ist schon an keytalk vergeben; es gilt v"), std::string::npos) << warnings;
    const PlayerSettings& s = playerSettings;
    EXPECT_EQ(std::tie(s.volume, s.mouse.sensitivity, s.mouse.byDistance, s.mouse.invertLook),
              std::make_tuple(100, 100, false, true));
    EXPECT_EQ(keyBindings.keyName(Action::Forward) + keyBindings.keyName(Action::Left), "wq");

    settingsKey(GLUT_KEY_LEFT); // the first row: volume down a step
    for (int row = 0; row < 4; ++row) settingsKey(GLUT_KEY_DOWN);
    settingsKey(GLUT_KEY_RIGHT); // turning by distance
    const std::string written = readText("options.txt");
    EXPECT_TRUE(written.starts_with(kept + "#soundvolume\n90\n#mousesensitivity\n100\n#mousemode\ndistance\n"))
        << written;
    testing::internal::CaptureStdout();
    loadPlayerSettings();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(std::tie(s.volume, s.mouse.byDistance), std::make_tuple(90, true));
    EXPECT_EQ(keyBindings.layout(), KeyLayout::French);
    EXPECT_EQ(readOption("windowwidth"), "640");
    EXPECT_EQ(readOption("language"), "") << "the locale decides until the player chooses";
    settingsKey(GLUT_KEY_DOWN), settingsKey(GLUT_KEY_DOWN), settingsKey(GLUT_KEY_RIGHT); // the language
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(readOption("language"), "en");
    useLanguage(Language::German, {});
    unsetenv("LANGUAGE");
}
