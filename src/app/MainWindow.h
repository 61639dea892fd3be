// Opening the game's one window or switching the screen to game mode, and the window's full screen.
// Its own file because fitting the size asks the screen and GL for their limits, which nothing else does.

#pragma once

#include <string>

// Opens the game's window "Korvel" with the given size at (100, 100), moved
// left and up as far as it takes to lie fully on the screen, or in game
// mode switches the screen to the mode named by "glutGameModeString" (the
// size is then the screen's). A display that refuses the mode gets the
// window instead. A window size beyond the screen or the GL viewport limit
// is cut down to it (and stored back into `options`), with a warning that
// names `sizeSource`, where the size came from. Either way the window
// carries the game's class and icon (see WindowIdentity.h).
void createMainWindow(int width, int height, const std::string& sizeSource);

// Lets the window fill the screen (the window manager's full screen of the
// same window, so the GL context with its textures and display lists stays)
// or gives it back the size and place it had before. Game mode keeps the
// screen as it is.
void showFullScreen(bool full);
