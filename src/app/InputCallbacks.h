// GLUT's keyboard and mouse callbacks, which hand input to the control node.

#pragma once

// GLUT's keyboard and mouse callbacks. They hand events to the control node
// and, except for mouse buttons, draw one extra frame at once. While a video
// runs they ignore everything but the release of 'w', which leaves it; while
// the start question waits, everything but its answers and Escape; on the
// end screen everything but Escape.
void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);
void onSpecialKey(int key, int x, int y);
void onSpecialKeyUp(int key, int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onMouseDrag(int x, int y);
void onMouseMove(int x, int y);

// While the game is paused (PauseScreen.h) keys and clicks work its
// settings list; the pause key goes on, Escape still ends the program.

// Registers the seven callbacks and the window status callback, which
// pauses the game while the window is hidden, with GLUT for the current window.
void registerInputCallbacks();
