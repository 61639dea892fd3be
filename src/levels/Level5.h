// Level 5, the snake pit: five baby snakes, the cage and the mother on the badge.

#pragma once

#include "game/Level.h"
#include "levels/LevelProgress.h"

#include <array>

// Level 5: the snake pit, a side trip from the bridge. The five baby snakes
// flee from the player; driven into the cage all five, they shut it and
// bring out their mother, who lies on the inspection badge. Whistling stuns
// her long enough to take the badge ('m'), which opens the way back.
class Level5 : public Level {
public:
    static const LevelTable layout;
    static constexpr const char* shutCage = "data/kaefigzu.ms3d";
    using Progress = Level5Progress;

    Level5() : Level(layout) {}

    // 'm' takes the badge while the big snake is stunned; then as every level.
    void command(int key) override;

    // What the player achieved here.
    Progress progress() const;
    // Sets a fresh level back to `saved`: the snakes caught lie in the cage,
    // which is shut with their mother out once all five are in; the badge.
    void restore(const Progress& saved);

    int caughtCount = 0;
    int badgeCount = 0;
    bool cageClosed = false;

    // "mob1" to "mob5", and their mother "mob6".
    ActorRun babies{this, "mob1", 5};
    Handle<Actor> mother{this, "mob6"};
    Handle<ModelNode> kaefig{this, "kaefig"};
    // Where each baby snake started; one chased off the square goes back there.
    std::array<Vector3, 5> homes{};

private:
    void setUpScript() override;
    void runScript(ModelNode* reached) override;
    // The way back opens once the badge is taken.
    bool exitOpen(int target) const override;

    void closeCage();
    void shutCageOnMother();
    void flee();
    void flagCage();
    void catchSnakes();
    void guardBadge();
    // Starts animation slot `index` of the big snake and remembers it.
    void switchBigSnake(int index);

    // Where each baby snake stood before this frame's flight.
    std::array<Vector3, 5> fledFrom{};
};
