// Level 2, the hermit's settlement and his broken manger.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "levels/LevelProgress.h"

// Level 2: the hermit's settlement. The hermit wants his manger mended;
// accepting opens the way north to the chicken yard (Level 3), and the feed
// brought back from there on the wheelbarrow mends it and opens the way
// east to the bridge (Level 4).
class Level2 : public Level {
public:
    static const LevelTable layout;
    static constexpr const char* mendedManger = "data/futterkrippe.ms3d";
    using Progress = Level2Progress;

    Level2();

    // Back from the chicken yard with `sacks` sacks: the return counts for
    // the hermit's task, and the level is as comeBack leaves it.
    void returnFromSideTrip(int sacks);

    // What the player achieved here.
    Progress progress() const;
    // Sets a fresh level back to `saved`: back from the chicken yard with
    // the sacks brought, and the manger mended once the hermit has thanked.
    void restore(const Progress& saved);

    Quest hermitQuest;

    Handle<ModelNode> einsiedler{this, "einsiedler"};
    Handle<ModelNode> krippe{this, "krippe"};
    Handle<Actor> schubkarre{this, "schubkarre"};
    ActorRun sacks{this, "sack1", 5};

private:
    void runScript(ModelNode* reached) override;
    // The wheelbarrow and `sacks` sacks show in front of the avatar at the
    // north edge, the north exit closes and the skip key leads east.
    void comeBack(int sacks);
    // The feed leaves the wheelbarrow and mends the manger.
    void mendManger();
    // North once the hermit's task is accepted, east once it is done.
    bool exitOpen(int target) const override;
};
