// Level 3, the chicken yard: the wheelbarrow, the feed and the hungry chickens.

#pragma once

#include "game/Level.h"
#include "levels/LevelProgress.h"

#include <array>

// Level 3: the chicken yard, a side trip from Level 2. The player takes the
// wheelbarrow, loads five sacks at the feed pile and must get back to the
// exit; the chickens chase the feed and every one that reaches the player
// eats a sack. What is left goes back to the hermit.
class Level3 : public Level {
public:
    static const LevelTable layout;
    static constexpr int chickenCount = 15;
    using Progress = Level3Progress;

    Level3() : Level(layout) {}

    // 'm' takes the wheelbarrow, or loads it at the feed pile; there is no
    // conversation here, so 'q' is only forwarded.
    void command(int key) override;

    // What the player achieved here.
    Progress progress() const;
    // Sets a fresh level back to `saved`: the wheelbarrow carried, as many
    // sacks on it as the feed count says.
    void restore(const Progress& saved);

    // The sacks on the wheelbarrow; what is left of them reaches Level 2.
    int feedCount = 0;

    ActorRun mobs{this, "mob1", chickenCount};
    // Where each chicken started; a chicken that ate a sack goes back there.
    std::array<Vector3, chickenCount> homes;
    ActorRun sacks{this, "sack1", 5};
    Handle<Actor> schubkarre{this, "schubkarre"};
    Handle<ModelNode> futter{this, "futter"};

private:
    void setUpScript() override;
    void runScript(ModelNode* reached) override;
    // The way back opens with at least one sack on the wheelbarrow.
    bool exitOpen(int target) const override;

    void take();
    void takeBarrow();
    // Every chicken near the fed player runs at it ("mob1" twice a frame).
    void chase();
    void chaseWith(Actor& chicken, float speed);
    // Standing at the feed pile overrides whatever the rules prompted.
    void promptAtFeedPile();
    // A chicken at the player eats the last visible sack and goes home.
    void catchSacks();
    // The chicken's walk (1) or idle (0) animation, switched only on change.
    static void animate(Actor& chicken, int index);
};
