// The settings read from "options.txt", shared by the whole shell.
// Apart from the command line so the file's settings and the run's overrides stay two things.

#pragma once

#include "platform/Language.h"
#include "platform/NumberText.h"

#include <filesystem>
#include <optional>
#include <string>

// The settings from "options.txt". Filled once at start-up by loadOptions;
// the video flags and, in game mode, the size are changed later by the
// frame loop.
struct Options {
    bool fullscreen = false;
    int windowWidth = 800;
    int windowHeight = 600;
    bool playIntro = false;
    bool playOutro = false;
};

inline Options options;

// The window sizes the game takes from the options file and the command
// line. Beyond them a window is no use to play in, or more than any screen
// and GL implementation shows.
inline constexpr NumberRange windowSizes{64, 16384};

// The file readOption reads: "options.txt" in the working directory, unless
// start-up chose another (see GameFiles.h).
inline std::filesystem::path optionsFile = "options.txt";

// The line after the first line that reads exactly "#" + key in
// `optionsFile`, opened afresh on every call. Returns "" when the file
// cannot be opened (saying so on standard output), when no line matches,
// or when the key line is the last line.
std::string readOption(const std::string& key);

// The language "#language" in `file` asks for ("de" or "en"), read quietly
// before the greeting; loadOptions names a missing file or a value of no use.
std::optional<Language> languageSetting(const std::filesystem::path& file = optionsFile);

// Fills `options`. Window sizes are read only outside game mode; a size key
// that is absent keeps the default, so a missing file still gives a usable
// 800 x 600 window. A size out of `windowSizes` is clamped into it, one that
// is no number keeps the default, each with a warning naming the file. A
// damaged file (no text, cut off after a key line) is named once on the
// console.
void loadOptions();

// The value of "glutGameModeString" for GLUT: empty (the screen's current
// mode) or GLUT's form "WxH:BITS@HZ", any of its three parts left out. A
// value of another form, or with a number GLUT could not take, is named in
// a warning and gives nothing: the game then plays in a window.
std::optional<std::string> gameModeSetting();
