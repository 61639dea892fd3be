#include "VideoTestFiles.h"

#include "app/VideoSource.h"
#include "app/VideoWriter.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VideoTestFiles;

namespace {

constexpr int rowBytes = VideoSource::imageSize * 3;

const unsigned char* pixelAt(const unsigned char* image, int x, int row)
{
    return image + row * rowBytes + x * 3;
}

} // namespace

TEST(VideoSourceTest, FrameTimeIsTheEndTimeOverTheFrameCount)
{
    ScratchDir dir;
    ASSERT_TRUE(writeIndexedVideo("pal.avi", 100, 25));
    ASSERT_TRUE(writeIndexedVideo("ntsc.avi", 10, 30));
    ASSERT_TRUE(writeIndexedVideo("slow.avi", 7, 12));

    VideoSource source;
    ASSERT_EQ(source.open("pal.avi"), VideoSource::OpenResult::Opened);
    EXPECT_EQ(source.frameCount(), 100);
    EXPECT_EQ(source.msPerFrame(), 40);
    ASSERT_EQ(source.open("ntsc.avi"), VideoSource::OpenResult::Opened);
    EXPECT_EQ(source.frameCount(), 10);
    EXPECT_EQ(source.msPerFrame(), 33); // 333 ms for ten frames
    ASSERT_EQ(source.open("slow.avi"), VideoSource::OpenResult::Opened);
    EXPECT_EQ(source.frameCount(), 7);
    EXPECT_EQ(source.msPerFrame(), 83); // 583 ms for seven frames
}

TEST(VideoSourceTest, PlayingForwardDecodesEachFrameOnce)
{
    ScratchDir dir;
    ASSERT_TRUE(writeIndexedVideo("count.avi", 100, 25));
    VideoSource source;
    ASSERT_EQ(source.open("count.avi"), VideoSource::OpenResult::Opened);

    for (int index = 0; index < 100; ++index) {
        const unsigned char* image = source.frame(index);
        ASSERT_NE(image, nullptr) << "frame " << index;
        EXPECT_EQ(indexOf(pixelAt(image, 128, 128)), index);
    }
    EXPECT_EQ(source.framesDecoded(), 100);

    // A fast machine asks for the same frame again: nothing is decoded.
    ASSERT_NE(source.frame(99), nullptr);
    EXPECT_EQ(source.framesDecoded(), 100);
}

TEST(VideoSourceTest, LoopingBackRewindsAndSkippingAheadDecodesOnlyTheGap)
{
    ScratchDir dir;
    ASSERT_TRUE(writeIndexedVideo("count.avi", 100, 25));
    VideoSource source;
    ASSERT_EQ(source.open("count.avi"), VideoSource::OpenResult::Opened);

    ASSERT_NE(source.frame(90), nullptr);
    EXPECT_EQ(source.framesDecoded(), 91);
    const unsigned char* first = source.frame(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(indexOf(pixelAt(first, 10, 10)), 0);
    EXPECT_EQ(source.framesDecoded(), 92);
    const unsigned char* later = source.frame(37);
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(indexOf(pixelAt(later, 200, 50)), 37);
    EXPECT_EQ(source.framesDecoded(), 129);
}

TEST(VideoSourceTest, StretchesA320By240FrameOverThe256By256Image)
{
    ScratchDir dir;
    ASSERT_TRUE(writeQuadrantVideo("quadrants.avi", 320, 240, 3));
    VideoSource source;
    ASSERT_EQ(source.open("quadrants.avi"), VideoSource::OpenResult::Opened);
    const unsigned char* image = source.frame(0);
    ASSERT_NE(image, nullptr);

    // Rows run bottom to top; no bars on any side, the quadrants meet in the middle.
    const int low = 3;
    const int high = VideoSource::imageSize - 4;
    const int half = VideoSource::imageSize / 2;
    EXPECT_TRUE(near(pixelAt(image, low, low), bottomLeft));
    EXPECT_TRUE(near(pixelAt(image, high, low), bottomRight));
    EXPECT_TRUE(near(pixelAt(image, low, high), topLeft));
    EXPECT_TRUE(near(pixelAt(image, high, high), topRight));
    EXPECT_TRUE(near(pixelAt(image, half - 4, half - 4), bottomLeft));
    EXPECT_TRUE(near(pixelAt(image, half + 3, half - 4), bottomRight));
    EXPECT_TRUE(near(pixelAt(image, half - 4, half + 3), topLeft));
    EXPECT_TRUE(near(pixelAt(image, half + 3, half + 3), topRight));
}

TEST(VideoSourceTest, RefusesFilesItCannotPlay)
{
    ScratchDir dir;
    VideoSource source;
    EXPECT_EQ(source.open("missing.avi"), VideoSource::OpenResult::NoStream);
    EXPECT_FALSE(source.isOpen());
    EXPECT_EQ(source.frame(0), nullptr);

    dir.write("notes.avi", "Dies ist kein Film, nur ein bisschen Text.\n");
    EXPECT_EQ(source.open("notes.avi"), VideoSource::OpenResult::NoStream);
    dir.write("empty.avi", "");
    EXPECT_EQ(source.open("empty.avi"), VideoSource::OpenResult::NoStream);

    // A well-formed file whose codec is unknown: a stream, but no decoder.
    ASSERT_TRUE(writeIndexedVideo("strange.avi", 5, 25));
    writeUnknownCodec("strange.avi", "strange.avi");
    EXPECT_EQ(source.open("strange.avi"), VideoSource::OpenResult::NoDecoder);
    EXPECT_FALSE(source.isOpen());
    EXPECT_EQ(source.frameCount(), 0);
}

TEST(VideoSourceTest, FramesOutsideTheVideoAreNotDeliveredAndAFileCutShortIsRefused)
{
    ScratchDir dir;
    ASSERT_TRUE(writeIndexedVideo("count.avi", 20, 25));
    VideoSource source;
    ASSERT_EQ(source.open("count.avi"), VideoSource::OpenResult::Opened);
    EXPECT_EQ(source.frame(-1), nullptr);
    EXPECT_EQ(source.frame(20), nullptr);
    source.close();
    EXPECT_EQ(source.frame(0), nullptr);

    // The header still promises 20 frames.
    writeCutOff("count.avi", "cut.avi", 12);
    testing::internal::CaptureStdout();
    EXPECT_EQ(source.open("cut.avi"), VideoSource::OpenResult::NoStream);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "=== WARNING: cut.avi announces 20 frames but holds 12 ===\n");
    EXPECT_EQ(source.frameCount(), 0);
}

TEST(VideoWriterTest, SameFramesGiveTheSameFileAndOddSizesAreRefused)
{
    ScratchDir dir;
    ASSERT_TRUE(writeQuadrantVideo("one.avi", 96, 64, 30));
    ASSERT_TRUE(writeQuadrantVideo("two.avi", 96, 64, 30));
    const std::string one = readFile("one.avi");
    EXPECT_GT(one.size(), 1000u);
    EXPECT_EQ(one, readFile("two.avi"));

    VideoWriter writer;
    EXPECT_FALSE(writer.open("odd.avi", 321, 240, 25));
    EXPECT_FALSE(writer.open("still.avi", 320, 240, 0));
    EXPECT_FALSE(writer.open("no/such/folder/x.avi", 320, 240, 25));
}

TEST(GeneratedVideosTest, IntroAndOutroAreFourSecondLoopsThatDecodeThroughout)
{
    for (const char* name : {"/data/video/intro.avi", "/data/video/outro.avi"}) {
        SCOPED_TRACE(name);
        VideoSource source;
        ASSERT_EQ(source.open((std::string(KORVEL_RUN_DIR) + name).c_str()),
                  VideoSource::OpenResult::Opened);
        EXPECT_EQ(source.frameCount(), 100);
        EXPECT_EQ(source.msPerFrame(), 40);
        for (int index = 0; index < source.frameCount(); ++index) {
            ASSERT_NE(source.frame(index), nullptr) << "frame " << index;
        }
        EXPECT_EQ(source.framesDecoded(), 100);
    }
}

TEST(GeneratedVideosTest, IntroShowsTheGoldenTitleOnANightSky)
{
    VideoSource source;
    ASSERT_EQ(source.open(KORVEL_RUN_DIR "/data/video/intro.avi"), VideoSource::OpenResult::Opened);
    const unsigned char* image = source.frame(0);
    ASSERT_NE(image, nullptr);
    int gold = 0;
    for (int i = 0; i < VideoSource::imageSize * VideoSource::imageSize; ++i) {
        const unsigned char* p = image + i * 3;
        gold += (p[0] > 180 && p[1] > 120 && p[2] < 120) ? 1 : 0;
    }
    EXPECT_GT(gold, 2000); // the title's letters
    const unsigned char* sky = pixelAt(image, 10, 200);
    EXPECT_GT(sky[2], sky[0]);
    EXPECT_LT(sky[0] + sky[1], 120);
}
