// Every model recipe the generator knows, and the catalogue naming their files.
// Its own header so main sees the recipes without the files that build them.

#pragma once

#include "Geometry.h"
#include "Ms3dWriter.h"

#include <functional>
#include <string>
#include <vector>

// Moves one vertex of a model into keyframe `keyframe` of `animation`; the
// part tag says which limb the vertex belongs to.
using Poser = std::function<V3(V3 position, int part, const std::string& animation, int keyframe)>;

struct BuiltModel {
    GenModel model;
    // Collision outline when it should differ from the model's extent
    // (a tree collides with its trunk, not its crown).
    bool customBox = false;
    V3 boxMin;
    V3 boxMax;
    Poser pose; // empty for models without animations
};

struct ModelRecipe {
    const char* name; // file is data/<name>.ms3d
    BuiltModel (*build)();
};

// Every model the levels and the dialog box load.
const std::vector<ModelRecipe>& modelCatalogue();

// Texture path as the game's loader resolves it below data/.
inline std::string texturePath(const char* file) { return std::string("./texture/") + file; }

// A value through the three keyframes of a motion: `a`, `b`, then `c`.
inline float wave(int keyframe, float a, float b, float c) { return keyframe == 0 ? a : (keyframe == 1 ? b : c); }

// The builders, grouped by kind.
BuiltModel buildAvatar();
BuiltModel buildPriest();
BuiltModel buildOldWoman();
BuiltModel buildHermit();
BuiltModel buildCustomsOfficer();
BuiltModel buildHero();
BuiltModel buildSheep();
BuiltModel buildChicken();
BuiltModel buildSnake();

BuiltModel buildHouse();
BuiltModel buildChurch();
BuiltModel buildInn();
BuiltModel buildHermitHouse();
BuiltModel buildWell();
BuiltModel buildBoundaryWall();
BuiltModel buildBridge();
BuiltModel buildFence();

BuiltModel buildTree();
BuiltModel buildForest();
BuiltModel buildMeadow();
BuiltModel buildRiverMeadow();
BuiltModel buildHills3();
BuiltModel buildHills4();
BuiltModel buildHills5();
BuiltModel buildSky();

BuiltModel buildSign();
BuiltModel buildRing();
BuiltModel buildWheelbarrow();
BuiltModel buildSack();
BuiltModel buildFeedPile();
BuiltModel buildBrokenManger();
BuiltModel buildManger();
BuiltModel buildOpenCage();
BuiltModel buildShutCage();
BuiltModel buildDialogPanel();
