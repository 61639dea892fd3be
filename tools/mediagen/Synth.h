// Noise, filters, envelopes and voices, the building blocks of the game's sounds.
// Apart from the sounds themselves so each sound reads as a recipe.

#pragma once

#include <vector>

// Small building blocks for the game's synthesised sounds. All randomness
// comes from the game's own sequence, so every build writes the same files.

// White noise in -1..1.
float whiteNoise();

// Two-pole resonance with unit gain at its centre frequency: shapes noise
// into a band (hiss, fricatives, breath).
class BandPass {
public:
    void tune(float centreHz, float bandwidthHz);
    float process(float x);

private:
    float gain = 0.0f, a1 = 0.0f, a2 = 0.0f;
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
};

// One speech sound held for `duration` seconds. The voice glides towards
// each phone's values, which gives the transitions between sounds.
struct Phone {
    float duration;
    float f1, f2, f3;      // formant frequencies (Hz) of the vocal tract
    float voicing;         // loudness of the vocal folds
    float aspiration;      // breath noise through the vocal tract ("h")
    float frication;       // hiss at a narrowing ("f", "s", bursts)
    float fricationHz;     // centre of that hiss
    float pitch;           // vocal-fold frequency (Hz)
};

// How a speaker's voice moves around the phones' pitch.
struct VoiceStyle {
    float vibratoHz = 5.0f;
    float vibratoDepth = 0.01f;  // fraction of the pitch
    float jitter = 0.01f;        // random pitch wobble, fraction of the pitch
    float glide = 0.03f;         // seconds the pitch takes to follow a phone
};

// Formant synthesis: a glottal pulse train and noise through the
// resonances of the vocal tract.
std::vector<float> speak(const std::vector<Phone>& phones, const VoiceStyle& style);

// Adds `source` into `target` from `atSeconds` on, growing `target` as needed.
void mixAt(std::vector<float>& target, const std::vector<float>& source, float atSeconds, float gain = 1.0f);

// Scales so that the loudest sample has magnitude `peak`.
void normalize(std::vector<float>& samples, float peak);

// Fades both ends linearly over `seconds` so the sound starts and ends at 0.
void fadeEnds(std::vector<float>& samples, float seconds);

int secondsToSamples(float seconds);
