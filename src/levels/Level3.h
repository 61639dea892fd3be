// Level 3, the chicken yard: the wheelbarrow, the feed and the hungry chickens.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "game/Level.h"
#include "model/Actor.h"

#include <array>
#include <vector>

// Level 3: the chicken yard, a side trip from Level 2. The player takes the
// wheelbarrow, loads five sacks at the feed pile and must get back to the
// exit; the chickens chase the feed and every one that reaches the player
// eats a sack. What is left goes back to the hermit.
class Level3 : public Level {
public:
    static constexpr int chickenCount = 15;

    Level3();

    // 'm' takes the wheelbarrow, or loads it at the feed pile; there is no
    // conversation here, so 'q' is only forwarded.
    void command(int key) override;
    void describe() override;
    // Takes the scene below geoBranch apart; kept for completeness.
    void unload() override;
    void setup() override;
    void frame() override;

    std::array<Actor, chickenCount> mobs;
    // Where each chicken started; a chicken that ate a sack goes back there.
    std::array<Vector3, chickenCount> homes;
    std::array<Actor, 5> sacks;
    Actor schubkarre;
    ModelNode baum1, baum2, baum3, baum4, baum5;
    ModelNode futter;
    ModelNode exitPoint;
    ModelNode heavenBase;
    ModelNode sign;
    // Sacks on the wheelbarrow; what is left of them reaches Level 2.
    int feedCount = 0;

private:
    // The members under the names the yard's tables give them.
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    void take();
    void leave();
    // Every chicken near the fed player runs at it ("mob1" twice a frame).
    void chase();
    void chaseWith(Actor& chicken, float speed);
    // Standing at the feed pile overrides whatever the rules prompted.
    void promptAtFeedPile();
    // A chicken at the player eats the last visible sack and goes home.
    void catchSacks();
    // The chicken's walk (1) or idle (0) animation, switched only on change.
    static void animate(Actor& chicken, int index);

    // The proximity rules in the order they are tried.
    std::array<ProximityRule, 9 + chickenCount> rules;
    // The wheelbarrow's rule is the first; its radius while on the ground.
    float wheelbarrowRadius = 0.0f;
};
