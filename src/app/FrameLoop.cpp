// The frame loop: intro, game and outro frames, the reshape callback and the hand-overs between them.

#include "app/FrameLoop.h"

#include "app/AppState.h"
#include "app/EndScreen.h"
#include "app/GameObjects.h"
#include "app/GamepadInput.h"
#include "app/Options.h"
#include "app/PauseScreen.h"
#include "app/SavedGame.h"
#include "app/Screenshots.h"
#include "app/VideoPlayer.h"
#include "model/Camera.h"
#include "platform/Host.h"
#include "platform/Language.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr const char* introFile = "intro.avi";
constexpr const char* outroFile = "outro.avi";

// The video in the player's language from data/video/<code>/; the German
// one of data/video/ when there is none, as the game's own language.
std::string video(const char* file)
{
    const std::filesystem::path own = std::filesystem::path("data/video") / languageCode(currentLanguage()) / file;
    std::error_code error;
    if (currentLanguage() != Language::German && std::filesystem::is_regular_file(own, error)) {
        return own.string();
    }
    return std::string("data/video/") + file;
}

// After the intro: the game with its own camera.
void enterGame()
{
    if (options.fullscreen) {
        buildGameOnce();
        controlNode.applyCamera();
    } else {
        reshapeWindow(options.windowWidth, options.windowHeight);
    }
}

[[noreturn]] void endProgram()
{
    std::exit(0);
}

} // namespace

void renderFrame()
{
    endOnCaughtSignal();
    useGamepad();
    // Depth and stencil share one buffer: cleared together they are simply
    // filled, cleared apart the renderer keeps one half of every pixel
    // while it writes the other, twice a frame. (The level's own stencil
    // clear then finds nothing left to do.)
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    const bool over = appState.gameInitialised && gameManager.lastQuestFinished();
    saveWhenFinished(over);
    startOutroIfDue(over);
    appState.endScreenOpen = over && !appState.videoRunning();
    if (appState.videoRunning()) {
        advanceVideo();
    } else if (appState.startQuestionOpen) {
        drawStartQuestion();
    } else if (appState.endScreenOpen) {
        drawEndScreen(gameManager);
    } else if (appState.gameInitialised) {
        drawGameOrPause();
        takeAskedScreenshot();
    }
    glutSwapBuffers();
    glFlush();
}

void onWindowReshaped(int width, int height)
{
    Host::current().windowResized(width, height);
    reshapeWindow(width, height);
}

void reshapeWindow(int width, int height)
{
    // The video's aspect below comes from the stored size, kept above 0.
    if (options.windowHeight == 0) {
        options.windowHeight = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    if (appState.videoRunning()) {
        applyPerspective(options.windowWidth, options.windowHeight, 100.0);
    } else {
        buildGameOnce();
        controlNode.applyCamera();
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void startIntroOrGame()
{
    if (options.playIntro) {
        if (openVideo(video(introFile).c_str())) {
            appState.introPlaying = true;
            return;
        }
        // Unplayable: as if the player had skipped it.
        options.playIntro = false;
    }
    buildGameOnce();
}

void buildGameOnce()
{
    if (appState.gameInitialised) {
        return;
    }
    gameManager.init();
    appState.gameInitialised = true;
    startSavedGame();
}

void startOutroIfDue(bool lastQuestFinished)
{
    if (!lastQuestFinished || !options.playOutro || appState.outroStarted) {
        return;
    }
    appState.outroStarted = true;
    if (!openVideo(video(outroFile).c_str())) {
        // As without an outro: the end screen, which Escape leaves.
        options.playOutro = false;
        return;
    }
    appState.outroPlaying = true;
    if (options.fullscreen) {
        options.windowWidth = Host::current().windowWidth();
        options.windowHeight = Host::current().windowHeight();
    }
    reshapeWindow(options.windowWidth, options.windowHeight);
}

void endVideo()
{
    if (appState.introPlaying) {
        options.playIntro = false;
        closeVideo();
        appState.introPlaying = false;
        enterGame();
    } else if (appState.outroPlaying) {
        options.playOutro = false;
        closeVideo();
        endProgram();
    }
}
