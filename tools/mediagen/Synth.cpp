// The synthesiser's filters, formant voice and envelopes, with noise from the game's own sequence.
// Apart from the sounds themselves so each sound reads as a recipe.

#include "Synth.h"

#include "WavWriter.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;

// Vocal-tract resonance normalised to unit gain at 0 Hz, so a cascade of
// them keeps the source's low end and adds the formant peaks on top.
class Formant {
public:
    void tune(float centreHz, float bandwidthHz)
    {
        const float r = std::exp(-std::numbers::pi_v<float> * bandwidthHz / sampleRate);
        a1 = 2.0f * r * std::cos(twoPi * centreHz / sampleRate);
        a2 = -r * r;
        gain = 1.0f - a1 - a2;
    }
    float process(float x)
    {
        const float y = gain * x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    float gain = 1.0f, a1 = 0.0f, a2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
};

// Glottal airflow over one period (Rosenberg's pulse): opens smoothly,
// closes faster, stays shut for the rest of the cycle.
float glottalFlow(float phase)
{
    constexpr float opening = 0.4f;
    constexpr float closing = 0.16f;
    if (phase < opening) {
        return 0.5f * (1.0f - std::cos(std::numbers::pi_v<float> * phase / opening));
    }
    if (phase < opening + closing) {
        return std::cos(0.5f * std::numbers::pi_v<float> * (phase - opening) / closing);
    }
    return 0.0f;
}

float follow(float current, float target, float seconds)
{
    const float k = 1.0f - std::exp(-1.0f / (seconds * sampleRate));
    return current + (target - current) * k;
}

} // namespace

float whiteNoise()
{
    return static_cast<float>(nextRandom()) / 16383.5f - 1.0f;
}

void BandPass::tune(float centreHz, float bandwidthHz)
{
    const float r = std::exp(-std::numbers::pi_v<float> * bandwidthHz / sampleRate);
    a1 = 2.0f * r * std::cos(twoPi * centreHz / sampleRate);
    a2 = -r * r;
    gain = (1.0f - r * r) * 0.5f;
}

float BandPass::process(float x)
{
    const float y = gain * (x - x2) + a1 * y1 + a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

std::vector<float> speak(const std::vector<Phone>& phones, const VoiceStyle& style)
{
    std::vector<float> out;
    if (phones.empty()) {
        return out;
    }
    Phone now = phones.front();
    Formant tract[4];
    BandPass hiss;
    float phase = 0.0f;
    float previousFlow = 0.0f;
    float wobble = 0.0f;
    float lastTract = 0.0f;
    float time = 0.0f;
    for (const Phone& target : phones) {
        const int count = secondsToSamples(target.duration);
        for (int i = 0; i < count; ++i) {
            constexpr float articulation = 0.012f;
            constexpr float loudness = 0.004f;
            now.f1 = follow(now.f1, target.f1, articulation);
            now.f2 = follow(now.f2, target.f2, articulation);
            now.f3 = follow(now.f3, target.f3, articulation);
            now.voicing = follow(now.voicing, target.voicing, loudness);
            now.aspiration = follow(now.aspiration, target.aspiration, loudness);
            now.frication = follow(now.frication, target.frication, loudness);
            now.fricationHz = follow(now.fricationHz, target.fricationHz, articulation);
            now.pitch = follow(now.pitch, target.pitch, style.glide);

            wobble = follow(wobble, whiteNoise(), 0.02f);
            const float pitch = now.pitch
                * (1.0f + style.vibratoDepth * std::sin(twoPi * style.vibratoHz * time))
                * (1.0f + style.jitter * wobble);
            phase += pitch / sampleRate;
            phase -= std::floor(phase);
            const float flow = glottalFlow(phase);
            // The flow's slope is what the air pressure at the lips follows;
            // scaling by the period keeps loudness independent of pitch.
            const float glottal = (flow - previousFlow) * sampleRate / pitch;
            previousFlow = flow;

            float sample = 0.15f * now.voicing * glottal + now.aspiration * whiteNoise();
            tract[0].tune(now.f1, 80.0f);
            tract[1].tune(now.f2, 110.0f);
            tract[2].tune(now.f3, 160.0f);
            // A higher, broad resonance that follows the third keeps the
            // voice from sounding muffled.
            tract[3].tune(now.f3 * 1.3f, 300.0f);
            for (Formant& formant : tract) {
                sample = formant.process(sample);
            }
            // Sound leaving the lips is brighter than inside the mouth.
            const float radiated = sample - 0.95f * lastTract;
            lastTract = sample;
            sample = radiated;
            hiss.tune(now.fricationHz, 0.6f * now.fricationHz);
            sample += now.frication * hiss.process(whiteNoise());
            out.push_back(sample);
            time += 1.0f / sampleRate;
        }
    }
    return out;
}

void mixAt(std::vector<float>& target, const std::vector<float>& source, float atSeconds, float gain)
{
    const std::size_t start = static_cast<std::size_t>(secondsToSamples(atSeconds));
    if (target.size() < start + source.size()) {
        target.resize(start + source.size(), 0.0f);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[start + i] += gain * source[i];
    }
}

void normalize(std::vector<float>& samples, float peak)
{
    float loudest = 0.0f;
    for (float sample : samples) {
        loudest = std::max(loudest, std::fabs(sample));
    }
    if (loudest > 0.0f) {
        for (float& sample : samples) {
            sample *= peak / loudest;
        }
    }
}

void fadeEnds(std::vector<float>& samples, float seconds)
{
    const std::size_t length = std::min(samples.size() / 2, static_cast<std::size_t>(secondsToSamples(seconds)));
    for (std::size_t i = 0; i < length; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(length);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

int secondsToSamples(float seconds)
{
    return static_cast<int>(std::lround(seconds * sampleRate));
}
