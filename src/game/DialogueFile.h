#pragma once

#include <string>
#include <vector>

// The game's conversations live in "data/text/dialogues.txt": a line "#" +
// partner opens the partner's section, "#" + number opens an entry, "#text"
// starts the character's lines, "#replies" the player's answers, "#end" (or
// the next entry's number line) closes the entry. Lines match whole and
// exactly. The file is read afresh on every call.
inline constexpr const char* dialoguesFile = "data/text/dialogues.txt";

// Appends the lines of entry `entry` of `partner` to `texts` and `replies`.
// A later section of the same partner with the same entry number adds its
// lines too. Prints "Unable to open file" when the file cannot be read.
void readDialogueEntry(const std::string& partner, int entry,
                       std::vector<std::string>& texts, std::vector<std::string>& replies);
