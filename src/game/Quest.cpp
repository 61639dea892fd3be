// The quest's answer to 'e', '1', '2' and 'q': offer, answers, reminder, thanks and afterwards.

#include "game/Quest.h"

#include "game/DialogueFile.h"
#include "model/ModelNode.h"

void Quest::init(std::string questTitle, std::string partner, ModelNode* partnerNode, int itemsRequired)
{
    title = std::move(questTitle);
    partnerName = std::move(partner);
    giver = partnerNode;
    required = itemsRequired;
    addChild(&dialog);
    setName("dia");
    // Without the panel model the lines are still printed.
    dialog.loadModel();
    checkDialogueFile(partnerName);
}

void Quest::show(int entry)
{
    dialog.loadEntry(partnerName, entry);
    dialog.hidden = false;
    spoken = true;
}

void Quest::command(int key)
{
    if (giver == nullptr || !giver->selected) {
        return;
    }
    switch (key) {
    case 'e':
        dialog.hidden = false;
        if (finished) {
            show(7);
        } else if (rewarded || (accepted && required <= collected)) {
            show(6);
            rewarded = true;
            finished = true;
            accepted = false;
        } else if (accepted) {
            show(5);
        } else if (stage >= 1 && stage <= 4) {
            show(1);
            stage = 1;
        }
        break;
    case '1':
        if (accepted || rewarded || finished) {
            break;
        }
        if (stage == 1) {
            show(2);
            stage = 2;
        } else if (stage >= 2 && stage <= 4) {
            show(8);
            accepted = true;
        }
        break;
    case '2':
        if (finished) {
            show(7);
        } else if (rewarded) {
            show(6);
        } else if (accepted) {
            show(5);
        } else if (stage == 1) {
            show(4);
            stage = 4;
        } else if (stage == 2) {
            show(3);
            stage = 3;
        }
        break;
    case 'q':
        dialog.hidden = true;
        break;
    default:
        break;
    }
}
