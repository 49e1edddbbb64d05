#include "platform/platform_internal.h"

namespace {

bool ModeKept = false;
SDL_DisplayMode KeptMode;

bool VideoRunning() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

} // namespace

bool ReadDisplayMode(DisplayMode* mode) {
    if (mode == nullptr || !VideoRunning()) return false;
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return false;
    mode->width = desktop.w;
    mode->height = desktop.h;
    mode->bits = static_cast<int>(SDL_BITSPERPIXEL(desktop.format));
    mode->refreshRate = desktop.refresh_rate;
    return true;
}

bool ChangeDisplayMode(const DisplayMode& mode) {
    if (!VideoRunning()) return false;
    // Only the size can be switched: today's displays run one colour depth.
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode offered;
        if (SDL_GetDisplayMode(0, i, &offered) != 0) continue;
        if (offered.w == mode.width && offered.h == mode.height) {
            KeptMode = offered;
            ModeKept = true;
            return true;
        }
    }
    return false;
}

bool KeptDisplayMode(SDL_DisplayMode* mode) {
    if (ModeKept && mode != nullptr) *mode = KeptMode;
    return ModeKept;
}

void ForgetDisplayMode() {
    ModeKept = false;
}

void RestoreDisplayMode() {
    // SDL puts the desktop mode back when a full-screen window leaves full screen.
    if (GameWindow != nullptr && (SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN) != 0)
        SDL_SetWindowFullscreen(GameWindow, 0);
    ForgetDisplayMode();
}
