// The input node "Steuerung", which turns keys and mouse into commands for the scene tree.
// Apart from the GLUT callbacks, which only pass events on: the game's input rules sit here.

#pragma once

#include "scene/SceneNode.h"

class Camera;

// The input node "Steuerung": receives every key and mouse event from the
// window callbacks, remembers held movement keys and whether the mouse sits
// at a window edge, and turns input into command characters sent down the
// scene tree. Its children are the game manager node and the current level.
class ControlNode : public SceneNode {
public:
    ControlNode() : SceneNode("Steuerung") {}

    // The current level's camera, set at every level switch.
    Camera* camera = nullptr;
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
    bool buttonDown = false;
    int lastButton = 0;

    // The control node never starts an update walk below itself.
    void update() override {}

    // Escape ends the program in every mode.
    void keyDown(unsigned char key, int x, int y);
    void keyUp(unsigned char key, int x, int y);
    // Function keys go to every child's onKey, in every mode.
    void specialKey(int key, int x, int y);
    void mouseButton(int button, int state, int x, int y);
    // Movement without a button held: one turn or pitch step per event.
    void mouseMove(int x, int y);
    // Once per frame: the commands of held keys and of the mouse at an edge.
    void sendHeldCommands();
    // Sets projection and view from the current level's camera; before the
    // first level is attached, a default view from the origin towards -Z.
    void applyCamera();
};
