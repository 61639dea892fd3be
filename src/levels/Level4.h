#pragma once

#include "game/Level.h"

#include <vector>

// Level 4: the bridge and the customs officer.
class Level4 : public Level {
public:
    Level4();

    // Places the ground, sky, lights, walls, hill, avatar, trees and forests
    // and links them below geoBranch.
    void setup() override;
    void frame() override;
    void returnFromSideTrip(int itemsBrought) override;

    ModelNode wald1, wald2, wald3;
    ModelNode baum1, baum2;
    // The way north to Level 5; closed once the player has come back.
    ModelNode northExit;

private:
    std::vector<NodeBinding> bindings();
};
