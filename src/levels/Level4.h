// Level 4, the river with the bridge and the customs officer.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "levels/LevelProgress.h"

// Level 4: the river with the bridge. The customs officer lets nobody cross
// without an inspection badge; accepting his task opens the way north to the
// snakes (Level 5), and thanking him with the badge moves the barrier wall
// aside, so that the bridge leads east to the inn (Level 6).
class Level4 : public Level {
public:
    static const LevelTable layout;
    // Where "cBox2" stands once the officer has opened the barrier.
    static constexpr Vector3 openedBarrierPosition{148, 0, 160};
    using Progress = Level4Progress;

    Level4();

    // Back from the snakes: the badge is credited, the avatar stands at the
    // north edge, the north exit is closed and the way leads on to Level 6.
    void returnFromSideTrip(int itemsBrought);

    // What the player achieved here.
    Progress progress() const;
    // Sets a fresh level back to `saved`: back from the snakes, the barrier
    // open once the officer has thanked.
    void restore(const Progress& saved);

    Quest officerQuest;
    bool barrierOpened = false;

    Handle<ModelNode> zoellner{this, "zoellner"};
    Handle<ModelNode> cBox2{this, "cBox2"};

private:
    void runScript(ModelNode* reached) override;
    // The barrier wall moves aside, out of the way to the bridge's far end.
    void openBarrier();
    // North once the officer's task is accepted; the far bank's exit is always open.
    bool exitOpen(int target) const override;
};
