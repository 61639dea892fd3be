#pragma once

#include "game/Level.h"

#include <vector>

// Level 2: the hermit's settlement.
class Level2 : public Level {
public:
    Level2();

    // Places the ground, sky, lights, walls, hill, avatar, trees and forests
    // and links them below geoBranch.
    void setup() override;
    void frame() override;
    void returnFromSideTrip(int itemsBrought) override;

    ModelNode wald1, wald2, wald3, wald4, wald5;
    ModelNode baum1, baum2, baum3, baum4, baum5;
    // The way north to Level 3; closed once the player has come back.
    ModelNode northExit;

private:
    std::vector<NodeBinding> bindings();
};
