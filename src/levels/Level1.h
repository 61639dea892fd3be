// Level 1, the village: the priest's lost sheep and the old woman at the gate.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "model/Actor.h"

#include <vector>

// Level 1: the village. The priest has lost his black sheep; bringing it
// back earns a ring, and the old woman at the village gate lets the player
// out towards Level 2 once the ring has been handed out (or brought to her).
class Level1 : public Level {
public:
    Level1();

    void describe() override;
    void setup() override;
    void frame() override;

    ModelNode haus1, haus2, haus3, haus4;
    ModelNode exitMarker;
    ModelNode kirche;
    ModelNode brunnen;
    ModelNode priest;
    ModelNode frau;
    Actor sheep;
    Actor ring;
    ModelNode wald1, wald2, wald3, wald4;
    ModelNode sign;
    ModelNode heavenBase;
    Quest priestQuest;
    Quest womanQuest;

private:
    // The members under the names the village's tables give them.
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    void pickUpSheep();
    void thank();
    void handOverRing();
    void leave();

    // The proximity rules in the order they are tried, and the script that
    // runs when each one matches (none for the scenery).
    std::vector<ProximityRule> rules;
    std::vector<void (Level1::*)()> actions;
};
