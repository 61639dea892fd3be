// The shell around the game: the window callbacks, the frame loop and the
// intro video before it.
#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "app/Options.h"
#include "platform/Host.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

struct Recorder : SceneNode {
    void command(int key) override { commands += static_cast<char>(key); }
    void onKey(int key) override { keys.push_back(key); }
    std::string commands;
    std::vector<int> keys;
};

// The shell's globals as at start-up, a clock that stands still and an empty
// working directory (no videos, no options file).
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        glViewport(0, 0, 800, 600);
        Host::install(&host);
        options = Options{};
        resetGameObjects();
        controlNode.addChild(&recorder);
        recorder.commands.clear(), recorder.keys.clear();
    }
    void TearDown() override { Host::install(nullptr); }

    static auto projection() { std::array<float, 16> m{}; glGetFloatv(GL_PROJECTION_MATRIX, m.data()); return m; }
    static int viewportWidth() { GLint viewport[4]; glGetIntegerv(GL_VIEWPORT, viewport); return viewport[2]; }
    // Whether GL shows the current level's view: its camera's target in the
    // middle of the viewport.
    static bool showsTheGame()
    {
        if (controlNode.camera == nullptr) return false;
        const Vector3 at = controlNode.camera->target;
        GLdouble modelview[16], projected[16], x, y, z;
        GLint view[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview), glGetDoublev(GL_PROJECTION_MATRIX, projected);
        glGetIntegerv(GL_VIEWPORT, view);
        gluProject(at.x, at.y, at.z, modelview, projected, view, &x, &y, &z);
        return std::abs(x - view[2] / 2.0) < 1 && std::abs(y - view[3] / 2.0) < 1 && z < 1;
    }

    ManualHost host;
    ScratchDir dir;
    Recorder recorder;
};

TEST_F(ShellTest, AVideoIsShownAtTheStoredAspectAndTheGameThroughItsCamera)
{
    appState.introPlaying = true;
    options.windowHeight = 0; // would divide the aspect
    reshapeWindow(1024, 768);
    EXPECT_TRUE(viewportWidth() == 1024 && options.windowHeight == 1 && !appState.gameInitialised);
    EXPECT_NEAR(projection()[5] / projection()[0], 800.0f, 1e-2f);
    EXPECT_NEAR(projection()[10], -101.0 / 99.0, 1e-5) << "near 1, far 100";

    appState.introPlaying = false;
    reshapeWindow(800, 600);
    reshapeWindow(640, 480);
    EXPECT_EQ(std::count(controlNode.getChildren().begin(), controlNode.getChildren().end(), &gameManager), 1);
    EXPECT_TRUE(gameManager.root.hasChild("Steuerung") && controlNode.inputMode == 'a' && showsTheGame());
}

TEST_F(ShellTest, DuringAVideoOnlyTheReleaseOfLowerCaseWActs)
{
    for (const bool fullscreen : {false, true}) {
        SCOPED_TRACE(fullscreen);
        SetUp();
        options.fullscreen = fullscreen;
        options.playIntro = appState.introPlaying = true;
        glViewport(0, 0, 320, 200);
        controlNode.heldForward = true;
        onKeyDown('e', 0, 0), onKeyUp('W', 0, 0), onSpecialKey(GLUT_KEY_F1, 0, 0), onSpecialKeyUp(GLUT_KEY_F1, 0, 0);
        onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10), onMouseDrag(20, 20), onMouseMove(30, 30);
        EXPECT_TRUE(appState.introPlaying && options.playIntro && recorder.commands.empty() && recorder.keys.empty());

        onKeyUp('w', 0, 0);
        EXPECT_FALSE(options.playIntro || appState.introPlaying);
        EXPECT_TRUE(showsTheGame());
        EXPECT_EQ(viewportWidth(), fullscreen ? 320 : 800) << "game mode keeps its screen";
        EXPECT_FALSE(controlNode.heldForward) << "the release reached the game";
        EXPECT_EQ(gameManager.frameCount, 1) << "and a frame was drawn for it";
    }
}

TEST_F(ShellTest, EveryInputEventButAClickDrawsOneGameFrame)
{
    std::filesystem::current_path(KORVEL_RUN_DIR); // a game to build
    startIntroOrGame();
    const Avatar& avatar = gameManager.currentLevel->avatar;
    const float heading = avatar.heading;
    const int frames = gameManager.frameCount;
    onKeyDown('e', 0, 0), onKeyUp('e', 0, 0);
    onSpecialKey(GLUT_KEY_F2, 0, 0), onSpecialKeyUp(GLUT_KEY_F2, 0, 0);
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300), onMouseDrag(600, 100);
    EXPECT_TRUE(avatar.whistling && gameManager.showFps && avatar.heading == heading) << "dragging turns nothing";
    onMouseMove(400, 300);
    EXPECT_NE(avatar.heading, heading);
    EXPECT_EQ(gameManager.frameCount, frames + 6);
}

} // namespace
