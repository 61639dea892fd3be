#pragma once

// Opens the game's window "Korvel" at (100, 100) with the given size, or in
// game mode switches the screen to the mode named by "glutGameModeString"
// (the size is then the screen's). A display that refuses the mode gets
// the window instead.
void createMainWindow(int width, int height);
