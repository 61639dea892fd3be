#include "app/Options.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { options = Options{}; }

    ScratchDir dir;
};

int countOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

TEST_F(OptionsTest, ValueIsTheWholeLineAfterTheFirstExactKeyLine)
{
    dir.write("options.txt",
              "a comment\n"
              "#windowwidth \n1111\n"
              "#WindowWidth\n2222\n"
              "#windowwidth\n 640 px \n"
              "#windowwidth\n999\n"
              "#playintro\n\n");
    EXPECT_EQ(readOption("windowwidth"), " 640 px ");
    EXPECT_EQ(readOption("playintro"), "");
    EXPECT_EQ(readOption("fullscreen"), "");
}

TEST_F(OptionsTest, KeyOnTheLastLineHasNoValue)
{
    dir.write("options.txt", "#fullscreen\nyes\n#windowheight");
    EXPECT_EQ(readOption("fullscreen"), "yes");
    EXPECT_EQ(readOption("windowheight"), "");
}

TEST_F(OptionsTest, WindowsLineEndsAreRead)
{
    dir.write("options.txt", "#playoutro\r\nyes\r\n#windowwidth\r\n1024\r\n");
    EXPECT_EQ(readOption("playoutro"), "yes");
    loadOptions();
    EXPECT_TRUE(options.playOutro);
    EXPECT_EQ(options.windowWidth, 1024);
}

TEST_F(OptionsTest, OnlyLowerCaseYesWithNothingAfterItIsTrue)
{
    dir.write("options.txt", "#playintro\nYes\n#playoutro\nyes \n#fullscreen\nno\n");
    loadOptions();
    EXPECT_FALSE(options.playIntro);
    EXPECT_FALSE(options.playOutro);
    EXPECT_FALSE(options.fullscreen);

    dir.write("options.txt", "#playintro\nyes\n#playoutro\nyes\n");
    loadOptions();
    EXPECT_TRUE(options.playIntro);
    EXPECT_TRUE(options.playOutro);
}

TEST_F(OptionsTest, VideoFlagsAreNeverSwitchedOffByLoading)
{
    options.playIntro = true;
    dir.write("options.txt", "#playintro\nno\n");
    loadOptions();
    EXPECT_TRUE(options.playIntro);
}

TEST_F(OptionsTest, SizesAreReadLikeAtoi)
{
    dir.write("options.txt", "#windowwidth\n640abc\n#windowheight\nabc\n");
    loadOptions();
    EXPECT_EQ(options.windowWidth, 640);
    EXPECT_EQ(options.windowHeight, 0);

    dir.write("options.txt", "#windowwidth\n  -32\n#windowheight\n+480\n");
    loadOptions();
    EXPECT_EQ(options.windowWidth, -32);
    EXPECT_EQ(options.windowHeight, 480);
}

TEST_F(OptionsTest, MissingSizesKeepTheDefaultWindow)
{
    dir.write("options.txt", "#windowwidth \n1024\n#windowheight");
    loadOptions();
    EXPECT_EQ(options.windowWidth, 800);
    EXPECT_EQ(options.windowHeight, 600);
}

TEST_F(OptionsTest, GameModeIgnoresTheFileSize)
{
    dir.write("options.txt", "#fullscreen\nyes\n#windowwidth\n1280\n#windowheight\n1024\n#playoutro\nyes\n");
    loadOptions();
    EXPECT_TRUE(options.fullscreen);
    EXPECT_EQ(options.windowWidth, 800);
    EXPECT_EQ(options.windowHeight, 600);
    EXPECT_TRUE(options.playOutro);
    EXPECT_FALSE(options.playIntro);
}

TEST_F(OptionsTest, MissingFileSaysSoOncePerLookupAndKeepsDefaults)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(readOption("fullscreen"), "");
    const std::string single = testing::internal::GetCapturedStdout();
    EXPECT_EQ(single, "Unable to open options file!\n");

    testing::internal::CaptureStdout();
    loadOptions();
    const std::string all = testing::internal::GetCapturedStdout();
    // fullscreen, windowwidth, windowheight, playintro, playoutro
    EXPECT_EQ(countOf(all, "Unable to open options file!\n"), 5);
    EXPECT_FALSE(options.fullscreen);
    EXPECT_EQ(options.windowWidth, 800);
    EXPECT_EQ(options.windowHeight, 600);
    EXPECT_FALSE(options.playIntro);
    EXPECT_FALSE(options.playOutro);
}

TEST_F(OptionsTest, FileIsReadAfreshOnEveryLookup)
{
    dir.write("options.txt", "#glutGameModeString\n640x480:16@60\n");
    EXPECT_EQ(readOption("glutGameModeString"), "640x480:16@60");
    dir.write("options.txt", "#glutGameModeString\n1024x768:32@75\n");
    EXPECT_EQ(readOption("glutGameModeString"), "1024x768:32@75");
}

TEST(ShippedOptionsTest, RunDirectoryStartsWindowedWithoutVideos)
{
    ScratchDir dir;
    std::filesystem::copy_file(std::string(KORVEL_RUN_DIR) + "/options.txt", dir.path() / "options.txt");
    options = Options{};
    options.windowWidth = 1;
    options.windowHeight = 1;
    loadOptions();
    EXPECT_FALSE(options.fullscreen);
    EXPECT_EQ(options.windowWidth, 800);
    EXPECT_EQ(options.windowHeight, 600);
    EXPECT_FALSE(options.playIntro);
    EXPECT_FALSE(options.playOutro);
}
