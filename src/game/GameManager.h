#pragma once

#include "scene/SceneNode.h"

class ControlNode;

// Owns the game: the root of the scene tree, the input node's place in it,
// and the frame-rate measurement every movement is scaled by.
class GameManager : public SceneNode {
public:
    SceneNode root;
    // Set by main before init; the parent of this node and of the level.
    ControlNode* controlNode = nullptr;
    int frameCount = 0;       // frames since the last measurement
    int lastFrameTime = 0;    // ms, elapsed time read in the latest frame
    int fpsTime = 0;          // ms, elapsed time of the latest measurement
    float framesPerSecond = 80.0f;

    // Builds the tree "Ruth" -> "Steuerung" -> "Gamemanager" and the GL
    // state of the game. Runs once, with the GL context present.
    void init();
    // One game frame.
    void runFrame();
    // True once the last quest of the game is finished: the cue for the outro.
    bool lastQuestFinished() const;
};
