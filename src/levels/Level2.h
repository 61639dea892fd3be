#pragma once

#include "game/Level.h"

// Level 2: the hermit's settlement.
class Level2 : public Level {
public:
    Level2();

    ModelNode wald1, wald2, wald3, wald4, wald5;
    ModelNode baum1, baum2, baum3, baum4, baum5;
};
