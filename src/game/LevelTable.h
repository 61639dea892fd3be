// The shape of a level's table: one row per object, holding all the game knows of it.
// Apart from Level so the level code and the world generator read the same rows.

#pragma once

#include "scene/Vector3.h"

#include <array>
#include <span>
#include <string_view>

// What a row makes, and what the level does with it.
enum class Kind : unsigned char {
    Scenery, // a model: a house, a sign, a wall, the bridge
    Person,  // a model that 'e' talks to while it is selected
    Tree,    // a model drawn from the shared tree display lists
    Forest,  // a model drawn from the shared forest display lists
    Actor,   // moves by itself or is carried: animals, sacks, the wheelbarrow
    Exit,    // a place that leads to another level: never in the scene, never selected
    Sheet,   // the glowing particle sheet above the level
    Spray,   // a particle spray (the chimney's smoke)
    Water,   // the river
    // Every level has one of each of these; the row places the level's own member.
    Avatar,
    Ground,
    Sky,
    Hill,
};

// Where a row's node hangs in the level's scene tree, after the rows before it.
enum class Parent : unsigned char {
    Ground,  // below the ground
    Top,     // below the level's root, beside the ground
    Avatar,  // carried in front of the avatar
    Nowhere, // not linked at set-up; the script links it when its time comes
};

enum RowFlag : unsigned {
    HasBox = 1u << 0,       // loads "data/bb<name>" as its bounding box
    Animated = 1u << 1,     // loads keyframe poses for its animation slots
    CastsShadow = 1u << 2,  // shadowLight set to the position of "Licht"
    StartsHidden = 1u << 3,
    NoShadowCast = 1u << 4, // castsShadow cleared although a light is set
    Obstacle = 1u << 5,     // the avatar cannot walk through it; culled when out of view
};

inline constexpr Vector3 forwardReference{0.0f, 0.0f, -1.0f};
inline constexpr Vector3 unitScale{1.0f, 1.0f, 1.0f};
inline constexpr Vector3 lightPosition{400.0f, 120.0f, 500.0f};   // "Licht"
inline constexpr Vector3 light2Position{-400.0f, 120.0f, -500.0f}; // "Licht2"

// One animation slot: its poses load with the model; each frame its steps
// per keyframe become pacedSteps(`pacing`, frame rate) (0: kept as loaded).
struct Move {
    const char* name = nullptr; // nullptr: the slot is unused
    int keyframeCount = 0;
    int stepsPerKeyframe = 0;
    int pacing = 0;
};
using Moves = std::array<Move, 3>;

// What a quest giver's row says of its quest; the quest's state is the level's.
struct QuestText {
    const char* title = nullptr;   // nullptr: the row gives no quest
    const char* partner = nullptr; // the partner's key in the dialogues file
    const char* nodeName = nullptr; // the quest node's name; nullptr keeps "dia"
    // The journal's line while the partner waits for an answer, and while the task is under way.
    const char* offer = nullptr;
    const char* task = nullptr;
};

using Lines = std::array<const char*, 4>;

// One object of a level. Positions are world units; facings are `direction`
// vectors, from which the heading follows against `forwardReference`.
struct ObjectRow {
    const char* name = nullptr; // the node's name, and the name the script finds it by
    Kind kind = Kind::Scenery;
    Parent parent = Parent::Ground;
    const char* model = nullptr; // nullptr: the node loads no model
    Vector3 at{};
    Vector3 scale = unitScale;
    Vector3 facing = forwardReference;
    unsigned flags = 0;
    // Standing closer than `reach` (strictly) shows `prompt` and selects the
    // object; `rule` orders the level's proximity rules and `look` the objects
    // 'v' looks at, ties in row order (a `look` of 0: never looked at).
    float reach = 0.0f;
    int rule = 0;
    int look = 0;
    const char* prompt = nullptr; // nullptr leaves the prompt as it was
    Lines lines{};                 // what 'v' shows, up to four lines
    Moves moves{};
    QuestText quest{};
    int target = 0; // an exit: the level it leads to
    float followDistance = 0.0f;
    // Non-zero when the first heading comes from another vector than the
    // facing (the sheep keeps facing forward but starts turned).
    Vector3 headingFacing{};
    // A particle system: from which draw of the random sequence its fade
    // rates come (-1: the next ones). The game has always drawn them there,
    // so the glow and the smoke look the same in every run and every build.
    long randomFrom = -1;
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
    const char* closedExit = nullptr; // the exit moved out of reach; nullptr: nobody comes back
    Vector3 closedExitPosition;
    int exitTarget = 0; // the skip key's level afterwards
};

struct LevelTable {
    int number;
    const char* name; // what the player calls the area ("Das Dorf")
    std::span<const ObjectRow> objects; // in the order they hang in the scene
    CameraSetup camera;
    const char* idleText; // the prompt while no rule reaches
    ReturnSetup returnSetup{};
};

// The row named `name`, or nullptr.
const ObjectRow* findRow(const LevelTable& table, std::string_view name);
