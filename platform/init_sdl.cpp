#include "platform/platform_internal.h"

bool PlatformScripted = false;

bool InitPlatform(bool scripted) {
    PlatformScripted = scripted;
    // A full-screen game that iconifies whenever another window takes focus cannot be tested.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // SDL drops pad input while no window has focus, and a window under a bare X server gets it late.
    // A player's pad stays quiet while another window is in front; a scripted run's virtual pad must not.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, scripted ? "1" : "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        PlatformWarning("cannot start SDL: %s", SDL_GetError());
        return false;
    }
    return true;
}

void ShutdownPlatform() {
    ShutdownSound();
    ClosePads();
    CloseGameWindow();
    ForgetDisplayMode();
    ClearMessageQueue();
    ReleaseScriptedKeys();
    if (SDL_WasInit(0) != 0) SDL_Quit();
}

bool PlatformIsScripted() {
    return PlatformScripted;
}
