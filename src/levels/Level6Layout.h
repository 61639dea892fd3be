// Where the inn's village's objects stand.
// Apart from Level6 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The inn's village: four houses, the inn, a well, woods and the hooded hero.
namespace level6 {
extern const LevelLayout layout;
}
