#include "support/GameDriver.h"

#include "app/FrameLoop.h"
#include "app/Options.h"
#include "app/PauseScreen.h"
#include "scene/FramePass.h"

#include <GL/freeglut.h>

GameDriver::GameDriver(const std::filesystem::path& runDir, int framesPerSecond, int width, int height)
    : frameMs(1000 / framesPerSecond), remainder(1000 % framesPerSecond), fps(framesPerSecond), width(width),
      height(height), previousDir(std::filesystem::current_path())
{
    GlTestWindow::ensure();
    std::filesystem::current_path(runDir);
    host.setWindowSize(width, height);
    Host::install(&host);
    restart();
}

void GameDriver::restart()
{
    resetGameObjects();
    options = {false, width, height, false, false};
    resizeWindow(width, height);
    buildGameOnce();
    reshapeWindow(width, height);
}

GameDriver::~GameDriver()
{
    resizeWindow(GlTestWindow::width, GlTestWindow::height);
    glViewport(0, 0, GlTestWindow::width, GlTestWindow::height);
    Host::install(nullptr);
    std::filesystem::current_path(previousDir);
}

void GameDriver::resizeWindow(int width, int height)
{
    if (glutGet(GLUT_WINDOW_WIDTH) != width || glutGet(GLUT_WINDOW_HEIGHT) != height) {
        glutReshapeWindow(width, height);
        glutMainLoopEvent();
    }
}

void GameDriver::tick()
{
    // 1000 / fps ms per frame, the remainder spread so a second is exact.
    carry += remainder;
    host.advance(frameMs + carry / fps);
    carry %= fps;
}

void GameDriver::frames(int count)
{
    for (int i = 0; i < count; ++i) tick(), renderFrame();
}

void GameDriver::drawFrame()
{
    tick();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawGameOrPause();
    glFinish();
}

int GameDriver::modelsDrawnInAFrame()
{
    static int models = 0;
    models = 0;
    framePassWatcher = [](FramePass pass) { models += pass == FramePass::Models ? 1 : 0; };
    frames(1);
    framePassWatcher = nullptr;
    return models;
}

void GameDriver::frameAt(int ms)
{
    host.setTime(ms);
    renderFrame();
}
