#pragma once

#include "game/Placement.h"

// Level 1 to 6; nullptr for any other number.
const LevelLayout* levelLayout(int number);
