// The six levels' tables by number.
// Its own header so the world generator and the tests read the tables without the levels' scripts.

#pragma once

#include "game/LevelTable.h"

// Level 1 to 6; nullptr for any other number.
const LevelTable* levelTable(int number);
