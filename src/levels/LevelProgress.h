// What each level keeps of the player's progress, and the game's as a whole: the records the save writes and reads.
// One header so every state a save keeps, and the name it is saved under, stands in one place.

#pragma once

#include "game/QuestProgress.h"
#include "platform/NumberText.h"

#include <array>
#include <string>

// Each level's record holds what the player achieved there; everything else
// (where the player and the animals stand, animations, sounds) the level
// rebuilds when it is entered. A level reads its record with progress() and
// sets itself back to it with restore().

// The village: the priest's and the old woman's quests. Where the sheep and
// the ring are follows from them.
struct Level1Progress {
    QuestProgress priest;
    QuestProgress woman;
    bool operator==(const Level1Progress&) const = default;
};

// The settlement: the hermit's quest, whose `collected` counts the returns
// from the chicken yard, and the sacks that came back on the wheelbarrow.
struct Level2Progress {
    QuestProgress hermit;
    int sacksBrought = 0;
    bool operator==(const Level2Progress&) const = default;
};

// The chicken yard: the wheelbarrow taken and the sacks of feed on it.
struct Level3Progress {
    bool barrowTaken = false;
    int feedCount = 0;
    bool operator==(const Level3Progress&) const = default;
};

// The bridge: the officer's quest, whose `collected` counts the returns from
// the snake pit, and his barrier.
struct Level4Progress {
    QuestProgress officer;
    bool barrierOpened = false;
    bool operator==(const Level4Progress&) const = default;
};

// The snake pit: which of the baby snakes "mob1" to "mob5" are in the cage,
// whether it has shut, and the badge taken.
struct Level5Progress {
    std::array<bool, 5> caught{};
    bool cageClosed = false;
    int badgeCount = 0;
    bool operator==(const Level5Progress&) const = default;
};

// The inn: the hero's quest, whose end is the game's.
struct Level6Progress {
    QuestProgress hero;
    bool operator==(const Level6Progress&) const = default;
};

// The whole game: the area the player is in, the side trips made, and each
// level's record.
struct GameProgress {
    int levelNumber = 1;
    bool level3Visited = false;
    bool level5Visited = false; // Level 5 or 6 has been entered
    Level1Progress level1;
    Level2Progress level2;
    Level3Progress level3;
    Level4Progress level4;
    Level5Progress level5;
    Level6Progress level6;

    bool finished() const { return level6.hero.finished; }
    bool operator==(const GameProgress&) const = default;
};

// The woman's count rises every frame the player stands at the priest
// after his thanks, for as long as her own task is under way.
inline constexpr NumberRange anyCount{0, 1000000000};

// Calls visit(key, flag) for every yes-or-no fact of `p` and visit(key,
// number, range) for every number, in the order the save lists them; the
// key is the fact's name in the save. `Progress` is GameProgress or const
// GameProgress.
template <typename Progress, typename Visit>
void forEachFact(Progress& p, Visit&& visit)
{
    const auto quest = [&](const std::string& name, auto& q, NumberRange counts) {
        visit(name + ".stage", q.stage, NumberRange{1, 4});
        visit(name + ".accepted", q.accepted);
        visit(name + ".rewarded", q.rewarded);
        visit(name + ".finished", q.finished);
        visit(name + ".collected", q.collected, counts);
    };
    visit("levelNumber", p.levelNumber, NumberRange{1, 6});
    visit("level3Visited", p.level3Visited);
    visit("level5Visited", p.level5Visited);
    quest("level1.priest", p.level1.priest, NumberRange{0, 1});
    quest("level1.woman", p.level1.woman, anyCount);
    quest("level2.hermit", p.level2.hermit, NumberRange{0, 1});
    visit("level2.sacksBrought", p.level2.sacksBrought, NumberRange{0, 5});
    visit("level3.barrowTaken", p.level3.barrowTaken);
    visit("level3.feedCount", p.level3.feedCount, NumberRange{0, 5});
    quest("level4.officer", p.level4.officer, NumberRange{0, 1});
    visit("level4.barrierOpened", p.level4.barrierOpened);
    for (std::size_t i = 0; i < p.level5.caught.size(); ++i) {
        visit("level5.caught.mob" + std::to_string(i + 1), p.level5.caught[i]);
    }
    visit("level5.cageClosed", p.level5.cageClosed);
    visit("level5.badgeCount", p.level5.badgeCount, NumberRange{0, 1});
    quest("level6.hero", p.level6.hero, NumberRange{0, 1});
}
