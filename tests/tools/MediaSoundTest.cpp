#include "support/ScratchDir.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path soundDir = fs::path(KORVEL_RUN_DIR) / "data" / "sound";

const char* const allSounds[] = {
    "pfeifen.wav", "leer.wav", "hilfe.wav", "dankefenno.wav",
    "boeoeoeoe.wav", "huhn.wav", "plakette.wav", "zischeln.wav",
};
// The game plays these with SoundMode::Looped.
const char* const loopedSounds[] = {"pfeifen.wav", "boeoeoeoe.wav", "zischeln.wav"};

std::vector<unsigned char> readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// What a RIFF/WAVE reader finds in a file; `problem` says why it gave up.
struct Wave {
    std::string problem;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<float> samples; // 16-bit PCM scaled to -1..1
    double seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0.0; }
};

Wave parseWave(const std::vector<unsigned char>& b)
{
    Wave wave;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF"
        || std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        wave.problem = "no RIFF/WAVE header";
        return wave;
    }
    if (le(b, 4, 4) + 8 != b.size()) {
        wave.problem = "RIFF size does not match the file size";
        return wave;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const std::size_t size = le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            wave.problem = "chunk '" + id + "' runs past the end of the file";
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(le(b, body, 2));
            wave.channels = static_cast<int>(le(b, body + 2, 2));
            wave.rate = static_cast<int>(le(b, body + 4, 4));
            wave.bits = static_cast<int>(le(b, body + 14, 2));
            const std::uint32_t blockAlign = le(b, body + 12, 2);
            if (blockAlign != static_cast<std::uint32_t>(wave.channels * wave.bits / 8)
                || le(b, body + 8, 4) != blockAlign * static_cast<std::uint32_t>(wave.rate)) {
                wave.problem = "byte rate or block alignment inconsistent";
                return wave;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wave.format != 1 || wave.bits != 16 || wave.channels != 1) {
                wave.problem = "data before a mono 16-bit PCM format chunk";
                return wave;
            }
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)) / 32768.0f);
            }
            return wave;
        }
        at = body + size + (size & 1);
    }
    wave.problem = "no data chunk";
    return wave;
}

Wave loadSound(const char* name)
{
    return parseWave(readBytes(soundDir / name));
}

float peakOf(const std::vector<float>& s, std::size_t from, std::size_t count)
{
    float peak = 0.0f;
    for (std::size_t i = from; i < std::min(s.size(), from + count); ++i) {
        peak = std::max(peak, std::fabs(s[i]));
    }
    return peak;
}

// Start of the loudest stretch of `window` samples.
std::size_t loudestWindow(const std::vector<float>& s, std::size_t window)
{
    std::size_t best = 0;
    double bestEnergy = -1.0;
    for (std::size_t start = 0; start + window <= s.size(); start += window / 2) {
        double energy = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += s[i] * s[i];
        }
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = start;
        }
    }
    return best;
}

// Normalised autocorrelation of the loudest 60 ms for periods of 1/1200 s to
// 1/70 s: near 1 for a pitched voice, low for noise. The pitch is the
// shortest period that correlates almost as well as the best (the best alone
// may be a multiple of the period).
struct Periodicity {
    double correlation = 0.0;
    double pitchHz = 0.0;
};

Periodicity periodicity(const Wave& wave)
{
    const std::size_t window = static_cast<std::size_t>(wave.rate * 0.06);
    const std::size_t start = loudestWindow(wave.samples, window);
    const int shortest = wave.rate / 1200;
    const int longest = wave.rate / 70;
    std::vector<double> byLag;
    for (int lag = shortest; lag <= longest; ++lag) {
        double sum = 0.0, a = 0.0, b = 0.0;
        for (std::size_t i = start; i + static_cast<std::size_t>(lag) < start + window; ++i) {
            const double x = wave.samples[i];
            const double y = wave.samples[i + static_cast<std::size_t>(lag)];
            sum += x * y;
            a += x * x;
            b += y * y;
        }
        byLag.push_back(sum / std::sqrt(a * b + 1e-12));
    }
    Periodicity found;
    found.correlation = *std::max_element(byLag.begin(), byLag.end());
    for (std::size_t i = 1; i + 1 < byLag.size(); ++i) {
        if (byLag[i] >= 0.9 * found.correlation && byLag[i] >= byLag[i - 1] && byLag[i] >= byLag[i + 1]) {
            found.pitchHz = static_cast<double>(wave.rate) / (shortest + static_cast<int>(i));
            break;
        }
    }
    return found;
}

// Zero crossings per second over the samples louder than a tenth of the peak.
double crossingsPerSecond(const Wave& wave)
{
    const float floor = 0.1f * peakOf(wave.samples, 0, wave.samples.size());
    std::size_t crossings = 0, loud = 0;
    for (std::size_t i = 1; i < wave.samples.size(); ++i) {
        if (std::fabs(wave.samples[i]) < floor && std::fabs(wave.samples[i - 1]) < floor) {
            continue;
        }
        ++loud;
        crossings += (wave.samples[i] < 0.0f) != (wave.samples[i - 1] < 0.0f);
    }
    return loud == 0 ? 0.0 : static_cast<double>(crossings) / loud * wave.rate;
}

} // namespace

TEST(MediaSoundTest, EverySoundIsMonoSixteenBitPcmOfSaneLength)
{
    for (const char* name : allSounds) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::is_regular_file(soundDir / name));
        const Wave wave = loadSound(name);
        ASSERT_EQ(wave.problem, "");
        EXPECT_GE(wave.rate, 11025);
        EXPECT_LE(wave.rate, 48000);
        if (std::string(name) == "leer.wav") {
            EXPECT_GT(wave.seconds(), 0.0);
            EXPECT_LE(wave.seconds(), 0.5) << "the silence that stops a loop must be short";
        } else {
            EXPECT_GE(wave.seconds(), 0.3);
            EXPECT_LE(wave.seconds(), 8.0);
        }
    }
}

TEST(MediaSoundTest, TheWaveReaderRejectsBrokenFiles)
{
    std::vector<unsigned char> bytes = readBytes(soundDir / "huhn.wav");
    ASSERT_GT(bytes.size(), 100u);
    std::vector<unsigned char> cut(bytes.begin(), bytes.end() - 10);
    EXPECT_NE(parseWave(cut).problem, "");
    std::vector<unsigned char> stereo = bytes;
    stereo[22] = 2;
    EXPECT_NE(parseWave(stereo).problem, "");
    EXPECT_NE(parseWave({}).problem, "");
}

TEST(MediaSoundTest, EverySoundLoadsIntoTheMixer)
{
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
    for (const char* name : allSounds) {
        SCOPED_TRACE(name);
        Mix_Chunk* chunk = Mix_LoadWAV((soundDir / name).string().c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        EXPECT_GT(chunk->alen, 0u);
        Mix_FreeChunk(chunk);
    }
    EXPECT_EQ(Mix_LoadWAV((soundDir / "fehlt.wav").string().c_str()), nullptr);
    Mix_CloseAudio();
    SDL_Quit();
}

TEST(MediaSoundTest, TheEmptySoundIsSilentAndTheOthersAreAudibleWithoutClipping)
{
    const Wave silence = loadSound("leer.wav");
    ASSERT_FALSE(silence.samples.empty());
    EXPECT_EQ(peakOf(silence.samples, 0, silence.samples.size()), 0.0f);
    for (const char* name : allSounds) {
        if (std::string(name) == "leer.wav") {
            continue;
        }
        SCOPED_TRACE(name);
        const Wave wave = loadSound(name);
        const float peak = peakOf(wave.samples, 0, wave.samples.size());
        EXPECT_GT(peak, 0.25f);
        EXPECT_LT(peak, 0.99f);
    }
}

TEST(MediaSoundTest, LoopedSoundsJoinWithoutAClick)
{
    for (const char* name : loopedSounds) {
        SCOPED_TRACE(name);
        const Wave wave = loadSound(name);
        ASSERT_GT(wave.samples.size(), 200u);
        const std::size_t edge = static_cast<std::size_t>(wave.rate / 200); // 5 ms
        EXPECT_LT(peakOf(wave.samples, 0, edge), 0.01f);
        EXPECT_LT(peakOf(wave.samples, wave.samples.size() - edge, edge), 0.01f);
        EXPECT_LT(std::fabs(wave.samples.back() - wave.samples.front()), 0.002f);
    }
}

TEST(MediaSoundTest, VoicesArePitchedTheHissIsNoiseTheWhistleIsHigh)
{
    // Speakers, the sheep and the hen's squawk: each in its own register.
    const struct {
        const char* name;
        double lowestHz, highestHz;
    } voices[] = {
        {"hilfe.wav", 180.0, 400.0},
        {"dankefenno.wav", 90.0, 200.0},
        {"boeoeoeoe.wav", 250.0, 450.0},
        {"huhn.wav", 600.0, 1200.0},
    };
    for (const auto& voice : voices) {
        SCOPED_TRACE(voice.name);
        const Periodicity found = periodicity(loadSound(voice.name));
        EXPECT_GT(found.correlation, 0.6);
        EXPECT_GT(found.pitchHz, voice.lowestHz);
        EXPECT_LT(found.pitchHz, voice.highestHz);
        RecordProperty(std::string(voice.name) + "PitchHz", static_cast<int>(found.pitchHz));
    }
    const Wave hiss = loadSound("zischeln.wav");
    EXPECT_LT(periodicity(hiss).correlation, 0.4);
    EXPECT_GT(crossingsPerSecond(hiss), 4000.0) << "a hiss lives in the high frequencies";

    // A whistle is nearly a pure tone: it crosses zero twice per period.
    const double whistleHz = crossingsPerSecond(loadSound("pfeifen.wav")) / 2.0;
    EXPECT_GT(whistleHz, 900.0);
    EXPECT_LT(whistleHz, 2600.0);
}

TEST(MediaSoundTest, TheGeneratorWritesTheSameFilesEveryRun)
{
    const fs::path generator = fs::path(KORVEL_RUN_DIR) / ".." / "tools" / "mediagen" / "korvel-mediagen";
    ASSERT_TRUE(fs::exists(generator));
    ScratchDir scratch;
    const std::string command = generator.string() + " " + scratch.path().string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path built = fs::path(KORVEL_RUN_DIR) / "data";
    for (const char* name : allSounds) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readBytes(scratch.path() / "data" / "sound" / name), readBytes(built / "sound" / name));
    }
    EXPECT_EQ(readBytes(scratch.path() / "data" / "text" / "dialogues.txt"),
              readBytes(built / "text" / "dialogues.txt"));
}

TEST(MediaSoundTest, TheGeneratorFailsLoudlyWithoutAWritableRunDirectory)
{
    const fs::path generator = fs::path(KORVEL_RUN_DIR) / ".." / "tools" / "mediagen" / "korvel-mediagen";
    ScratchDir scratch;
    EXPECT_NE(std::system((generator.string() + " 2> /dev/null").c_str()), 0);
    scratch.write("data", "a file where the data folder belongs");
    EXPECT_NE(std::system((generator.string() + " " + scratch.path().string() + " 2> /dev/null").c_str()), 0);

    // A disk that fills up: what is there is whole, nothing is left half written.
    ScratchDir full;
    const std::string filling = "trap '' XFSZ; ulimit -f 100; " + generator.string() + " " + full.path().string();
    EXPECT_NE(std::system((filling + " 2> /dev/null").c_str()), 0);
    for (const auto& file : fs::recursive_directory_iterator(full.path() / "data")) {
        if (file.is_regular_file()) {
            const fs::path built = fs::path(KORVEL_RUN_DIR) / fs::relative(file.path(), full.path());
            EXPECT_EQ(readBytes(file.path()), readBytes(built)) << file.path();
        }
    }
}
