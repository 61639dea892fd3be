// The saved game's text: a version line, then one "key value" line for each fact of the player's progress.
// Apart from the file, so the format and its checks are tested and fuzzed without a disk.

#pragma once

#include "levels/LevelProgress.h"

#include <optional>
#include <string>
#include <string_view>

// The format's version, on the first line as "korvel-savegame 1.0". The
// major number grows when an older game could no longer read a file right,
// the minor one when facts are only added: a game reads files of its own
// major version and any minor one, leaving out the facts of a newer minor
// version it does not know (it plays on without them and saves its own
// version). A newer major version is refused like a damaged file.
inline constexpr int saveFormatMajor = 1;
inline constexpr int saveFormatMinor = 0;
// Far more than a save ever holds; a longer text is refused unread.
inline constexpr std::size_t longestSaveText = 65536;

// The text of a saved game: the version line, a comment for whoever opens
// the file, and the facts of forEachFact, numbers in decimal and flags as
// "yes" or "no", one per line in a fixed order, so two saves diff well.
std::string saveText(const GameProgress& progress);

// What a saved game's text holds: the progress, or what is wrong with it in
// a warning's words. Lines are "key value" (a trailing carriage return
// dropped); blank lines and lines starting with "#" are left out. Every
// fact of the version must stand exactly once, every number within its
// range, and the facts must fit together as play leaves them (no quest
// finished that was never accepted, no feed without the wheelbarrow, no
// level ahead of the side trips made to reach it).
struct SaveReading {
    std::optional<GameProgress> progress;
    std::string problem;
};
SaveReading readSaveText(std::string_view text);
