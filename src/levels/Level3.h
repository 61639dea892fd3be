#pragma once

#include "game/Level.h"

#include <vector>

// Level 3: the chicken yard.
class Level3 : public Level {
public:
    Level3();

    // Places the ground, sky, lights, walls, hill, avatar, trees and forests
    // and links them below geoBranch.
    void setup() override;
    void frame() override;

    ModelNode baum1, baum2, baum3, baum4, baum5;
    // Sacks on the wheelbarrow; what is left of them reaches Level 2.
    int feedCount = 0;

private:
    std::vector<NodeBinding> bindings();
};
