#include "ShellFixture.h"

#include "app/FrameLoop.h"
#include "app/InputCallbacks.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// Expected video projection, written out from gluPerspective's definition.
void expectVideoProjection(const std::array<float, 16>& m, double aspect)
{
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
    EXPECT_NEAR(m[0], f / aspect, 1e-5);
    EXPECT_NEAR(m[5], f, 1e-5);
    EXPECT_NEAR(m[10], -101.0 / 99.0, 1e-5);
    EXPECT_NEAR(m[11], -1.0, 1e-6);
    EXPECT_NEAR(m[14], -200.0 / 99.0, 1e-5);
}

} // namespace

TEST_F(ShellTest, VideoProjectionUsesTheStoredSizeAndTheViewportTheArguments)
{
    appState.introPlaying = true;
    reshapeWindow(1024, 768);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    expectVideoProjection(projection(), 800.0 / 600.0);
    EXPECT_FALSE(appState.gameInitialised);
}

TEST_F(ShellTest, StoredHeightZeroBecomesOne)
{
    options.windowHeight = 0;
    appState.outroPlaying = true;
    reshapeWindow(800, 0);
    EXPECT_EQ(options.windowHeight, 1);
    const std::array<float, 16> m = projection();
    EXPECT_TRUE(std::isfinite(m[0]));
    expectVideoProjection(m, 800.0);
}

TEST_F(ShellTest, ReshapeInTheGameBuildsItOnceAndUsesTheCamera)
{
    reshapeWindow(800, 600);
    reshapeWindow(640, 480);
    EXPECT_TRUE(appState.gameInitialised);
    EXPECT_EQ(std::count(controlNode.getChildren().begin(), controlNode.getChildren().end(), &gameManager), 1);
    // The camera sees far beyond the video's far plane of 100.
    ASSERT_NE(controlNode.camera, nullptr);
    EXPECT_TRUE(seesFarAhead());
    std::array<float, 16> modelview{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(modelview[i], i % 5 == 0 ? 1.0f : 0.0f);
    }
}

TEST_F(ShellTest, BuildingTheGameLinksTheTree)
{
    startIntroOrGame();
    EXPECT_TRUE(appState.gameInitialised);
    EXPECT_EQ(gameManager.root.getName(), "Ruth");
    EXPECT_TRUE(gameManager.root.hasChild("Steuerung"));
    EXPECT_TRUE(controlNode.hasChild("Gamemanager"));
    EXPECT_EQ(controlNode.inputMode, 'a');
}

TEST_F(ShellTest, UnplayableIntroIsSkippedAndTheGameBuilt)
{
    options.playIntro = true;
    startIntroOrGame();
    EXPECT_FALSE(appState.introPlaying);
    EXPECT_FALSE(options.playIntro);
    EXPECT_TRUE(appState.gameInitialised);
    EXPECT_TRUE(controlNode.hasChild("Gamemanager"));
}

TEST_F(ShellTest, GameFramesAreCountedAndNotBlack)
{
    // The game's own data, so that the first level has something to show.
    std::filesystem::current_path(KORVEL_RUN_DIR);
    startIntroOrGame();
    const int before = framesDrawn();
    renderFrame();
    renderFrame();
    EXPECT_EQ(framesDrawn(), before + 2);
    // What the next swap shows:
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gameManager.runFrame();
    const auto centre = GlTestWindow::pixel(400, 300);
    EXPECT_GT(std::max({centre[0], centre[1], centre[2]}), 60) << "the game frame is black";
}

TEST_F(ShellTest, ReleasingWDuringTheIntroStartsTheGameWithItsCamera)
{
    options.playIntro = true;
    appState.introPlaying = true;
    reshapeWindow(800, 600);
    ASSERT_FALSE(withinDepthRange(0.0f, 200.0f, -2000.0f));
    controlNode.heldForward = true;

    onKeyUp('w', 0, 0);
    EXPECT_FALSE(appState.introPlaying);
    EXPECT_FALSE(options.playIntro);
    EXPECT_TRUE(appState.gameInitialised);
    ASSERT_NE(controlNode.camera, nullptr);
    EXPECT_TRUE(seesFarAhead());
    // The release also reached the game, and a frame was drawn for it.
    EXPECT_FALSE(controlNode.heldForward);
    EXPECT_EQ(recorder.commands, "x");
}

TEST_F(ShellTest, IntroInGameModeTakesTheCameraWithoutReshaping)
{
    options.fullscreen = true;
    appState.introPlaying = true;
    glViewport(0, 0, 320, 200);
    onKeyUp('w', 0, 0);
    EXPECT_TRUE(appState.gameInitialised);
    ASSERT_NE(controlNode.camera, nullptr);
    EXPECT_TRUE(seesFarAhead());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 320);
}

TEST_F(ShellTest, DuringAVideoOnlyTheReleaseOfLowerCaseWActs)
{
    startIntroOrGame();
    appState.introPlaying = true;
    options.playIntro = true;
    const int before = framesDrawn();

    onKeyDown(27, 0, 0); // Escape must not end the program here
    onKeyDown('e', 0, 0);
    onKeyUp('W', 0, 0);
    onKeyUp('e', 0, 0);
    onSpecialKey(GLUT_KEY_F1, 0, 0);
    onSpecialKeyUp(GLUT_KEY_F1, 0, 0);
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    onMouseDrag(20, 20);
    onMouseMove(30, 30);

    EXPECT_TRUE(appState.introPlaying);
    EXPECT_TRUE(options.playIntro);
    EXPECT_EQ(framesDrawn(), before);
    EXPECT_EQ(recorder.commands, "");
    EXPECT_TRUE(recorder.keys.empty());
}

TEST_F(ShellTest, ReleasingWEndsTheOutroAndTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    appState.outroPlaying = true;
    options.playOutro = true;
    EXPECT_EXIT(onKeyUp('w', 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(ShellTest, OutroWaitsForTheLastQuestAndTheOption)
{
    startOutroIfDue(false);
    options.playOutro = false;
    startOutroIfDue(true);
    EXPECT_FALSE(appState.outroStarted);
    EXPECT_FALSE(appState.outroPlaying);

    options.playOutro = true;
    appState.outroStarted = true;
    startOutroIfDue(true);
    EXPECT_FALSE(appState.outroPlaying);
}

TEST_F(ShellTest, RunningGameWithoutFinishedQuestNeverStartsTheOutro)
{
    options.playOutro = true;
    startIntroOrGame();
    renderFrame();
    EXPECT_FALSE(appState.outroStarted);
}
