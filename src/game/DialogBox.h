// The on-screen box of a conversation: the panel and the lines printed over it.
// Apart from Quest, which decides what is said; this side only shows it.

#pragma once

#include "game/TextStyle.h"
#include "model/ModelNode.h"

#include <string>
#include <vector>

// The on-screen box of a conversation: a flat panel model drawn near the
// bottom of the picture with the character's lines and the player's replies
// printed over it. It shows one entry of the dialogues file at a time; its
// owner (a quest) chooses the entry and shows or hides the box.
class DialogBox : public ModelNode {
public:
    DialogBox();

    // Places the panel in normalised device coordinates and loads
    // "data/dialogbox.ms3d"; false when the panel model cannot be loaded.
    bool loadModel();
    // Replaces the lines with those of entry `entry` of `partner`.
    void loadEntry(std::string partner, int entry);
    // The panel and the lines over the scene, unless hidden.
    void draw(Matrix4 parent) override;
    void onKey(int) override {}
    void command(int) override {}

    std::vector<std::string> texts;
    std::vector<std::string> replies;
    ModelNode panel;
    TextStyle style;
};
