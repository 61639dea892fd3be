// The paused game: still picture, its "Pause" line and settings list, and what stops and starts with it.
// Apart from the frame loop so that everything a pause holds still is started and stopped in one place.

#pragma once

// The game pauses when the player asks (the pause key) and while its window
// is hidden or iconified. Meanwhile nothing moves: no game frame runs, the
// game's clock (Host) and the sound stand still, and the window shows the
// picture of the moment the pause began with a "Pause" line over it and the
// settings list. Going on takes up exactly where it stopped.
bool gamePaused();
// The pause key: pauses, or goes on.
void togglePause();
// GLUT's window status callback: hidden (iconified) or shown again.
void onWindowStatus(int state);

// One frame of the game, or the paused picture with its texts.
void drawGameOrPause();

// F11: the window fills the screen or comes back, as the settings list's
// row switches it, and the choice is kept in the options file.
void switchFullScreen();

// Up and down choose a setting, left and right change it.
void settingsKey(int specialKey);
// A click on a setting changes it: the left button on, the right one back.
void settingsClick(int button, int state, int x, int y);

// Not paused, as at start: for tests that play one game after another.
void forgetPause();
