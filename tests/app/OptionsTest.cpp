#include "app/Options.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

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

TEST(OptionsTest, LoadingReadsYesAndSizesLikeAtoiAndKeepsTheDefaultWindow)
{
    // The file, whether the intro was on before, what the options are after.
    const std::tuple<std::string, bool, Options> cases[] = {
        // The run directory starts windowed, without videos.
        {readText(KORVEL_RUN_DIR "/options.txt"), false, {false, 800, 600, false, false}},
        {"#playintro\nYes\n#playoutro\nyes \n#fullscreen\nno\n", false, {false, 800, 600, false, false}},
        {"#playintro\nyes\n#playoutro\r\nyes\r\n#windowwidth\r\n1024\r\n", false, {false, 1024, 600, true, true}},
        {"#windowwidth\n640abc\n#windowheight\nabc\n", false, {false, 640, 0, false, false}},
        {"#windowwidth\n  -32\n#windowheight\n+480\n", false, {false, -32, 480, false, false}},
        {"#windowwidth \n1024\n#windowheight", false, {false, 800, 600, false, false}},
        {"#fullscreen\nyes\n#windowwidth\n1280\n#windowheight\n1024\n", false, {true, 800, 600, false, false}},
        {"#playintro\nno\n", true, {false, 800, 600, true, false}}, // loading never switches a video off
    };
    const auto fields = [](const Options& o) {
        return std::tie(o.fullscreen, o.windowWidth, o.windowHeight, o.playIntro, o.playOutro);
    };
    ScratchDir dir;
    for (const auto& [file, introBefore, expected] : cases) {
        dir.write("options.txt", file);
        options = Options{};
        options.playIntro = introBefore;
        loadOptions();
        EXPECT_EQ(fields(options), fields(expected)) << file;
    }
}
