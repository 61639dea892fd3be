// Where the chicken yard's objects stand, and how fast and near the chickens chase.
// Apart from Level3 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The chicken yard: fifteen chickens, trees, the wheelbarrow and the feed pile.
namespace level3 {
extern const LevelLayout layout;
// Chase speed of "mob1" to "mob15" in units per second ("mob1" runs twice a frame).
inline constexpr float chaseSpeeds[15] = {23, 25, 23, 22, 24.5f, 21, 25, 23.5f, 24, 24, 24, 24, 24, 24, 24};
inline constexpr float chaseRadius = 40.0f;
inline constexpr float catchRadius = 2.0f;
inline constexpr float feedPileRadius = 10.0f;
}
