#include "platform/platform_internal.h"

#include <algorithm>
#include <vector>

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

int ListDisplayModes(DisplayMode* modes, int capacity) {
    if (modes == nullptr || capacity <= 0 || !VideoRunning()) return 0;
    std::vector<DisplayMode> found;
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode offered;
        if (SDL_GetDisplayMode(0, i, &offered) != 0 || offered.w <= 0 || offered.h <= 0) continue;
        found.push_back(
            {offered.w, offered.h, static_cast<int>(SDL_BITSPERPIXEL(offered.format)), offered.refresh_rate});
    }
    // Only the size can be chosen, so one entry a size, the largest first.
    std::sort(found.begin(), found.end(), [](const DisplayMode& a, const DisplayMode& b) {
        return a.width != b.width ? a.width > b.width : a.height > b.height;
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const DisplayMode& a, const DisplayMode& b) {
                                return a.width == b.width && a.height == b.height;
                            }),
                found.end());
    const int n = std::min(capacity, static_cast<int>(found.size()));
    std::copy(found.begin(), found.begin() + n, modes);
    return n;
}

bool SwitchDisplayMode(const DisplayMode& mode) {
    if (GameWindow == nullptr) return false;
    SDL_DisplayMode before{};
    const bool hadMode = KeptDisplayMode(&before);
    if (!ChangeDisplayMode(mode)) return false;
    SDL_DisplayMode wanted{};
    KeptDisplayMode(&wanted);
    if ((SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN) != 0) SDL_SetWindowFullscreen(GameWindow, 0);
    SDL_SetWindowBordered(GameWindow, SDL_FALSE);
    SDL_SetWindowPosition(GameWindow, 0, 0);
    SDL_SetWindowSize(GameWindow, mode.width, mode.height);
    if (SDL_SetWindowDisplayMode(GameWindow, &wanted) != 0 ||
        SDL_SetWindowFullscreen(GameWindow, SDL_WINDOW_FULLSCREEN) != 0) {
        PlatformWarning("cannot switch to %dx%d: %s", mode.width, mode.height, SDL_GetError());
        // Left as a window; the caller puts back what the player had.
        SDL_SetWindowBordered(GameWindow, SDL_TRUE);
        ForgetDisplayMode();
        if (hadMode) ChangeDisplayMode({before.w, before.h, 0, 0});
        QueueWindowSize();
        return false;
    }
    QueueWindowSize();
    return true;
}

bool GameWindowFullScreen() {
    return GameWindow != nullptr && (SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN) != 0;
}

bool GameWindowInDisplayMode() {
    if (GameWindow == nullptr) return false;
    const Uint32 flags = SDL_GetWindowFlags(GameWindow);
    return (flags & SDL_WINDOW_FULLSCREEN) != 0 &&
           (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) != SDL_WINDOW_FULLSCREEN_DESKTOP;
}
