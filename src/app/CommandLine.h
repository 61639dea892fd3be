// The command line as the player gave it, and how it is laid over the options file.
// Apart from Options so the file's settings and the run's overrides stay two things.

#pragma once

#include "app/Options.h"

#include <optional>
#include <string>
#include <vector>

// What becomes of a saved game that can be continued: the start asks, or
// the answer was given on the command line.
enum class SaveChoice { Untouched, Ask, Continue, NewGame };

// What the player asked for on the command line. Settings given here hold
// for this run only and win over the options file.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    std::string error; // why the command line was refused, in the language in force when parsing
    std::optional<bool> fullscreen;
    int windowWidth = 0; // with fullscreen false: the size from --window
    int windowHeight = 0;
    std::optional<bool> playIntro;
    std::optional<Language> language; // wins over the options file and the locale
    // The player's command line asks by default; a start from CommandLine{}
    // (korvel-bench) neither reads nor writes the player's saved game.
    SaveChoice savedGame = SaveChoice::Untouched;
    // GLUT's own X options (-display, -geometry, ...), handed on to glutInit.
    std::vector<std::string> glutArgs;
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// Prints what --help, --version or a refused command line ask for; the exit
// status then, or nothing when the game is to be played.
std::optional<int> answerWithoutPlaying(const CommandLine& command);

// Lays the command line's settings over those read from the options file.
void applyCommandLine(const CommandLine& command, Options& settings);
