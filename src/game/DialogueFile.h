// Reading one entry of "data/text/dialogues.txt", and checking the file for a partner.

#pragma once

#include <istream>
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

// The same, reading the dialogues from `in` instead of the file.
void readDialogueEntry(std::istream& in, const std::string& partner, int entry,
                       std::vector<std::string>& texts, std::vector<std::string>& replies);

// What is wrong with dialogues read from `in` for `partner`, in words, or ""
// when nothing is: bytes that are no text, an entry cut off inside its
// lines, or no section for the partner.
std::string dialogueProblem(std::istream& in, const std::string& partner);
// Names a damaged or missing dialogues file once, before anyone talks.
void checkDialogueFile(const std::string& partner);
