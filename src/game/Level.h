#pragma once

#include "game/Avatar.h"
#include "game/TextStyle.h"
#include "model/ModelNode.h"
#include "scene/Camera.h"
#include "scene/LightNode.h"
#include "scene/SceneNode.h"

#include <string>
#include <vector>

class ControlNode;

// One playing area. It owns every object of the area by value; only the
// current level hangs in the scene tree (the game manager links its
// `geoBranch` in and out). Each frame it draws its scene, paces its
// animations, selects what the avatar stands at and runs its script; its
// keys are talk, skip, close and look, and every key is forwarded to its
// children so quests below the scenery receive them.
class Level : public SceneNode {
public:
    Level();

    // After the level's own handling every key is forwarded (SceneNode).
    void command(int key) override;
    // Appends every object's description lines.
    virtual void describe() {}
    virtual void unload() {}
    // Once at start-up: names geoBranch "Geobranch", places and loads every
    // object, links the scene below geoBranch, creates the quests, describes.
    virtual void setup() {}
    // Once per frame while current: draw, pace animations, select, script.
    virtual void frame() {}
    // Function keys reach the level here; no level uses them.
    virtual void rawKey(int) {}

    // Draws the object's description lines while it is selected.
    void showDescription(ModelNode& object);

    ModelNode geoBranch;
    Avatar avatar;
    Avatar* avatarPtr = &avatar;
    Camera camera;
    ModelNode ground;
    ModelNode sky;
    LightNode light;
    LightNode light2;
    ModelNode boundaryN;
    ModelNode boundaryS;
    ModelNode boundaryW;
    ModelNode boundaryE;
    ModelNode hill;
    float fps = 1.0f;
    TextStyle textStyle;
    int nextLevel = 0;
    std::string prompt;
    ControlNode* controls = nullptr;
    // The avatar's collision list; also what the game manager culls.
    std::vector<ModelNode*> obstacles;
    // Trees ("data/baum.ms3d") and forests ("data/klwald.ms3d"), which the
    // game manager lets draw from its shared display lists.
    std::vector<ModelNode*> trees;
    std::vector<ModelNode*> forests;
};
