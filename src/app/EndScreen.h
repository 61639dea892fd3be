// The end screen, shown once the last quest is finished when no outro plays.

#pragma once

#include <string>
#include <vector>

class GameManager;

// What the end screen says: the farewell, each area with the quests done
// there, how many of all, and that Escape leaves.
std::vector<std::string> endScreenLines(GameManager& game);
// The end screen in place of the game's picture.
void drawEndScreen(GameManager& game);
