#pragma once

// The game plays one WAV file at a time; starting any sound ends the one
// playing. A looped sound repeats until another sound starts (the game plays
// the silent "data/sound/leer.wav" to stop one). Missing files and machines
// without audio are silently tolerated.
enum class SoundMode { Once, Looped };

void playSound(const char* path, SoundMode mode);
