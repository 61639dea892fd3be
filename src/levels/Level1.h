// Level 1, the village: the priest's lost sheep and the old woman at the gate.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"

// Level 1: the village. The priest has lost his black sheep; bringing it
// back earns a ring, and the old woman at the village gate lets the player
// out towards Level 2 once the ring has been handed out (or brought to her).
class Level1 : public Level {
public:
    static const LevelTable layout;

    Level1();

    // Progress: the two quests; where the sheep and the ring are follows from them.
    Quest priestQuest;
    Quest womanQuest;

    Handle<ModelNode> priest{this, "priest"};
    Handle<ModelNode> frau{this, "frau"};
    Handle<Actor> sheep{this, "sheep"};
    Handle<Actor> ring{this, "ring"};

private:
    void runScript(ModelNode* reached) override;
    // The old woman lets the player out once her quest is finished.
    bool exitOpen(int target) const override;

    void pickUpSheep();
    void thank();
    void handOverRing();
};
