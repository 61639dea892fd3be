// The sound layer on SDL_mixer: the device, the cache of loaded sounds, playing one at a time.
// Its own file so the game never sees SDL_mixer.

#include "platform/Sound.h"

#include "platform/DataFile.h"
#include "platform/Language.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

constexpr int channel = 0;

struct SoundLayer {
    bool initialised = false;
    bool deviceOpen = false;
    // Files that failed to load are kept as nullptr, so they are tried once.
    std::map<std::string, Mix_Chunk*> cache;
    std::string lastPath;
    SoundMode lastMode = SoundMode::Once;
    int started = 0;
    int filesLoaded = 0;
    int volume = MIX_MAX_VOLUME;
    bool paused = false;
};

SoundLayer layer;

bool openDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    Mix_Volume(channel, layer.volume);
    return true;
}

// Stops the mixer and frees the cached sounds before the program ends.
void closeDevice()
{
    Mix_HaltChannel(channel);
    for (const auto& [path, chunk] : layer.cache) {
        Mix_FreeChunk(chunk);
    }
    layer.cache.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// ALSA reports every device it fails to find on standard error; the game
// says once that it plays silently instead.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Opened on the first sound. A machine without a usable sound card gets
// SDL's silent driver, so playback state behaves the same everywhere.
void initialiseOnce()
{
    if (layer.initialised) {
        return;
    }
    layer.initialised = true;
    // Ctrl-C and kill keep ending the game: SDL would otherwise catch them
    // and wait for an event loop the game does not run.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    snd_lib_error_set_handler(ignoreAlsaMessage);
    // A WAV file cut short is refused, not played up to where it breaks off.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    layer.deviceOpen = openDevice();
    if (!layer.deviceOpen) {
        std::fprintf(stderr, "%s\n", tr(N_("kein Soundgeraet: es wird ohne Ton gespielt")));
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        layer.deviceOpen = openDevice();
    }
    if (layer.deviceOpen) {
        std::atexit(closeDevice);
    }
}

Mix_Chunk* chunkFor(const std::string& path)
{
    const auto found = layer.cache.find(path);
    if (found != layer.cache.end()) {
        return found->second;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk != nullptr) {
        ++layer.filesLoaded;
    } else {
        std::error_code error;
        warnAboutFile(path, std::filesystem::is_regular_file(path, error)
                                ? trf(N_("kann nicht abgespielt werden: %s"), Mix_GetError())
                                : tr(N_("kann nicht geoeffnet werden")));
    }
    layer.cache.emplace(path, chunk);
    return chunk;
}

} // namespace

void playSound(const char* path, SoundMode mode)
{
    initialiseOnce();
    if (!layer.deviceOpen || path == nullptr) {
        return;
    }
    // One channel: whatever played ends, even when the new file is missing.
    Mix_HaltChannel(channel);
    layer.lastPath = path;
    layer.lastMode = mode;
    ++layer.started;
    Mix_Chunk* chunk = chunkFor(layer.lastPath);
    if (chunk != nullptr) {
        Mix_PlayChannel(channel, chunk, mode == SoundMode::Looped ? -1 : 0);
        if (layer.paused) {
            Mix_Pause(channel);
        }
    }
}

void pauseSound(bool paused)
{
    layer.paused = paused;
    if (layer.deviceOpen) {
        paused ? Mix_Pause(channel) : Mix_Resume(channel);
    }
}

void setSoundVolume(int percent)
{
    layer.volume = percent * MIX_MAX_VOLUME / 100;
    if (layer.deviceOpen) {
        Mix_Volume(channel, layer.volume);
    }
}

SoundStatus soundStatus()
{
    SoundStatus status;
    status.deviceOpen = layer.deviceOpen;
    if (layer.deviceOpen) {
        const char* driver = SDL_GetCurrentAudioDriver();
        status.driver = driver != nullptr ? driver : "";
        status.playing = Mix_Playing(channel) != 0 && Mix_Paused(channel) == 0;
        status.volume = Mix_Volume(channel, -1) * 100 / MIX_MAX_VOLUME;
    }
    status.lastPath = layer.lastPath;
    status.lastMode = layer.lastMode;
    status.started = layer.started;
    status.filesLoaded = layer.filesLoaded;
    return status;
}
