// Playing the game's WAV sounds, one at a time, and what the sound layer is doing.
// Its own header so the game never sees SDL_mixer.

#pragma once

#include <string>

// The game plays one WAV file at a time; starting any sound ends the one
// playing. A looped sound repeats until another sound starts (the game plays
// the silent "data/sound/leer.wav" to stop one). A missing or damaged file
// is named once on the console and stays silent; a machine without audio
// plays nothing.
enum class SoundMode { Once, Looped };

void playSound(const char* path, SoundMode mode);
// The sound that plays holds still until it is resumed.
void pauseSound(bool paused);
// Loudness of everything played, 0 (silent) to 100 (the file as it is).
void setSoundVolume(int percent);

// What the sound layer is doing: the sound started last and whether it sounds.
struct SoundStatus {
    bool deviceOpen = false;  // an audio device (real or silent stand-in) is open
    std::string driver;       // SDL's audio driver in use, empty without a device
    std::string lastPath;     // the sound most recently started
    int started = 0;          // sounds started so far, missing files included
    SoundMode lastMode = SoundMode::Once;
    bool playing = false;     // the channel is still sounding, not paused
    int volume = 100;         // percent, as the mixer plays it
    int filesLoaded = 0;      // WAV files read from disk so far
};

SoundStatus soundStatus();
