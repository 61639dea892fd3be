// The game's conversations as data: each partner's eight entries, their lines and replies.
// Apart from the sounds: the other half of what korvel-mediagen writes.

#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

// What a character says in one numbered entry of a conversation, and the
// player's answers, each naming its key ("1: ...", "2: ...", "q: ...").
struct DialogueEntry {
    std::vector<std::string> text;
    std::vector<std::string> replies;
};

// All eight entries of one conversation partner; entries[0] is entry 1.
struct DialoguePartner {
    std::string key;
    std::array<DialogueEntry, 8> entries;
};

// The conversations of the whole game, in the order the levels meet them.
const std::vector<DialoguePartner>& dialoguePartners();

// The first line that the dialogue reader would misread (not plain printable
// ASCII, a trailing blank, or starting with the marker '#'), described for
// the build log; empty when every line is safe.
std::string unsafeDialogueLine(const std::vector<DialoguePartner>& partners);

// Writes the partners as "data/text/dialogues.txt" holds them.
void writeDialogues(std::ostream& out, const std::vector<DialoguePartner>& partners);

// Writes every line of the partners once, as a gettext template: the game
// looks each line up in the catalogue of the player's language when it
// shows the line, so the dialogues file itself stays German.
void writeDialogueTemplate(std::ostream& out, const std::vector<DialoguePartner>& partners);
