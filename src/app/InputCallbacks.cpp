// GLUT's keyboard and mouse callbacks: ignored while a video plays, else passed to the control node.

#include "app/InputCallbacks.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"

#include <GL/freeglut.h>

void onKeyDown(unsigned char key, int x, int y)
{
    if (appState.videoRunning()) {
        return;
    }
    controlNode.keyDown(key, x, y);
    renderFrame();
}

void onKeyUp(unsigned char key, int x, int y)
{
    if (key == 'w') {
        endVideo();
    }
    // After the intro this release reaches the game as well.
    if (appState.videoRunning()) {
        return;
    }
    controlNode.keyUp(key, x, y);
    renderFrame();
}

void onSpecialKey(int key, int x, int y)
{
    if (appState.videoRunning()) {
        return;
    }
    controlNode.specialKey(key, x, y);
    renderFrame();
}

void onSpecialKeyUp(int, int, int)
{
    if (appState.videoRunning()) {
        return;
    }
    renderFrame();
}

void onMouseButton(int button, int state, int x, int y)
{
    if (appState.videoRunning()) {
        return;
    }
    controlNode.mouseButton(button, state, x, y);
}

// Dragging neither turns nor tilts the view; it only draws a frame.
void onMouseDrag(int, int)
{
    if (appState.videoRunning()) {
        return;
    }
    renderFrame();
}

void onMouseMove(int x, int y)
{
    if (appState.videoRunning()) {
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
}
