#pragma once

#include <string>

// The bytes of a silent 16-bit mono 22050 Hz PCM WAV file of the given length.
std::string silentWav(int milliseconds);
