// The journal: the area's name and what each quest met so far asks of the player now.

#pragma once

#include "game/LevelTable.h"
#include "game/QuestProgress.h"

#include <span>
#include <string>
#include <vector>

class Quest;

// What the journal says a quest asks for in `state`: nullptr until the
// player has met it (its partner has spoken, or it has come further), its
// offer while the partner waits for a yes, its task once accepted, "erledigt"
// once closed.
const char* questTask(const QuestProgress& state, bool spoken, const QuestText& text);
// The journal's lines: its title, the area's name, then "title: task" for
// every quest met so far, or whom to ask while none is.
std::vector<std::string> journalLines(const char* area, std::span<const Quest* const> quests);
