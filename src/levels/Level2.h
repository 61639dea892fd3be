// Level 2, the hermit's settlement and his broken manger.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "model/Actor.h"

#include <array>
#include <vector>

// Level 2: the hermit's settlement. The hermit wants his manger mended;
// accepting opens the way north to the chicken yard (Level 3), and the feed
// brought back from there on the wheelbarrow mends it and opens the way
// east to the bridge (Level 4).
class Level2 : public Level {
public:
    Level2();

    void describe() override;
    // Takes the scene below geoBranch apart; kept for completeness.
    void unload() override;
    void setup() override;
    void frame() override;
    // Back from the chicken yard with `sacks` sacks: the wheelbarrow and as
    // many sacks show in front of the avatar at the north edge, the north
    // exit closes and the skip key leads east.
    void returnFromSideTrip(int sacks) override;

    ModelNode einsiedler;
    ModelNode haus;
    ModelNode eastExit;
    ModelNode northExit;
    ModelNode wald1, wald2, wald3, wald4, wald5;
    ModelNode baum1, baum2, baum3, baum4, baum5;
    ModelNode krippe;
    std::array<Actor, 5> sacks;
    Actor schubkarre;
    ModelNode sign1, sign2;
    ModelNode particleBase;
    ModelNode heavenBase;
    Quest hermitQuest;

private:
    // The members under the names the settlement's tables give them.
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    void deliver();
    void leaveNorth();
    void leaveEast();

    // The proximity rules in the order they are tried, and what runs when
    // each one matches (nothing for the scenery).
    std::array<ProximityRule, 17> rules;
    std::array<void (Level2::*)(), 17> actions{};
};
