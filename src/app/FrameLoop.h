// The frame loop: one frame of intro, game or outro per GLUT display call.

#pragma once

// GLUT calls renderFrame as both display and idle callback: each call draws
// one frame, of the running video, the start question or the game, and
// swaps buffers. The game pad is read first (GamepadInput.h).
void renderFrame();
// Viewport and projection for the new window size: the video's fixed view
// while a video runs, else the current level's camera (building the game
// first if the intro has just ended).
void reshapeWindow(int width, int height);
// GLUT's reshape callback: tells the host the window's new size, then
// reshapeWindow.
void onWindowReshaped(int width, int height);

// Start-up: opens the intro when it is wanted and playable, otherwise
// builds the game at once.
void startIntroOrGame();
// Builds the game unless it has been built already, and starts it as the
// saved game asks (SavedGame.h).
void buildGameOnce();
// Starts the outro, once, when the last quest is finished and the outro is
// wanted. An outro that cannot be played is skipped: the game goes on as
// when no outro is wanted.
void startOutroIfDue(bool lastQuestFinished);
// Leaves the running video, as the release of 'w' does.
void endVideo();
