// The sample rate of every game sound, and writing samples as a WAV file.
// Its own file because the file format has nothing to do with how a sound is made.

#pragma once

#include <filesystem>
#include <vector>

// Every game sound is one mono channel of 16-bit PCM at this rate.
constexpr int sampleRate = 22050;

// Writes samples in -1..1 as a RIFF/WAVE PCM file (values beyond are
// clipped). Returns false when the file cannot be written.
bool writeWav(const std::filesystem::path& file, const std::vector<float>& samples);
