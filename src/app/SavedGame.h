// The player's saved game through a run: read at the start, continued or asked about, written whenever it is to be kept.
// Apart from the game manager, which only reads and restores progress: this side knows the file and the run's ends.

#pragma once

#include "app/CommandLine.h"

#include <filesystem>

// Where this player's game is saved: $XDG_DATA_HOME/korvel/savegame.txt
// (~/.local/share/korvel/savegame.txt); empty when no home is known.
std::filesystem::path playerSaveFile();

// Start-up, once the window is there: reads `file` for a game to continue.
// A save that cannot be read, or holds what play never leaves behind, is
// named in a warning and kept aside (renamed, never overwritten), and a new
// game starts. A finished game, or one still at its very start, has nothing
// to continue. What happens then follows `choice` when the game is built
// (startSavedGame); from here on SIGINT, SIGTERM and SIGHUP save the game
// before they end it. `Untouched` reads, writes and catches nothing.
void openSavedGame(SaveChoice choice, const std::filesystem::path& file = playerSaveFile());
// Right after the game is built, before its first frame: continues the
// saved game, opens the start question, or starts anew. From then on (once
// the question is answered) the game is saved at every level change and at
// every end of the run, until the next save the old one stays as it was.
void startSavedGame();

// The start question in the game's dialog box: continue in the saved area
// ('1') or start a new game ('2'). While it is open it is all a frame shows
// (AppState::startQuestionOpen).
void drawStartQuestion();
// Answers the question; keys other than '1' and '2' do nothing.
void answerStartQuestion(unsigned char key);

// Writes the game's progress now, if the game is kept. A file that cannot be
// written is named in one warning; the game plays on.
void saveGame();
// Saves once, when the last quest has just been finished.
void saveWhenFinished(bool lastQuestFinished);
// At the start of every frame: after a caught SIGINT, SIGTERM or SIGHUP the
// game is saved and the program ends by that signal, as it would have.
void endOnCaughtSignal();

// Nothing read, kept or caught, as before start-up: a fresh game for tests.
void forgetSavedGame();
