// Where the game finds its data and options: a run directory, or an installed tree plus an XDG options file.
// Its own file because the choice is pure path logic that tests drive with made-up places.

#pragma once

#include <filesystem>
#include <string>

// Where the game finds its files. A run directory holds "options.txt" and
// "data/" side by side, as the build's build/run does: the working directory
// when it is one, else the program's own directory. Otherwise the game is
// installed: its data lie at a fixed place relative to the program (such as
// ../share/korvel beside bin/), which keeps relocated trees working, and
// each player keeps their own options file in the XDG config directory.
struct GameFiles {
    std::filesystem::path directory;   // the game reads data/ from here
    std::filesystem::path optionsFile; // relative to `directory` or absolute
    std::filesystem::path iconTheme;   // the window's icons: <n>x<n>/apps/korvel.png below it
    std::filesystem::path catalogues;  // the translations: <code>/LC_MESSAGES/korvel.mo below it
};

struct StartPlaces {
    std::filesystem::path workingDir;
    std::filesystem::path programDir;
    std::filesystem::path installedData;  // relative to programDir
    std::filesystem::path installedIcons; // the hicolor icon theme, relative to programDir
    std::filesystem::path installedLocale; // share/locale, relative to programDir
    std::string configHome;               // $XDG_CONFIG_HOME
    std::string home;                     // $HOME
};

// Finds the game's files. An installed game's player without an options
// file gets a copy of the installed default on the first start; should
// that fail the default itself is read.
GameFiles findGameFiles(const StartPlaces& places);

// The options file findGameFiles chooses, found without making one: an
// installed game's default stands in for a player's file not made yet.
// Touches nothing, so --help can ask it.
std::filesystem::path findOptionsFile(const StartPlaces& places);

// Where the translations are: the run directory's locale/ when there is
// one, else the installed share/locale. Touches nothing, unlike
// findGameFiles, so --help can ask it.
std::filesystem::path findCatalogues(const StartPlaces& places);

// This process's places and environment.
StartPlaces startPlaces();

// The icon theme useGameFiles found, for the window's icon.
inline std::filesystem::path iconTheme;

// Finds the game's files from this process's place and environment, changes
// into their directory, points readOption at the options file and sets
// `iconTheme`; returns them.
GameFiles useGameFiles();
