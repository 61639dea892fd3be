// Where the hermit's settlement's objects stand, and the mended manger's model.
// Apart from Level2 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The hermit's settlement: the hermit, his house, woods, trees, the manger.
namespace level2 {
extern const LevelLayout layout;
inline constexpr float sprayParticleSize = 0.5f; // smoke of "particleBase"
inline constexpr const char* mendedManger = "data/futterkrippe.ms3d";
}
