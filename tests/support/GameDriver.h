#pragma once

#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "platform/Host.h"
#include "support/GlTestWindow.h"

#include <filesystem>
#include <string>

// Plays a fresh game from the data in `runDir` in the test window, one at a
// time: a manual clock advances 1000 / fps ms per frame, and input goes
// through the callbacks GLUT calls. A window smaller than the test window's
// costs less per frame; the test window gets its size back afterwards.
class GameDriver {
public:
    explicit GameDriver(const std::filesystem::path& runDir, int fps = 40, int width = 800, int height = 600);
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    // A fresh game in the same window on the same clock, as after quitting and starting again.
    void restart();

    // Frames as GLUT's idle callback draws them (buffers swapped).
    void frames(int count);
    // One game frame left in the back buffer, so its pixels can be read.
    void drawFrame();
    // One frame (buffers swapped) with the clock set to `ms`.
    void frameAt(int ms);
    // One frame (buffers swapped); how many models it drew.
    int modelsDrawnInAFrame();

    // The window callbacks; each draws its extra frame as in the game.
    void keyDown(unsigned char key) { onKeyDown(key, 0, 0); }
    void keyUp(unsigned char key) { onKeyUp(key, 0, 0); }
    void press(unsigned char key) { keyDown(key), keyUp(key); }
    void specialKey(int key) { onSpecialKey(key, 0, 0), onSpecialKeyUp(key, 0, 0); }
    void mouseMove(int x, int y) { onMouseMove(x, y); }
    void mouseButton(int button, int state, int x, int y) { onMouseButton(button, state, x, y); }

    GameManager& game() { return gameManager; }
    ControlNode& controls() { return controlNode; }
    Level& level() { return *gameManager.currentLevel; }
    int levelNumber() { return gameManager.levelNumber; }
    const std::string& prompt() { return gameManager.currentLevel->prompt; }
    const std::string& message() { return gameManager.message; }
    ManualHost& clock() { return host; }

private:
    static void resizeWindow(int width, int height);
    void tick();

    ManualHost host;
    int frameMs, remainder, fps, carry = 0, width, height;
    std::filesystem::path previousDir;
};
