#include "platform/pixel_format_internal.h"
#include "platform/platform_internal.h"

SDL_Window* GameWindow = nullptr;
int WindowPixelFormat = 0;
int WindowFormatAttempt = -1;
PixelFormatRequest WindowFormatAsked = {0, 0, false};
bool StencilWanted = false;

namespace {

// The size the game was last told of: the window's own at its opening, so
// the events a window manager sends for an unchanged size are not passed on.
int ReportedWidth = 0;
int ReportedHeight = 0;

void RememberOpeningSize() {
    GetClientSize(&ReportedWidth, &ReportedHeight);
}

} // namespace

void WantStencilBuffer() {
    StencilWanted = true;
}

namespace {

void SetFormatAttributes(const PixelFormatRequest& format) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, format.doubleBuffer ? 1 : 0);
    if (StencilWanted) SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (format.colorBits == 0 && format.depthBits == 0) return; // the driver's defaults
    int channels[4];
    ChannelBitsForColor(format.colorBits, channels);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channels[0]);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channels[1]);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channels[2]);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, channels[3]);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
}

// The visual is fixed when the window is created, so every fallback is a new window.
SDL_Window* CreateWithClosestFormat(const char* title, int x, int y, int width, int height, Uint32 flags,
                                    const PixelFormatRequest& request) {
    PixelFormatRequest attempts[MaxPixelFormatAttempts];
    const int count = PixelFormatAttempts(request, attempts);
    for (int i = 0; i < count; ++i) {
        SetFormatAttributes(attempts[i]);
        SDL_Window* window = SDL_CreateWindow(title, x, y, width, height, flags | SDL_WINDOW_OPENGL);
        if (window != nullptr) {
            WindowPixelFormat = 1;
            WindowFormatAttempt = i;
            WindowFormatAsked = attempts[i];
            return window;
        }
    }
    PlatformWarning("no OpenGL pixel format: %s", SDL_GetError());
    // Like a window whose device context has no GL format: the game reports it itself.
    WindowPixelFormat = 0;
    WindowFormatAttempt = -1;
    WindowFormatAsked = PixelFormatRequest{0, 0, false};
    return SDL_CreateWindow(title, x, y, width, height, flags);
}

// No display or GL implementation reaches past this, and SDL refuses it as "too large".
constexpr int kLargestWindowSide = 16384;

bool UsableWindowSize(int width, int height) {
    return width > 0 && height > 0 && width <= kLargestWindowSide && height <= kLargestWindowSide;
}

// A window larger than the desktop cannot be seen whole, so a windowed one is made to fit.
void FitInsideDesktop(int* width, int* height) {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
    if (*width > usable.w) *width = usable.w;
    if (*height > usable.h) *height = usable.h;
}

} // namespace

bool OpenGameWindow(const char* title, int x, int y, int width, int height, bool fullscreen,
                    const PixelFormatRequest& request) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || !UsableWindowSize(width, height)) return false;
    CloseGameWindow();
    Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
    if (fullscreen)
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN;
    else
        flags |= SDL_WINDOW_RESIZABLE;
    if (!fullscreen) FitInsideDesktop(&width, &height);
    GameWindow = CreateWithClosestFormat(title != nullptr ? title : "", x, y, width, height, flags, request);
    if (GameWindow == nullptr) {
        PlatformWarning("cannot create the window: %s", SDL_GetError());
        return false;
    }
    if (fullscreen) {
        SDL_DisplayMode mode;
        if (KeptDisplayMode(&mode)) SDL_SetWindowDisplayMode(GameWindow, &mode);
        // SDL quietly grants a larger mode when the exact one is missing; the game wants that refused.
        int grantedWidth = 0;
        int grantedHeight = 0;
        SDL_GL_GetDrawableSize(GameWindow, &grantedWidth, &grantedHeight);
        if (grantedWidth != width || grantedHeight != height) {
            PlatformWarning("full screen %dx%d was refused (the display gave %dx%d)", width, height,
                            grantedWidth, grantedHeight);
            CloseGameWindow();
            return false;
        }
    }
    SetGameWindowIcon();
    RememberOpeningSize();
    CentreVirtualCursor(width, height);
    PostPlatformMessage(PlatformMessage{MessageType::Paint, 0, 0});
    return true;
}

bool OpenDesktopWindow(const char* title, const PixelFormatRequest& request) {
    DisplayMode desktop = {};
    if (!ReadDisplayMode(&desktop) || !UsableWindowSize(desktop.width, desktop.height)) return false;
    CloseGameWindow();
    const Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
    GameWindow = CreateWithClosestFormat(title != nullptr ? title : "", 0, 0, desktop.width, desktop.height,
                                         flags, request);
    if (GameWindow == nullptr) {
        PlatformWarning("cannot create the window: %s", SDL_GetError());
        return false;
    }
    SetGameWindowIcon();
    RememberOpeningSize();
    int width = 0, height = 0;
    GetClientSize(&width, &height);
    CentreVirtualCursor(width, height);
    PostPlatformMessage(PlatformMessage{MessageType::Paint, 0, 0});
    return true;
}

void ToggleFullScreen() {
    if (GameWindow == nullptr) return;
    const bool full = (SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN) != 0;
    if (full) {
        // Leaving a mode switch puts the desktop's mode back, as at the end.
        RestoreDisplayMode();
        SDL_SetWindowBordered(GameWindow, SDL_TRUE);
        SDL_SetWindowResizable(GameWindow, SDL_TRUE);
        // A window as large as the desktop would look like full screen still.
        int width = 0, height = 0;
        SDL_GetWindowSize(GameWindow, &width, &height);
        DisplayMode desktop = {};
        if (ReadDisplayMode(&desktop) && width >= desktop.width && height >= desktop.height) {
            width = desktop.width * 3 / 4;
            height = desktop.height * 3 / 4;
            SDL_SetWindowSize(GameWindow, width, height);
            SDL_SetWindowPosition(GameWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    } else {
        SDL_SetWindowBordered(GameWindow, SDL_FALSE);
        // Without a window manager nobody honours the full-screen request: the
        // window would keep its size while SDL reports the desktop's.
        DisplayMode desktop = {};
        if (ReadDisplayMode(&desktop)) {
            SDL_SetWindowPosition(GameWindow, 0, 0);
            SDL_SetWindowSize(GameWindow, desktop.width, desktop.height);
        }
        if (SDL_SetWindowFullscreen(GameWindow, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
            PlatformWarning("cannot go full screen: %s", SDL_GetError());
    }
    QueueWindowSize();
}

void ResizeGameWindow(int width, int height) {
    if (GameWindow == nullptr || !UsableWindowSize(width, height)) return;
    if ((SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN) != 0) return;
    FitInsideDesktop(&width, &height);
    SDL_SetWindowSize(GameWindow, width, height);
    QueueWindowSize();
}

bool TakeNewWindowSize(int* width, int* height) {
    GetClientSize(width, height);
    if (*width <= 0 || *height <= 0 || (*width == ReportedWidth && *height == ReportedHeight)) return false;
    ReportedWidth = *width;
    ReportedHeight = *height;
    return true;
}

void QueueWindowSize() {
    PlatformMessage message{MessageType::SizeChanged, 0, 0};
    if (TakeNewWindowSize(&message.width, &message.height)) PostPlatformMessage(message);
}

void CloseGameWindow() {
    DeleteRenderContext();
    if (GameWindow != nullptr) SDL_DestroyWindow(GameWindow);
    GameWindow = nullptr;
    WindowPixelFormat = 0;
    WindowFormatAttempt = -1;
    WindowFormatAsked = PixelFormatRequest{0, 0, false};
}

void GetClientSize(int* width, int* height) {
    int w = 0;
    int h = 0;
    if (GameWindow != nullptr) SDL_GL_GetDrawableSize(GameWindow, &w, &h);
    if (width != nullptr) *width = w;
    if (height != nullptr) *height = h;
}

bool GameWindowShown() {
    if (GameWindow == nullptr) return false;
    return (SDL_GetWindowFlags(GameWindow) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) == 0;
}

void ShowGameWindow(bool show) {
    if (GameWindow == nullptr) return;
    if (show)
        SDL_ShowWindow(GameWindow);
    else
        SDL_HideWindow(GameWindow);
}

int ChoosePixelFormat(const PixelFormatRequest&) {
    // The format was chosen with the window; this only tells whether there is one.
    return GameWindow != nullptr ? WindowPixelFormat : 0;
}

bool SetPixelFormat(int format) {
    return GameWindow != nullptr && format != 0 && format == WindowPixelFormat;
}

PixelFormatRequest GrantedPixelFormat() {
    if (GameContext == nullptr || SDL_GL_GetCurrentContext() != GameContext) return WindowFormatAsked;
    int red = 0, green = 0, blue = 0, alpha = 0, depth = 0, doubleBuffer = 0;
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &red);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &green);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &blue);
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &alpha);
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    return PixelFormatRequest{red + green + blue + alpha, depth, doubleBuffer != 0};
}
