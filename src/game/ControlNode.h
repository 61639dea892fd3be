// The input node "Steuerung", which turns keys and mouse into commands for the scene tree.
// Apart from the GLUT callbacks, which only pass events on: the game's input rules sit here.

#pragma once

#include "scene/SceneNode.h"

class Avatar;
class Camera;

// How the mouse turns the view. By default each movement event is one turn
// or tilt step, whatever the distance; turning by distance keeps the pointer
// in the window and turns by how far it moved.
struct MouseSettings {
    int sensitivity = 100; // percent of the turn per pixel, by distance
    bool invertLook = false;
    bool byDistance = false;
};

// The input node "Steuerung": receives every key and mouse event from the
// window callbacks, remembers held movement keys and whether the mouse sits
// at a window edge, and turns input into command characters sent down the
// scene tree. Its children are the game manager node and the current level.
class ControlNode : public SceneNode {
public:
    ControlNode() : SceneNode("Steuerung") {}

    // The current level's camera and figure, set at every level switch.
    Camera* camera = nullptr;
    Avatar* avatar = nullptr;
    MouseSettings mouse;
    int lastMouseX = 0;
    int lastMouseY = 0;
    // 'a' walking, 'g' in a conversation, 'l' while levels switch; 0 before.
    char inputMode = 0;
    bool heldForward = false;
    bool heldBack = false;
    bool heldLeft = false;
    bool heldRight = false;
    bool edgeRight = false;
    bool edgeLeft = false;
    bool edgeTop = false;
    bool edgeBottom = false;
    bool heldLook = false;
    bool heldTurnLeft = false; // the arrow keys
    bool heldTurnRight = false;
    bool buttonDown = false;
    int lastButton = 0;

    // The control node never starts an update walk below itself.
    void update() override {}

    // Escape ends the program in every mode; the other keys act as
    // `keyBindings` binds them, letters in either case.
    void keyDown(unsigned char key, int x, int y);
    void keyUp(unsigned char key, int x, int y);
    // Up and down walk, left and right turn while walking; then the key goes
    // to every child's onKey, in every mode.
    void specialKey(int key, int x, int y);
    void specialKeyUp(int key, int x, int y);
    void mouseButton(int button, int state, int x, int y);
    // Movement without a button held: one turn or pitch step per event, or
    // turning by the distance moved (see MouseSettings).
    void mouseMove(int x, int y);
    // Every held key let go and the pointer's place forgotten, as when play
    // stops for a while: turning by distance starts afresh from the next event.
    void releaseHeldKeys();
    // Once per frame: the commands of held keys and of the mouse at an edge.
    void sendHeldCommands();
    // Sets projection and view from the current level's camera; before the
    // first level is attached, a default view from the origin towards -Z.
    void applyCamera();

private:
    bool pointerKnown = false;
    void turnByDistance(int x, int y, double width, double height);
};
