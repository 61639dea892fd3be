#pragma once

#include "game/Level.h"

#include <vector>

// Level 5: the snakes and the cage.
class Level5 : public Level {
public:
    Level5();

    // Places the ground, sky, lights, walls, hill, avatar, trees and forests
    // and links them below geoBranch.
    void setup() override;
    void frame() override;

    ModelNode baum1, baum2, baum3, baum4, baum5;

private:
    std::vector<NodeBinding> bindings();
};
