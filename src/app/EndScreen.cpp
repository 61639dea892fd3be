// The end screen's lines, from the levels' names and quests, and its picture.

#include "app/EndScreen.h"

#include "app/GameManager.h"
#include "app/Panels.h"
#include "game/Quest.h"
#include "levels/GuideTexts.h"

#include <cstdio>
#include <sstream>

std::vector<std::string> endScreenLines(GameManager& game)
{
    std::vector<std::string> lines{tr(guide::theEnd), ""};
    std::istringstream farewell(tr(Level6::farewell));
    for (std::string line; std::getline(farewell, line);) {
        lines.push_back(line);
    }
    char text[120];
    std::snprintf(text, sizeof text, tr(guide::areasSeen), 6);
    lines.insert(lines.end(), {"", text});
    int done = 0;
    int all = 0;
    for (int number = 1; number <= 6; ++number) {
        const Level& level = *game.levelByNumber(number);
        std::string line = tr(level.table.name);
        const char* separator = ": ";
        for (const Quest* quest : level.quests) {
            ++all;
            if (quest->finished) {
                ++done;
                line += separator + std::string(tr(quest->title.c_str()));
                separator = ", ";
            }
        }
        lines.push_back(line);
    }
    std::snprintf(text, sizeof text, tr(guide::questsDone), done, all);
    lines.insert(lines.end(), {"", text, "", tr(guide::leaveWithEscape)});
    return lines;
}

void drawEndScreen(GameManager& game)
{
    // The game stands still behind it: its frames need not be cheap.
    drawPanel(endScreenLines(game), -1.0f, TextStyle{GLUT_BITMAP_HELVETICA_18, 1.0f, 0.85f, 0.4f});
}
