// Everything the program does before GLUT's main loop takes over.
// Apart from main so the benchmark tool can start the game the same way and drive the frames itself.

#pragma once

#include "app/CommandLine.h"

// Everything the program does before GLUT's main loop takes over: the
// greeting, the game's files and options, the window, the input callbacks,
// the saved game, the intro or the built game, and the frame callbacks. `main` then enters
// glutMainLoop; the benchmark tool drives the frames itself. False when the
// player's figure is missing and there is nothing to play.
bool startGame(const CommandLine& command, const char* program);
