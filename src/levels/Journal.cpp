// The journal's lines, written from the quests' state.

#include "levels/Journal.h"

#include "game/Quest.h"
#include "levels/GuideTexts.h"

#include <cstdio>

const char* questTask(const QuestProgress& state, bool spoken, const QuestText& text)
{
    if (state.finished || state.rewarded) {
        return tr(guide::questDone);
    }
    if (state.accepted) {
        return tr(text.task);
    }
    return spoken || state.stage > 1 ? tr(text.offer) : nullptr;
}

std::vector<std::string> journalLines(const char* area, std::span<const Quest* const> quests)
{
    char where[200];
    std::snprintf(where, sizeof where, tr(guide::areaLine), tr(area));
    std::vector<std::string> lines{tr(guide::journalTitle), where};
    for (const Quest* quest : quests) {
        if (const char* task = questTask(*quest, quest->spoken, quest->text)) {
            lines.push_back(std::string(tr(quest->title.c_str())) + ": " + task);
        }
    }
    if (lines.size() == 2) {
        lines.emplace_back(tr(guide::noQuestYet));
    }
    return lines;
}
