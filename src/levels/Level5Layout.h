// Where the snake pit's objects stand, and how fast and near the snakes flee.
// Apart from Level5 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The snake pit: five baby snakes, their mother, the cage and trees.
namespace level5 {
extern const LevelLayout layout;
// Flight speed of "mob1" to "mob5" in units per second.
inline constexpr float flightSpeeds[5] = {21, 22, 20, 19, 21.5f};
inline constexpr float flightRadius = 10.0f;
inline constexpr float cageCatchRadius = 2.0f;
inline constexpr float cagePromptRadius = 10.0f;
inline constexpr float bigSnakeRadius = 35.0f;
inline constexpr const char* shutCage = "data/kaefigzu.ms3d";
}
