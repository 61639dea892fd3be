// Level 1, the village: the priest's lost sheep and the old woman at the gate.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "levels/LevelProgress.h"

// Level 1: the village. The priest has lost his black sheep; bringing it
// back earns a ring, and the old woman at the village gate lets the player
// out towards Level 2 once the ring has been handed out (or brought to her).
class Level1 : public Level {
public:
    static const LevelTable layout;
    using Progress = Level1Progress;
    // Where the thanks leave the sheep, by the priest.
    static constexpr Vector3 sheepAtPriest{126, 0, 106};

    Level1();

    // What the player achieved here.
    Progress progress() const;
    // Sets a fresh level back to `saved`: the sheep follows the avatar
    // (bleating) or stands at the priest, the ring is carried until the old
    // woman has it.
    void restore(const Progress& saved);

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
    void carrySheep();
    void thank();
    void leaveSheepAtPriest();
    void carryRing();
    void handOverRing();
};
