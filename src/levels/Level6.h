#pragma once

#include "game/Level.h"
#include "game/Quest.h"

#include <vector>

// Level 6: the inn and the farewell.
class Level6 : public Level {
public:
    Level6();

    // Places the ground, sky, lights, walls, hill, avatar, trees and forests
    // and links them below geoBranch.
    void setup() override;
    void frame() override;

    ModelNode wald1, wald2, wald3, wald4;
    Quest heroQuest;

private:
    std::vector<NodeBinding> bindings();
};
