// Key and mouse handling, held movement keys, turning at the window edge, and the camera switch.
// Apart from the GLUT callbacks, which only pass events on: the game's input rules sit here.

#include "game/ControlNode.h"

#include "model/Camera.h"
#include "platform/Host.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {
constexpr unsigned char escapeKey = 27;
}

void ControlNode::keyDown(unsigned char key, int, int)
{
    if (key == escapeKey) {
        std::exit(0);
    }
    if (inputMode == 'a') {
        switch (key) {
        case 'w': heldForward = true; break;
        case 's': heldBack = true; break;
        case 'a': heldLeft = true; break;
        case 'd': heldRight = true; break;
        case 'v': heldLook = true; break;
        case 'e':
        case 'l':
        case 'm':
        case '\t': command(key); break;
        default: break;
        }
    } else if (inputMode == 'g') {
        if (key == '1' || key == '2' || key == 'q' || key == '\t') {
            command(key);
        }
    }
}

void ControlNode::keyUp(unsigned char key, int, int)
{
    if (inputMode != 'a') {
        return;
    }
    switch (key) {
    case 'w': heldForward = false; break;
    case 's': heldBack = false; break;
    case 'a': heldLeft = false; break;
    case 'd': heldRight = false; break;
    case 'v': heldLook = false; break;
    default: break;
    }
}

void ControlNode::specialKey(int key, int, int)
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->onKey(key);
    }
}

void ControlNode::mouseButton(int button, int state, int, int)
{
    if (inputMode != 'a') {
        return;
    }
    buttonDown = state == GLUT_DOWN;
    lastButton = button;
    if (buttonDown && button == GLUT_LEFT_BUTTON) {
        command('f');
    }
}

void ControlNode::mouseMove(int x, int y)
{
    if (inputMode != 'a') {
        return;
    }
    const double width = Host::current().windowWidth();
    const double height = Host::current().windowHeight();

    edgeTop = y >= 0 && y < 0.01 * height;
    edgeBottom = y <= height && y > 0.99 * height;
    if (y < lastMouseY) {
        command('y');
    } else if (y > lastMouseY) {
        command('z');
    }
    lastMouseY = y;

    edgeLeft = x >= 0 && x < 0.01 * width;
    edgeRight = x <= width && x > 0.99 * width;
    if (x < lastMouseX) {
        command('p');
    } else if (x > lastMouseX) {
        command('n');
    }
    lastMouseX = x;
}

void ControlNode::sendHeldCommands()
{
    if (inputMode != 'a') {
        return;
    }
    if (heldForward) command('w');
    if (heldBack) command('s');
    if (heldLeft) command('a');
    if (heldRight) command('d');
    if (!heldForward && !heldBack && !heldLeft && !heldRight) command('x');
    if (edgeRight) command('n');
    if (edgeLeft) command('p');
    if (edgeTop) command('y');
    if (edgeBottom) command('z');
    if (heldLook) command('v');
}

void ControlNode::applyCamera()
{
    if (camera != nullptr) {
        camera->apply();
        return;
    }
    glMatrixMode(GL_PROJECTION);
    applyPerspective(Host::current().windowWidth(), Host::current().windowHeight(), viewDepth);
    gluLookAt(0.0, 0.0, 0.0, 0.0, 1.0, -10.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
