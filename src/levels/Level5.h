#pragma once

#include "game/Level.h"

// Level 5: the snakes and the cage.
class Level5 : public Level {
public:
    Level5();

    ModelNode baum1, baum2, baum3, baum4, baum5;
};
