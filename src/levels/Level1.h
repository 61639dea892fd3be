#pragma once

#include "game/Level.h"

// Level 1: the village.
class Level1 : public Level {
public:
    Level1();

    ModelNode wald1, wald2, wald3, wald4;
};
