// Videos the tests write for themselves, each frame one flat colour naming its index.
#include "VideoWriter.h"
#include "app/VideoPlayer.h"
#include "model/Camera.h"
#include "platform/Host.h"
#include "platform/VideoSource.h"
#include "support/GlTestWindow.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

using Colour = std::array<int, 3>;

// Steps far wider than the codec's error, so an index reads back exactly.
Colour indexColour(int i) { return {10 + i % 10 * 25, 10 + i / 10 % 10 * 25, 128}; }

bool near(const unsigned char* rgb, const Colour& c, int tolerance = 16)
{
    return std::max({std::abs(rgb[0] - c[0]), std::abs(rgb[1] - c[1]), std::abs(rgb[2] - c[2])}) <= tolerance;
}

int indexOf(const unsigned char* rgb)
{
    const int index = (rgb[1] - 10 + 12) / 25 * 10 + (rgb[0] - 10 + 12) / 25;
    return index >= 0 && index < 100 && near(rgb, indexColour(index), 8) ? index : -1;
}

// At 25 frames a second, 64 x 48, each frame in its index colour.
bool writeVideo(const std::string& file, int frames)
{
    VideoWriter writer;
    bool ok = writer.open(file, 64, 48, 25);
    for (int f = 0; ok && f < frames; ++f) {
        const auto colour = indexColour(f);
        std::vector<unsigned char> rgb;
        for (int i = 0; i < 64 * 48; ++i) rgb.insert(rgb.end(), colour.begin(), colour.end());
        ok = writer.write(rgb.data());
    }
    return writer.close() && ok;
}

// The window as the game sets it up while a video runs: 45 degrees, 4:3.
class VideoPlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        glViewport(0, 0, GlTestWindow::width, GlTestWindow::height);
        glMatrixMode(GL_PROJECTION);
        applyPerspective(800, 600, 100.0);
        glMatrixMode(GL_MODELVIEW);
    }
    void TearDown() override { closeVideo(); Host::install(nullptr); }
    // The frames the middle of the window shows at these times.
    std::vector<int> shownAt(std::initializer_list<int> times)
    {
        std::vector<int> shown;
        for (int ms : times) {
            host.setTime(ms);
            advanceVideo();
            shown.push_back(indexOf(GlTestWindow::pixel(400, 300).data()));
        }
        return shown;
    }

    ScratchDir dir;
    ManualHost host;
};

TEST_F(VideoPlayerTest, FramesFollowTheClockFillTheViewFromOneTextureAndStartAgainWhenReopened)
{
    ASSERT_TRUE(writeVideo("count.avi", 100));
    host.setTime(1000);
    ASSERT_TRUE(openVideo("count.avi"));
    GLint texture = 0, same = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    EXPECT_EQ(shownAt({1000, 1039, 1040, 4960, 4999, 5000, 5040}), (std::vector{0, 0, 1, 99, 99, 0, 1}));
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &same);
    EXPECT_EQ(same, texture) << "one texture for every frame";
    for (const auto& [x, y] : {std::pair{8, 1}, std::pair{792, 1}, std::pair{8, 598}, std::pair{792, 598}}) {
        EXPECT_EQ(indexOf(GlTestWindow::pixel(x, y).data()), 1) << "the frame fills the view at " << x << ", " << y;
    }
    closeVideo();
    EXPECT_FALSE(glIsTexture(GLuint(texture)));
    host.setTime(6000);
    ASSERT_TRUE(openVideo("count.avi"));
    EXPECT_EQ(shownAt({6000, 6080}), (std::vector{0, 2}));
}

TEST_F(VideoPlayerTest, UnplayableFilesAreReportedAndDrawNothing)
{
    ASSERT_TRUE(writeVideo("strange.avi", 5));
    std::string bytes = readText("strange.avi");
    for (auto at = bytes.find("FMP4"); at != std::string::npos; at = bytes.find("FMP4", at)) {
        bytes.replace(at, 4, "QQZZ"); // a codec no decoder knows
    }
    dir.write("strange.avi", bytes);
    for (const std::string file : {"missing", "strange"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(openVideo((file + ".avi").c_str()));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Error: Failed To Open The AVI " + std::string(file == "strange" ? "Frame" : "Stream") + "\n");
        glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        host.advance(500);
        advanceVideo();
        EXPECT_TRUE(near(GlTestWindow::pixel(400, 300).data(), {51, 102, 153}, 1)) << file;
    }
}

} // namespace
