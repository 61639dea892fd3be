#pragma once

#include "game/Level.h"

// Level 3: the chicken yard.
class Level3 : public Level {
public:
    Level3();

    ModelNode baum1, baum2, baum3, baum4, baum5;
};
