// The shape of the levels' placement tables: objects, animations, selections, exits, camera.
// Apart from the tables themselves so the level code and the world generator read the same rows.

#pragma once

#include "scene/Vector3.h"

#include <span>

// The shape of the six levels' placement tables, which levels/ fills: plain
// constant data, read by the level set-up code and by the data checks of the
// world generator. Positions are world units, facings are `direction` vectors
// (the heading follows from them against the forward reference (0, 0, -1)).

enum PlacementFlag : unsigned {
    HasBox = 1u << 0,        // loads "data/bb<name>" as its bounding box
    Animated = 1u << 1,      // loads keyframe poses for its animation slots
    CastsShadow = 1u << 2,   // shadowLight set to the position of "Licht"
    StartsHidden = 1u << 3,
    DrawsParticleSheet = 1u << 4, // draws its ParticleSheet instead of a model
    DrawsParticleSpray = 1u << 5, // draws its ParticleSpray instead of a model
    NoShadowCast = 1u << 6,  // castsShadow cleared although a light is set
};

inline constexpr Vector3 forwardReference{0.0f, 0.0f, -1.0f};
inline constexpr Vector3 unitScale{1.0f, 1.0f, 1.0f};
inline constexpr Vector3 lightPosition{400.0f, 120.0f, 500.0f};   // "Licht"
inline constexpr Vector3 light2Position{-400.0f, 120.0f, -500.0f}; // "Licht2"

struct Placement {
    const char* node;
    const char* model; // nullptr: the node loads no model
    Vector3 position;
    Vector3 scale;
    Vector3 facing;
    unsigned flags = 0;
    float followDistance = 0.0f;
    // Non-zero when the first heading comes from another vector than the
    // facing (the sheep keeps facing forward but starts turned).
    Vector3 headingFacing{};
};

struct AnimationSlot {
    const char* node;
    int slot;
    const char* name;
    int keyframeCount;
    int stepsPerKeyframe;
    int pacing; // K: steps = pacedSteps(K, frame rate) each frame; 0 = not re-paced
};

struct SelectionRule {
    const char* node; // a node name or the label of an exit marker
    float radius;
};

struct ExitMarker {
    const char* label; // markers are not scene nodes; the label names them here
    Vector3 position;
    float radius;
    int target; // the level it leads to
};

struct CameraSetup {
    Vector3 position;
    Vector3 target;
};

// Where a level puts the player when the side trip it led to comes back.
struct ReturnSetup {
    Vector3 avatarPosition;
    Vector3 avatarFacing;
    CameraSetup camera;
    const char* closedExit;     // label of the marker moved out of reach
    Vector3 closedExitPosition;
    int exitTarget;             // the skip key's level afterwards
};

struct LevelLayout {
    int number;
    std::span<const Placement> placements;     // in loader order
    std::span<const AnimationSlot> animations;
    std::span<const SelectionRule> selections; // in rule order
    std::span<const ExitMarker> exits;
    std::span<const char* const> obstacles;    // the avatar's collision list, in order
    CameraSetup camera;
    const ReturnSetup* returnSetup; // nullptr for levels nobody comes back to
};
