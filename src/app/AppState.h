// Whether a video plays, the outro has begun and the game is built: the shell's state.

#pragma once

// The shell's flags, shared by start-up and the frame loop.
struct AppState {
    bool introPlaying = false;   // all game input is ignored meanwhile
    bool outroPlaying = false;   // likewise
    bool outroStarted = false;   // the outro starts at most once
    bool gameInitialised = false; // the game is built exactly once

    bool videoRunning() const { return introPlaying || outroPlaying; }
};

inline AppState appState;
