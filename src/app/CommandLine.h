// The command line as the player gave it, and how it is laid over the options file.
// Apart from Options so the file's settings and the run's overrides stay two things.

#pragma once

#include "app/Options.h"

#include <optional>
#include <string>
#include <vector>

// What the player asked for on the command line. Settings given here hold
// for this run only and win over the options file.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string error; // why the command line was refused
    std::optional<bool> fullscreen;
    int windowWidth = 0; // with fullscreen false: the size from --window
    int windowHeight = 0;
    std::optional<bool> playIntro;
    // GLUT's own X options (-display, -geometry, ...), handed on to glutInit.
    std::vector<std::string> glutArgs;
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// Prints what --help, --version or a refused command line ask for; the exit
// status then, or nothing when the game is to be played.
std::optional<int> answerWithoutPlaying(const CommandLine& command);

// Lays the command line's settings over those read from the options file.
void applyCommandLine(const CommandLine& command, Options& settings);
