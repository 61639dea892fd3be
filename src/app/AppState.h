// Whether a video plays, the outro has begun, the game is built, the start question or the end screen open: the shell's state.

#pragma once

// The shell's flags, shared by start-up and the frame loop.
struct AppState {
    bool introPlaying = false;   // all game input is ignored meanwhile
    bool outroPlaying = false;   // likewise
    bool outroStarted = false;   // the outro starts at most once
    bool gameInitialised = false; // the game is built exactly once
    bool startQuestionOpen = false; // continue the saved game or start anew? Only its answers count
    bool endScreenOpen = false;  // the game is over and no outro plays: only Escape counts
    bool idleFrames = false;     // GLUT draws frames when idle: the real program, not korvel-bench or tests

    bool videoRunning() const { return introPlaying || outroPlaying; }
    // Input goes to the game: no video runs, no question waits, the game is not over.
    bool playing() const { return !videoRunning() && !startQuestionOpen && !endScreenOpen; }
};

inline AppState appState;
