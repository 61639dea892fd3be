// Level 4, the river with the bridge and the customs officer.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "effects/WaterSurface.h"
#include "game/Level.h"
#include "game/Quest.h"

#include <array>
#include <vector>

// Level 4: the river with the bridge. The customs officer lets nobody cross
// without an inspection badge; accepting his task opens the way north to the
// snakes (Level 5), and thanking him with the badge moves the barrier wall
// aside, so that the bridge leads east to the inn (Level 6).
class Level4 : public Level {
public:
    Level4();

    void describe() override;
    void setup() override;
    void frame() override;
    // Back from the snakes: the badge is credited, the avatar stands at the
    // north edge, the north exit is closed and the way leads on to Level 6.
    void returnFromSideTrip(int itemsBrought) override;

    ModelNode zoellner;
    ModelNode bruecke;
    ModelNode northExit;
    ModelNode eastExit;
    ModelNode wald1, wald2, wald3;
    ModelNode baum1, baum2;
    ModelNode sign1, sign2;
    ModelNode zaun1, zaun2, zaun3, zaun4;
    ModelNode cBox1, cBox2;
    WaterSurface wasser;
    bool barrierOpened = false;
    ModelNode heavenBase;
    Quest officerQuest;

private:
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    void openBarrier();
    void leaveNorth();
    void leaveEast();

    std::array<ProximityRule, 11> rules;
    std::array<void (Level4::*)(), 11> actions{};
};
