#pragma once

#include "game/Level.h"
#include "game/Quest.h"

// Level 6: the inn and the farewell.
class Level6 : public Level {
public:
    Level6();

    ModelNode wald1, wald2, wald3, wald4;
    Quest heroQuest;
};
