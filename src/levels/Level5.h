// Level 5, the snake pit: five baby snakes, the cage and the mother on the badge.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "game/Level.h"
#include "model/Actor.h"

#include <array>
#include <vector>

// Level 5: the snake pit, a side trip from the bridge. The five baby snakes
// flee from the player; driven into the cage all five, they shut it and
// bring out their mother, who lies on the inspection badge. Whistling stuns
// her long enough to take the badge ('m'), which opens the way back.
class Level5 : public Level {
public:
    Level5();

    void describe() override;
    void setup() override;
    void frame() override;
    // 'm' takes the badge while the big snake is stunned; then as every level.
    void command(int key) override;

    Actor mob1, mob2, mob3, mob4, mob5;
    Actor mob6;
    // Where each snake started; a snake chased off the square goes back there.
    std::array<Vector3, 6> homes{};
    ModelNode kaefig;
    ModelNode baum1, baum2, baum3, baum4, baum5;
    ModelNode exitPoint;
    ModelNode heavenBase;
    ModelNode sign;
    int caughtCount = 0;
    int badgeCount = 0;
    bool cageClosed = false;

private:
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    void leave();
    void shutCage();
    void flee();
    void flagCage();
    void catchSnakes();
    void guardBadge();
    // Starts animation slot `index` of the big snake and remembers it.
    void switchBigSnake(int index);

    std::array<Actor*, 5> babies{&mob1, &mob2, &mob3, &mob4, &mob5};
    // Where each baby snake stood before this frame's flight.
    std::array<Vector3, 5> fledFrom{};
    std::array<ProximityRule, 8> rules;
};
