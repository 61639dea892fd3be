// The six placement tables by level number.
// Its own header so the game manager and the world generator look a table up without the levels.

#pragma once

#include "game/Placement.h"

// Level 1 to 6; nullptr for any other number.
const LevelLayout* levelLayout(int number);
