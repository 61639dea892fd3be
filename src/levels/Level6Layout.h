#pragma once

#include "game/Placement.h"

// The inn's village: four houses, the inn, a well, woods and the hooded hero.
namespace level6 {
extern const LevelLayout layout;
}
