#pragma once

// Everything the program does before GLUT's main loop takes over: the
// greeting, the options, the window, the input callbacks, the intro or the
// built game, and the frame callbacks. `main` then enters glutMainLoop; the
// benchmark tool drives the frames itself.
void startGame(int& argc, char** argv);
