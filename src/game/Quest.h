// A conversation partner's task: which dialogue entry each key brings up.

#pragma once

#include "game/DialogBox.h"
#include "game/LevelTable.h"
#include "game/QuestProgress.h"
#include "scene/SceneNode.h"

#include <string>

class ModelNode;

// A conversation partner's task. It hangs below the partner's model node,
// receives the keys the level forwards, and turns 'e', '1', '2' and 'q' into
// dialogue entries while the partner is selected: 1 offer, 2 and 3 and 4 the
// answers, 5 reminder, 6 thanks, 7 afterwards, 8 accepted. Levels count the
// delivered items into `collected` themselves; how far the quest has come is
// its QuestProgress, which the save keeps.
class Quest : public SceneNode, public QuestProgress {
public:
    // Stores the task, makes the dialog box its child, names itself "dia"
    // and loads the box's panel.
    void init(std::string questTitle, std::string partner, ModelNode* partnerNode, int itemsRequired);

    void drawAttached(Matrix4, float) override {}
    void update() override {}
    void onKey(int) override {}
    void command(int key) override;

    ModelNode* giver = nullptr;
    std::string title;
    std::string partnerName;
    int required = 0;
    DialogBox dialog;
    // The row's texts, the journal's among them; set when the level gives the quest.
    QuestText text;
    // The partner has said something in this run: the journal lists the quest from then on.
    bool spoken = false;

private:
    void show(int entry);
};
