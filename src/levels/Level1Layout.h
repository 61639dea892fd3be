// Where the village's objects stand.
// Apart from Level1 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The village: four houses, church, well, four woods, priest, old woman, sheep.
namespace level1 {
extern const LevelLayout layout;
}
