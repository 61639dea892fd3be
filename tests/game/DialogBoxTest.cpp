#include "app/Host.h"
#include "game/DialogBox.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

constexpr int W = GlTestWindow::width;
constexpr int H = GlTestWindow::height;

class DialogBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        glViewport(0, 0, W, H);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { Host::install(nullptr); }

    // Whether any pixel of the rectangle (window pixels, y from the top,
    // x0 <= x < x1, baseline-relative rows top..bottom) is white.
    bool whiteAt(int x0, int x1, int yTop, int yBottom)
    {
        const int w = x1 - x0;
        const int h = yBottom - yTop;
        std::vector<unsigned char> rgb(static_cast<std::size_t>(w * h * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x0, H - yBottom, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            if (rgb[i] > 200 && rgb[i + 1] > 200 && rgb[i + 2] > 200) {
                return true;
            }
        }
        return false;
    }
    // Capital letters stand on the row's baseline and reach ~9 px above it.
    bool rowInk(int y) { return whiteAt(200, 260, y - 10, y); }

    ManualHost host;
    ScratchDir dir; // no panel model here: the lines alone
    DialogBox box;
};

TEST_F(DialogBoxTest, ANewBoxIsHiddenAndDrawsNothing)
{
    EXPECT_TRUE(box.hidden);
    box.texts = {"MMMM"};
    box.draw(Matrix4());
    EXPECT_FALSE(whiteAt(0, W, 0, H));
}

TEST_F(DialogBoxTest, LinesStartAtAQuarterWidthAndSixTenthsHeightTwentyApart)
{
    box.texts = {"MMMMMM", "MMMMMM"};
    box.replies = {"MMMMMM", "MMMMMM"};
    box.hidden = false;
    box.draw(Matrix4());
    for (int y : {360, 380, 400, 420}) {
        EXPECT_TRUE(rowInk(y)) << "row at " << y;
        EXPECT_FALSE(whiteAt(200, 260, y + 2, y + 8)) << "gap below " << y;
    }
    EXPECT_FALSE(rowInk(340));
    EXPECT_FALSE(rowInk(440));
    EXPECT_FALSE(whiteAt(0, 199, 0, H)); // nothing left of x = 200
}

TEST_F(DialogBoxTest, RepliesWithoutTextLeaveTheFirstRowEmpty)
{
    box.replies = {"MMMMMM"};
    box.hidden = false;
    box.draw(Matrix4());
    EXPECT_FALSE(rowInk(360));
    EXPECT_TRUE(rowInk(380));
}

TEST_F(DialogBoxTest, LoadEntryReplacesTheLinesEachTime)
{
    dir.write("data/text/dialogues.txt",
              "#tester\n#1\n#text\nerste\n#replies\nja\n#end\n#2\n#text\nzweite\nnoch\n#replies\nnein\n#end\n");
    box.loadEntry("tester", 1);
    box.loadEntry("tester", 2);
    EXPECT_EQ(box.texts, (std::vector<std::string>{"zweite", "noch"}));
    EXPECT_EQ(box.replies, (std::vector<std::string>{"nein"}));
    EXPECT_TRUE(box.hidden); // showing is the owner's business
    EXPECT_FALSE(box.loadModel()); // no panel model in this directory
}

TEST(DialogPanelTest, ThePanelCoversTheBottomOfThePictureBehindTheLines)
{
    GlTestWindow::ensure();
    ManualHost host;
    Host::install(&host);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(KORVEL_RUN_DIR);
    DialogBox box;
    const bool loaded = box.loadModel();
    std::filesystem::current_path(previous);
    ASSERT_TRUE(loaded);
    EXPECT_FLOAT_EQ(box.panel.position.y, -0.85f);
    EXPECT_FLOAT_EQ(box.panel.heading, 0.0f);

    glViewport(0, 0, W, H);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    box.hidden = false;
    box.texts = {"MMMMMM"};
    box.draw(Matrix4());
    const auto inside = GlTestWindow::pixel(400, 100);
    const auto above = GlTestWindow::pixel(400, 500);
    EXPECT_GT(inside[0] + inside[1] + inside[2], 30) << "panel drawn near the bottom";
    EXPECT_EQ(above[0] + above[1] + above[2], 0) << "nothing in the upper picture";
    Host::install(nullptr);
}

} // namespace
