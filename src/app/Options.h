// The settings read from "options.txt", shared by the whole shell.
// Apart from the command line so the file's settings and the run's overrides stay two things.

#pragma once

#include <filesystem>
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

// The file readOption reads: "options.txt" in the working directory, unless
// start-up chose another (see GameFiles.h).
inline std::filesystem::path optionsFile = "options.txt";

// The line after the first line that reads exactly "#" + key in
// `optionsFile`, opened afresh on every call. Returns "" when the file
// cannot be opened (saying so on standard output), when no line matches,
// or when the key line is the last line.
std::string readOption(const std::string& key);

// Fills `options`. Window sizes are read only outside game mode; a size key
// that is absent keeps the default, so a missing file still gives a usable
// 800 x 600 window. A damaged file (no text, cut off after a key line) is
// named once on the console.
void loadOptions();
