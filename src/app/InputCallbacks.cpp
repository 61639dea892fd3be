// GLUT's keyboard and mouse callbacks: ignored while a video plays, else passed to the control node.

#include "app/InputCallbacks.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/PauseScreen.h"
#include "app/SavedGame.h"
#include "app/Screenshots.h"
#include "game/KeyBindings.h"

#include <GL/freeglut.h>

namespace {
constexpr unsigned char escapeKey = 27;
}

void onKeyDown(unsigned char key, int x, int y)
{
    if (appState.videoRunning()) {
        return;
    }
    if (appState.startQuestionOpen && key != escapeKey) {
        answerStartQuestion(key);
        renderFrame();
        return;
    }
    if (appState.endScreenOpen && key != escapeKey) {
        return;
    }
    gameManager.closeHelp();
    // Escape ends the program in the control node; the game is kept first.
    if (key == escapeKey) {
        saveGame();
    }
    const auto action = keyBindings.actionOf(key, controlNode.inputMode == 'g');
    if (action == Action::Pause) {
        togglePause();
    } else if (!gamePaused() || key == escapeKey) {
        controlNode.keyDown(key, x, y);
    }
    renderFrame();
}

void onKeyUp(unsigned char key, int x, int y)
{
    if (key == 'w') {
        endVideo();
    }
    // After the intro this release reaches the game as well.
    if (!appState.playing()) {
        return;
    }
    controlNode.keyUp(key, x, y);
    renderFrame();
}

void onSpecialKey(int key, int x, int y)
{
    // The full screen switches whatever the window shows.
    if (key == GLUT_KEY_F11) {
        switchFullScreen();
        renderFrame();
        return;
    }
    if (!appState.playing()) {
        return;
    }
    if (key == GLUT_KEY_F12) {
        // Of the game as it is played, not of the pause's still picture.
        if (!gamePaused()) {
            askForScreenshot();
            renderFrame();
        }
        return;
    }
    if (gamePaused()) {
        settingsKey(key);
    } else {
        controlNode.specialKey(key, x, y);
    }
    renderFrame();
}

void onSpecialKeyUp(int key, int x, int y)
{
    if (!appState.playing()) {
        return;
    }
    controlNode.specialKeyUp(key, x, y);
    renderFrame();
}

void onMouseButton(int button, int state, int x, int y)
{
    if (!appState.playing()) {
        return;
    }
    if (gamePaused()) {
        settingsClick(button, state, x, y);
        renderFrame();
    } else {
        controlNode.mouseButton(button, state, x, y);
    }
}

// Dragging neither turns nor tilts the view; it only draws a frame.
void onMouseDrag(int, int)
{
    if (!appState.playing()) {
        return;
    }
    renderFrame();
}

void onMouseMove(int x, int y)
{
    if (!appState.playing() || gamePaused()) {
        return;
    }
    controlNode.mouseMove(x, y);
    renderFrame();
}

void registerInputCallbacks()
{
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialKey);
    glutSpecialUpFunc(onSpecialKeyUp);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseDrag);
    glutPassiveMotionFunc(onMouseMove);
    glutWindowStatusFunc(onWindowStatus);
}
