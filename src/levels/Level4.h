#pragma once

#include "game/Level.h"

// Level 4: the bridge and the customs officer.
class Level4 : public Level {
public:
    Level4();

    ModelNode wald1, wald2, wald3;
    ModelNode baum1, baum2;
};
