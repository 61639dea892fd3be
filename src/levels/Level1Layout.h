#pragma once

#include "game/Placement.h"

// The village: four houses, church, well, four woods, priest, old woman, sheep.
namespace level1 {
extern const LevelLayout layout;
}
