// Level 6, the inn's village and the hooded hero whose task ends the game.
// One file per level, so each area's objects and script read on their own.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"

#include <vector>

// Level 6: the inn and the farewell. A second village with an inn, a well,
// four woods and a hooded hero whose task ends the game: accepting it and
// closing the conversation finishes his quest, which the frame loop watches
// to start the outro. There is no exit; the skip key says goodbye instead.
class Level6 : public Level {
public:
    Level6();

    // Closing the conversation after accepting finishes the hero's quest;
    // 'l' prints the farewell and leaves the player where they are.
    void command(int key) override;
    void describe() override;
    void setup() override;
    void frame() override;

    ModelNode haus1, haus2, haus3, haus4;
    ModelNode wirtshaus;
    ModelNode brunnen;
    ModelNode held;
    ModelNode wald1, wald2, wald3, wald4;
    ModelNode heavenBase;
    Quest heroQuest;

private:
    // The members under the names the level's tables give them.
    std::vector<NodeBinding> bindings();
    void load();
    void attach();

    // The proximity rules in the order they are tried; none has an action.
    std::vector<ProximityRule> rules;
};
