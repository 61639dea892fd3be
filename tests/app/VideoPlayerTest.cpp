#include "VideoTestFiles.h"

#include "app/Host.h"
#include "app/VideoPlayer.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <string>

using namespace VideoTestFiles;

namespace {

// The window as the game sets it up while a video runs: 45 degrees, 4:3.
class VideoPlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        glViewport(0, 0, GlTestWindow::width, GlTestWindow::height);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, double(GlTestWindow::width) / GlTestWindow::height, 1.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    void TearDown() override
    {
        closeVideo();
        Host::install(nullptr);
    }

    // The frame index the centre of the window shows at `ms`, -1 if none.
    int frameShownAt(int ms)
    {
        host.setTime(ms);
        advanceVideo();
        return indexOf(GlTestWindow::pixel(GlTestWindow::width / 2, GlTestWindow::height / 2).data());
    }

    static bool pixelNear(int x, int y, const Colour& expected)
    {
        return near(GlTestWindow::pixel(x, y).data(), expected);
    }

    ScratchDir dir;
    ManualHost host;
};

} // namespace

TEST_F(VideoPlayerTest, FramesFollowTheClockAndTheVideoLoops)
{
    ASSERT_TRUE(writeIndexedVideo("count.avi", 100, 25));
    host.setTime(1000);
    ASSERT_TRUE(openVideo("count.avi"));

    EXPECT_EQ(frameShownAt(1000), 0);
    EXPECT_EQ(frameShownAt(1039), 0);
    EXPECT_EQ(frameShownAt(1040), 1);
    EXPECT_EQ(frameShownAt(4959), 98);
    EXPECT_EQ(frameShownAt(4960), 99);
    EXPECT_EQ(frameShownAt(4999), 99);
    EXPECT_EQ(frameShownAt(5000), 0);
    EXPECT_EQ(frameShownAt(5039), 0);
    EXPECT_EQ(frameShownAt(5040), 1);
}

TEST_F(VideoPlayerTest, QuadFillsTheViewWithTheFrameUpright)
{
    ASSERT_TRUE(writeQuadrantVideo("quadrants.avi", 320, 240, 5));
    ASSERT_TRUE(openVideo("quadrants.avi"));
    advanceVideo();

    const int right = GlTestWindow::width - 8;
    const int top = GlTestWindow::height - 2;
    EXPECT_TRUE(pixelNear(8, top, topLeft));
    EXPECT_TRUE(pixelNear(right, top, topRight));
    EXPECT_TRUE(pixelNear(8, 1, bottomLeft));
    EXPECT_TRUE(pixelNear(right, 1, bottomRight));
    EXPECT_TRUE(pixelNear(390, 310, topLeft));
    EXPECT_TRUE(pixelNear(410, 290, bottomRight));

    // One 256 x 256 texture for the whole video, released with it.
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    ASSERT_NE(texture, 0);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 256);
    EXPECT_EQ(height, 256);
    host.advance(100);
    advanceVideo();
    GLint sameTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &sameTexture);
    EXPECT_EQ(sameTexture, texture);
    closeVideo();
    EXPECT_FALSE(glIsTexture(GLuint(texture)));
}

TEST_F(VideoPlayerTest, ReopeningStartsAtFrameZero)
{
    ASSERT_TRUE(writeIndexedVideo("count.avi", 100, 25));
    ASSERT_TRUE(openVideo("count.avi"));
    EXPECT_EQ(frameShownAt(2000), 50);
    closeVideo();

    host.setTime(3000);
    ASSERT_TRUE(openVideo("count.avi"));
    EXPECT_EQ(frameShownAt(3000), 0);
    EXPECT_EQ(frameShownAt(3080), 2);
}

TEST_F(VideoPlayerTest, UnplayableFilesAreReportedAndSkipped)
{
    ASSERT_TRUE(writeIndexedVideo("strange.avi", 5, 25));
    writeUnknownCodec("strange.avi", "strange.avi");
    dir.write("notes.avi", "Kein Film.\n");
    ASSERT_TRUE(writeIndexedVideo("count.avi", 100, 25));
    writeCutOff("count.avi", "cut.avi", 40);

    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"data/video/intro.avi", "Error: Failed To Open The AVI Stream\n"},
        {"notes.avi", "Error: Failed To Open The AVI Stream\n"},
        {"cut.avi", "Error: Failed To Open The AVI Stream\n"},
        {"strange.avi", "Error: Failed To Open The AVI Frame\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(openVideo(c.file));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);

        // Nothing is drawn: the picture of the caller stays.
        glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        host.advance(500);
        advanceVideo();
        EXPECT_TRUE(pixelNear(400, 300, Colour{51, 102, 153}));
    }
}
