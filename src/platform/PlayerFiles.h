// The player's own folders by the XDG rules, and writing files there so that no crash leaves half a file.
// Apart from the game's data, which the game only reads: these are the files it writes for the player.

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The game's folder below one of the player's XDG base directories:
// $XDG_DATA_HOME/korvel (the saved game) or $XDG_CONFIG_HOME/korvel (the
// options). A variable that is unset, empty or relative is ignored, as the
// XDG rules say: ~/.local/share/korvel and ~/.config/korvel then. Empty when
// $HOME is not known either.
enum class PlayerFolder { Data, Config };
std::filesystem::path playerFolder(PlayerFolder which, const std::string& xdgValue, const std::string& home);
// The same from this process's environment.
std::filesystem::path playerFolder(PlayerFolder which);

// The player's pictures folder as `userDirs`, the text of user-dirs.dirs,
// names it: the last well-formed line XDG_PICTURES_DIR="$HOME/..." or
// XDG_PICTURES_DIR="/...". A relative path, a damaged line or none at all
// leaves $HOME/Pictures. Empty when $HOME is not known and the file gives
// no absolute folder.
std::filesystem::path picturesFolder(std::string_view userDirs, const std::string& home);
// The same from $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/user-dirs.dirs).
std::filesystem::path picturesFolder();

// Writes `contents` to `file` so that a crash or a kill at any instant
// leaves either the old file or the new one, never a torn one: a temporary
// file in the same folder (made, with the folder, when missing) is written,
// synced to the disk and renamed over `file`, then the folder is synced, so
// the rename itself survives a power cut. "" when it worked, else what went
// wrong in a warning's words ("kann nicht geschrieben werden: Permission denied"), translated.
std::string writeFileAtomically(const std::filesystem::path& file, std::string_view contents);

// Renames `file` to the first of "<file>.<tag>-1", "<file>.<tag>-2", ...
// that does not exist, so that nothing kept aside before is overwritten.
// The new name, or empty when the file could not be renamed.
std::filesystem::path keepAside(const std::filesystem::path& file, const std::string& tag);
