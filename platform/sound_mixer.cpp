#include "platform/folders_internal.h"
#include "platform/platform_internal.h"

#include <SDL_mixer.h>

#include <cstring>
#include <string>

namespace {

enum class AudioState { Closed, Open, Missing };

AudioState Audio = AudioState::Closed;
Mix_Music* Music = nullptr;

// The device is opened on first use, so a game that never plays music never touches it.
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
    return true;
}

void StopMusic() {
    if (Audio != AudioState::Open) return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    if (Music != nullptr) Mix_FreeMusic(Music);
    Music = nullptr;
}

} // namespace

bool PlaySoundLoop(const char* gamePath) {
    if (gamePath == nullptr) {
        StopMusic();
        return true;
    }
    if (!OpenAudio()) return false;
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

void ShutdownSound() {
    StopMusic();
    if (Audio == AudioState::Open) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // A machine found without sound stays silent; an opened one may be opened again.
    if (Audio == AudioState::Open) Audio = AudioState::Closed;
}
