// A saved game well under way, for the tests of the save's text and of the real program's saving.

#pragma once

#include "levels/LevelProgress.h"

// Halfway through the chicken yard: the hermit's task taken, the barrow out with two sacks on it.
inline GameProgress inTheYard()
{
    GameProgress p;
    p.levelNumber = 3;
    p.level3Visited = true;
    p.level1.priest = {false, true, true, 4, 1};
    p.level2.hermit = {true, false, false, 4, 0};
    p.level3 = {true, 2};
    return p;
}
