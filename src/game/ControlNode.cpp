// Key and mouse handling, held movement keys, turning at the window edge, and the camera switch.
// Apart from the GLUT callbacks, which only pass events on: the game's input rules sit here.

#include "game/ControlNode.h"

#include "game/Avatar.h"
#include "game/KeyBindings.h"
#include "model/Camera.h"
#include "platform/Host.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>

namespace {
constexpr unsigned char escapeKey = 27;

// Turning by distance at 100 %: degrees and camera rise per pixel moved.
constexpr double turnPerPixel = 0.25;
constexpr double tiltPerPixel = 0.025;

bool* heldFlag(ControlNode& node, Action action)
{
    switch (action) {
    case Action::Forward: return &node.heldForward;
    case Action::Back: return &node.heldBack;
    case Action::Left: return &node.heldLeft;
    case Action::Right: return &node.heldRight;
    case Action::Look: return &node.heldLook;
    default: return nullptr;
    }
}

bool* arrowFlag(ControlNode& node, int key)
{
    switch (key) {
    case GLUT_KEY_UP: return &node.heldForward;
    case GLUT_KEY_DOWN: return &node.heldBack;
    case GLUT_KEY_LEFT: return &node.heldTurnLeft;
    case GLUT_KEY_RIGHT: return &node.heldTurnRight;
    default: return nullptr;
    }
}

} // namespace

void ControlNode::keyDown(unsigned char key, int, int)
{
    if (key == escapeKey) {
        std::exit(0);
    }
    if (inputMode != 'a' && inputMode != 'g') {
        return;
    }
    // Tab, like Escape, is the same key on every layout: the journal.
    if (key == '\t') {
        command(key);
        return;
    }
    const std::optional<Action> action = keyBindings.actionOf(key, inputMode == 'g');
    if (!action) {
        return;
    }
    if (bool* held = heldFlag(*this, *action)) {
        *held = true;
    } else if (actionRow(*action).command != 0) {
        command(actionRow(*action).command);
    }
}

void ControlNode::keyUp(unsigned char key, int, int)
{
    if (inputMode != 'a') {
        return;
    }
    if (const std::optional<Action> action = keyBindings.actionOf(key, false)) {
        if (bool* held = heldFlag(*this, *action)) {
            *held = false;
        }
    }
}

void ControlNode::specialKey(int key, int, int)
{
    if (bool* held = arrowFlag(*this, key); held != nullptr && inputMode == 'a') {
        *held = true;
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->onKey(key);
    }
}

void ControlNode::specialKeyUp(int key, int, int)
{
    if (bool* held = arrowFlag(*this, key); held != nullptr && inputMode == 'a') {
        *held = false;
    }
}

void ControlNode::releaseHeldKeys()
{
    heldForward = heldBack = heldLeft = heldRight = heldLook = heldTurnLeft = heldTurnRight = false;
    pointerKnown = false;
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
    if (mouse.byDistance) {
        turnByDistance(x, y, width, height);
        return;
    }
    // Inverted, moving the mouse up tilts as moving it down did.
    const char up = mouse.invertLook ? 'z' : 'y';
    const char down = mouse.invertLook ? 'y' : 'z';

    edgeTop = y >= 0 && y < 0.01 * height;
    edgeBottom = y <= height && y > 0.99 * height;
    if (y < lastMouseY) {
        command(up);
    } else if (y > lastMouseY) {
        command(down);
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

void ControlNode::turnByDistance(int x, int y, double width, double height)
{
    edgeTop = edgeBottom = edgeLeft = edgeRight = false;
    const double scale = mouse.sensitivity / 100.0;
    const int dx = pointerKnown ? x - lastMouseX : 0;
    const int dy = pointerKnown ? y - lastMouseY : 0;
    pointerKnown = true;
    lastMouseX = x;
    lastMouseY = y;
    if (avatar != nullptr && dx != 0) {
        avatar->turnBy(static_cast<float>(-dx * turnPerPixel * scale));
    }
    if (avatar != nullptr && dy != 0) {
        avatar->tiltBy(static_cast<float>((mouse.invertLook ? dy : -dy) * tiltPerPixel * scale));
    }
    // Back to the middle before the pointer can leave the window; the move
    // this makes comes back as an event of no distance.
    if (std::abs(x - width / 2) > width / 4 || std::abs(y - height / 2) > height / 4) {
        lastMouseX = static_cast<int>(width / 2);
        lastMouseY = static_cast<int>(height / 2);
        Host::current().warpPointer(lastMouseX, lastMouseY);
    }
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
    if (edgeRight || heldTurnRight) command('n');
    if (edgeLeft || heldTurnLeft) command('p');
    if (edgeTop) command(mouse.invertLook ? 'z' : 'y');
    if (edgeBottom) command(mouse.invertLook ? 'y' : 'z');
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
