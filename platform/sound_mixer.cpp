#include "platform/folders_internal.h"
#include "platform/platform_internal.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

enum class AudioState { Closed, Open, Missing };

AudioState Audio = AudioState::Closed;
Mix_Music* Music = nullptr;
// Loaded once per file; a file that failed to load is kept as null so it warns only once.
std::map<std::string, Mix_Chunk*> Effects;
int MusicVolume = 100;
int EffectVolume = 100;

// Enough for a blow, its echo, a menu click and a fanfare at once.
constexpr int kEffectChannels = 16;

int MixerVolume(int percent) {
    return std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100;
}

void ApplyVolumes() {
    if (Audio != AudioState::Open) return;
    Mix_VolumeMusic(MixerVolume(MusicVolume));
    Mix_Volume(-1, MixerVolume(EffectVolume));
}

// The device is opened on first use, so a game that never plays a sound never touches it.
bool OpenAudio() {
    if (Audio == AudioState::Open) return true;
    if (Audio == AudioState::Missing) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 2048) != 0) {
        PlatformWarning("no sound device, the game stays silent: %s", SDL_GetError());
        if (SDL_WasInit(SDL_INIT_AUDIO) != 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        Audio = AudioState::Missing;
        return false;
    }
    Audio = AudioState::Open;
    Mix_AllocateChannels(kEffectChannels);
    ApplyVolumes();
    return true;
}

void StopMusic() {
    if (Audio != AudioState::Open) return;
    Mix_HaltMusic();
    if (Music != nullptr) Mix_FreeMusic(Music);
    Music = nullptr;
}

void FreeEffects() {
    if (Audio == AudioState::Open) Mix_HaltChannel(-1);
    for (auto& [path, chunk] : Effects)
        if (chunk != nullptr) Mix_FreeChunk(chunk);
    Effects.clear();
}

Mix_Chunk* LoadEffect(const char* gamePath) {
    auto found = Effects.find(gamePath);
    if (found != Effects.end()) return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV(HostPath(gamePath).c_str());
    if (chunk == nullptr) PlatformWarning("cannot play %s: %s", gamePath, Mix_GetError());
    Effects.emplace(gamePath, chunk);
    return chunk;
}

} // namespace

bool PlaySoundLoop(const char* gamePath) {
    if (gamePath == nullptr) {
        StopMusic();
        if (Audio == AudioState::Open) Mix_HaltChannel(-1);
        return true;
    }
    if (!OpenAudio()) return false;
    // A new tune leaves the effects still sounding alone.
    StopMusic();
    Music = Mix_LoadMUS(HostPath(gamePath).c_str());
    if (Music == nullptr) {
        PlatformWarning("cannot play %s: %s", gamePath, Mix_GetError());
        return false;
    }
    if (Mix_PlayMusic(Music, -1) != 0) {
        PlatformWarning("cannot play %s: %s", gamePath, Mix_GetError());
        Mix_FreeMusic(Music);
        Music = nullptr;
        return false;
    }
    return true;
}

bool PlaySoundEffect(const char* gamePath) {
    if (gamePath == nullptr || !OpenAudio()) return false;
    Mix_Chunk* chunk = LoadEffect(gamePath);
    // Every channel busy: this one is dropped, the others play on.
    return chunk != nullptr && Mix_PlayChannel(-1, chunk, 0) >= 0;
}

void SetSoundVolumes(int musicPercent, int effectPercent) {
    MusicVolume = std::clamp(musicPercent, 0, 100);
    EffectVolume = std::clamp(effectPercent, 0, 100);
    ApplyVolumes();
}

void ShutdownSound() {
    StopMusic();
    FreeEffects();
    if (Audio == AudioState::Open) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // A machine found without sound stays silent; an opened one may be opened again.
    if (Audio == AudioState::Open) Audio = AudioState::Closed;
}
