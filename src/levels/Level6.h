// Level 6, the inn's village and the hooded hero whose task ends the game.

#pragma once

#include "game/Level.h"
#include "game/Quest.h"
#include "levels/LevelProgress.h"
#include "levels/Translation.h"

// Level 6: the inn and the farewell. A second village with an inn, a well,
// four woods and a hooded hero whose task ends the game: accepting it and
// closing the conversation finishes his quest, which the frame loop watches
// to start the outro. There is no exit; the skip key says goodbye instead.
class Level6 : public Level {
public:
    static const LevelTable layout;
    using Progress = Level6Progress;
    // What the game says at its end, on 'l' and on the end screen.
    static constexpr const char* farewell =
        N_("Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....");

    Level6();

    // Closing the conversation after accepting finishes the hero's quest;
    // 'l' prints the farewell and leaves the player where they are.
    void command(int key) override;

    // What the player achieved here, and the level set back to it.
    Progress progress() const { return {heroQuest}; }
    void restore(const Progress& saved) { static_cast<QuestProgress&>(heroQuest) = saved.hero; }

    // The hero's quest, whose end is the game's.
    Quest heroQuest;
};
