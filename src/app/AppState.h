// Whether a video plays, the outro has begun, the game is built and the start question open: the shell's state.

#pragma once

// The shell's flags, shared by start-up and the frame loop.
struct AppState {
    bool introPlaying = false;   // all game input is ignored meanwhile
    bool outroPlaying = false;   // likewise
    bool outroStarted = false;   // the outro starts at most once
    bool gameInitialised = false; // the game is built exactly once
    bool startQuestionOpen = false; // continue the saved game or start anew? Only its answers count
    bool idleFrames = false;     // GLUT draws frames when idle: the real program, not korvel-bench or tests

    bool videoRunning() const { return introPlaying || outroPlaying; }
    // Input goes to the game: no video runs and no question waits.
    bool playing() const { return !videoRunning() && !startQuestionOpen; }
};

inline AppState appState;
