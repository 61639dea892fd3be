// The game's sounds composed from the synthesiser: calls, thanks, bleat, clucking, whistle, hiss.
// Apart from the synthesiser, which knows no sound by name: here each one is composed.

#include "Sounds.h"

#include "Synth.h"
#include "WavWriter.h"
#include "platform/Random.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;

struct Tract {
    float f1, f2, f3;
    Tract scaled(float factor) const { return {f1 * factor, f2 * factor, f3 * factor}; }
};

// Vocal-tract shapes of a grown-up voice.
constexpr Tract vowelA{730, 1250, 2500};
constexpr Tract vowelE{400, 2050, 2600};
constexpr Tract schwa{500, 1500, 2500};
constexpr Tract vowelI{280, 2250, 2900};
constexpr Tract vowelO{570, 850, 2500};
constexpr Tract vowelOe{380, 1450, 2300};
constexpr Tract lateralL{350, 1100, 2600};
constexpr Tract nasalN{250, 1600, 2600};
constexpr Tract closure{250, 1200, 2400};

Phone voiced(float duration, Tract t, float pitch, float voicing = 1.0f)
{
    return {duration, t.f1, t.f2, t.f3, voicing, 0.01f, 0.0f, 4000.0f, pitch};
}

Phone breath(float duration, Tract t, float pitch, float amount)
{
    return {duration, t.f1, t.f2, t.f3, 0.0f, amount, 0.0f, 4000.0f, pitch};
}

Phone hissing(float duration, Tract t, float pitch, float amount, float centreHz)
{
    return {duration, t.f1, t.f2, t.f3, 0.0f, 0.0f, amount, centreHz, pitch};
}

Phone quiet(float duration, Tract t, float pitch)
{
    return {duration, t.f1, t.f2, t.f3, 0.0f, 0.0f, 0.0f, 4000.0f, pitch};
}

float midiToHz(float note)
{
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

// "Hilfe! Hilfe!", called out, the second time higher.
std::vector<float> helpCall()
{
    std::vector<float> out;
    const VoiceStyle caller{5.0f, 0.012f, 0.015f, 0.04f};
    for (int call = 0; call < 2; ++call) {
        const float p = call == 0 ? 260.0f : 300.0f;
        const std::vector<float> word = speak({
            quiet(0.04f, vowelI, p),
            breath(0.08f, vowelI, p, 0.25f),
            voiced(0.15f, vowelI, p * 1.1f),
            voiced(0.06f, lateralL, p * 1.15f, 0.8f),
            hissing(0.11f, vowelE, p, 0.15f, 5500.0f),
            voiced(0.12f, vowelE, p * 1.1f),
            voiced(0.14f, vowelE, p * 0.8f, 0.8f),
            quiet(0.12f, vowelE, p * 0.7f),
        }, caller);
        mixAt(out, word, call * 0.95f);
    }
    return out;
}

// "Danke, Fenno!" in a warm low voice.
std::vector<float> thanks()
{
    const VoiceStyle speaker{5.0f, 0.008f, 0.01f, 0.05f};
    return speak({
        quiet(0.04f, closure, 140),
        voiced(0.04f, closure, 140, 0.2f),
        hissing(0.015f, vowelA, 140, 0.5f, 4000.0f),
        voiced(0.15f, vowelA, 145),
        voiced(0.07f, nasalN, 135, 0.4f),
        quiet(0.05f, closure, 130),
        hissing(0.02f, schwa, 130, 0.6f, 2500.0f),
        breath(0.03f, schwa, 130, 0.15f),
        voiced(0.09f, schwa, 125),
        quiet(0.06f, schwa, 125),
        hissing(0.09f, vowelE, 150, 0.3f, 6000.0f),
        voiced(0.11f, vowelE, 155),
        voiced(0.07f, nasalN, 140, 0.4f),
        voiced(0.22f, vowelO, 120),
        voiced(0.10f, vowelO, 100, 0.0f),
        quiet(0.10f, vowelO, 100),
    }, speaker);
}

// A black sheep's "boeoeoeoe": a wobbling, pulsing bleat, then a pause, so
// that the loop breathes.
std::vector<float> bleat()
{
    const Tract sheep = vowelOe.scaled(1.2f);
    const VoiceStyle lamb{5.0f, 0.06f, 0.02f, 0.03f};
    std::vector<float> out = speak({
        quiet(0.05f, closure.scaled(1.2f), 320),
        voiced(0.03f, closure.scaled(1.2f), 320, 0.3f),
        voiced(0.95f, sheep, 340),
        voiced(0.15f, sheep, 300, 0.0f),
        quiet(0.80f, sheep, 300),
    }, lamb);
    // The bleat pulses in step with its vibrato.
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / sampleRate;
        out[i] *= 0.55f + 0.45f * std::sin(twoPi * lamb.vibratoHz * t);
    }
    return out;
}

// Four clucks and a "bagaaak".
std::vector<float> chicken()
{
    const Tract beak = vowelO.scaled(1.25f);
    const Tract squawk = vowelA.scaled(1.25f);
    const VoiceStyle hen{0.0f, 0.0f, 0.05f, 0.01f};
    std::vector<float> out;
    const float cluckPitch[] = {650.0f, 700.0f, 620.0f, 680.0f};
    const float cluckTime[] = {0.0f, 0.2f, 0.36f, 0.52f};
    for (int i = 0; i < 4; ++i) {
        const float p = cluckPitch[i];
        mixAt(out, speak({
            quiet(0.02f, closure.scaled(1.25f), p),
            voiced(0.05f, beak, p),
            voiced(0.04f, beak, p * 0.65f, 0.5f),
            quiet(0.05f, beak, p * 0.6f),
        }, hen), cluckTime[i]);
    }
    mixAt(out, speak({
        quiet(0.02f, closure.scaled(1.25f), 800),
        voiced(0.06f, squawk, 800),
        voiced(0.03f, closure.scaled(1.25f), 700, 0.1f),
        voiced(0.10f, squawk, 1050),
        voiced(0.25f, squawk, 950),
        voiced(0.06f, squawk, 800, 0.0f),
        quiet(0.03f, squawk, 800),
        hissing(0.025f, squawk, 800, 0.4f, 3000.0f),
        quiet(0.08f, squawk, 800),
    }, VoiceStyle{0.0f, 0.0f, 0.08f, 0.015f}), 0.72f);
    return out;
}

// A short whistled tune. It begins and ends on a rest, so the
// loop joins without a click and sounds like the next verse.
std::vector<float> whistledTune()
{
    struct Note {
        float midi; // 0 is a rest
        int eighths;
    };
    static constexpr Note tune[] = {
        {0, 1}, {86, 1}, {90, 1}, {93, 2}, {90, 1}, {86, 1}, {88, 2},
        {90, 1}, {91, 1}, {93, 1}, {95, 1}, {93, 2}, {90, 2},
        {91, 1}, {90, 1}, {88, 1}, {86, 1}, {88, 2}, {81, 2},
        {86, 1}, {90, 1}, {88, 1}, {85, 1}, {86, 4}, {0, 1},
    };
    constexpr float eighth = 0.16f;
    std::vector<float> out;
    BandPass breathAtPitch;
    float frequency = midiToHz(tune[1].midi); // the first note after the opening rest
    float amplitude = 0.0f;
    float phase = 0.0f;
    const float k = 1.0f - std::exp(-1.0f / (0.012f * sampleRate));
    for (const Note& note : tune) {
        const int count = secondsToSamples(note.eighths * eighth);
        const float target = note.midi > 0 ? midiToHz(note.midi) : frequency;
        for (int i = 0; i < count; ++i) {
            const float t = static_cast<float>(i) / sampleRate;
            const float left = static_cast<float>(count - i) / sampleRate;
            // Each note is tongued: a quick rise, a dip just before the next.
            float level = 0.0f;
            if (note.midi > 0) {
                level = left < 0.03f ? 0.25f : (t < 0.05f ? 1.0f : 0.85f);
            }
            amplitude += (level - amplitude) * (level > amplitude ? 3.0f * k : k);
            frequency += (target - frequency) * k;
            const float vibrato = t > 0.15f ? 0.006f * std::sin(twoPi * 5.5f * t) : 0.0f;
            const float f = frequency * (1.0f + vibrato);
            phase += f / sampleRate;
            phase -= std::floor(phase);
            breathAtPitch.tune(f, 400.0f);
            const float tone = std::sin(twoPi * phase) + 0.05f * std::sin(2.0f * twoPi * phase);
            const float breath = breathAtPitch.process(whiteNoise());
            out.push_back(amplitude * (tone + 0.6f * breath));
        }
    }
    return out;
}

// The badge is taken: a rising peal of small bells.
std::vector<float> badgeJingle()
{
    struct Partial {
        float ratio, level, decaySeconds;
    };
    // A bell's inharmonic partials: hum, prime, tierce, quint, nominal, ...
    static constexpr Partial bell[] = {
        {0.5f, 0.35f, 1.0f}, {1.0f, 1.0f, 0.8f}, {1.19f, 0.45f, 0.6f}, {1.5f, 0.3f, 0.5f},
        {2.0f, 0.5f, 0.4f}, {2.51f, 0.25f, 0.3f}, {3.01f, 0.2f, 0.22f}, {4.17f, 0.12f, 0.15f},
    };
    static constexpr float notes[] = {88, 92, 95, 100, 100};
    static constexpr float onsets[] = {0.0f, 0.09f, 0.18f, 0.27f, 0.45f};
    constexpr float ringSeconds = 1.6f;
    constexpr float dampSeconds = 0.4f;
    const int length = secondsToSamples(ringSeconds);
    std::vector<float> out;
    for (int n = 0; n < 5; ++n) {
        std::vector<float> strike(static_cast<std::size_t>(length), 0.0f);
        const float fundamental = midiToHz(notes[n]);
        BandPass click;
        click.tune(6000.0f, 3000.0f);
        for (int i = 0; i < length; ++i) {
            const float t = static_cast<float>(i) / sampleRate;
            float s = t < 0.006f ? 0.5f * click.process(whiteNoise()) : 0.0f;
            for (const Partial& p : bell) {
                s += p.level * std::exp(-t / p.decaySeconds) * std::sin(twoPi * fundamental * p.ratio * t);
            }
            // Damped at the end rather than cut, which would click.
            const float left = ringSeconds - t;
            const float damping = left < dampSeconds ? 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * left / dampSeconds) : 1.0f;
            strike[static_cast<std::size_t>(i)] = s * damping;
        }
        mixAt(out, strike, onsets[n], n == 4 ? 1.0f : 0.7f);
    }
    return out;
}

// A snake's hiss, twice, drawn in and out like breath; silent at both ends
// so the loop closes cleanly.
std::vector<float> hiss()
{
    BandPass sharp;
    BandPass body;
    sharp.tune(6000.0f, 5000.0f);
    body.tune(3200.0f, 1200.0f);
    struct Breath {
        float start, length;
    };
    static constexpr Breath breaths[] = {{0.05f, 1.1f}, {1.45f, 0.8f}};
    const int count = secondsToSamples(2.6f);
    std::vector<float> out;
    for (int i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / sampleRate;
        float envelope = 0.0f;
        for (const Breath& b : breaths) {
            const float into = t - b.start;
            if (into > 0.0f && into < b.length) {
                const float rise = std::min(1.0f, into / 0.15f);
                const float fall = std::min(1.0f, (b.length - into) / 0.3f);
                envelope = rise * rise * fall * (0.85f + 0.15f * std::sin(twoPi * 11.0f * into));
            }
        }
        const float noise = whiteNoise();
        out.push_back(envelope * (sharp.process(noise) + 0.4f * body.process(noise)));
    }
    return out;
}

GameSound finished(const char* file, std::vector<float> samples, float peak)
{
    normalize(samples, peak);
    fadeEnds(samples, 0.005f);
    return {file, std::move(samples)};
}

template <typename Recipe>
std::vector<float> fresh(Recipe recipe)
{
    resetRandom();
    return recipe();
}

} // namespace

std::vector<GameSound> makeGameSounds()
{
    std::vector<GameSound> sounds;
    sounds.push_back(finished("pfeifen.wav", fresh(whistledTune), 0.5f));
    sounds.push_back({"leer.wav", std::vector<float>(static_cast<std::size_t>(secondsToSamples(0.1f)), 0.0f)});
    sounds.push_back(finished("hilfe.wav", fresh(helpCall), 0.7f));
    sounds.push_back(finished("dankefenno.wav", fresh(thanks), 0.7f));
    sounds.push_back(finished("boeoeoeoe.wav", fresh(bleat), 0.7f));
    sounds.push_back(finished("huhn.wav", fresh(chicken), 0.7f));
    sounds.push_back(finished("plakette.wav", fresh(badgeJingle), 0.6f));
    sounds.push_back(finished("zischeln.wav", fresh(hiss), 0.5f));
    return sounds;
}
