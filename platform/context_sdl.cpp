#include "platform/platform_internal.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

SDL_GLContext GameContext = nullptr;

namespace {

std::string ScreenshotPath;
void (*BeforeSwap)() = nullptr;

void WriteScreenshot() {
    int width = 0;
    int height = 0;
    GetClientSize(&width, &height);
    if (width <= 0 || height <= 0) return;
    const size_t stride = static_cast<size_t>(width) * 4;
    std::vector<uint8_t> pixels(stride * static_cast<size_t>(height));
    GLint packAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    // GL reads bottom row first; pictures start at the top.
    std::vector<uint8_t> flipped(pixels.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.data() + static_cast<size_t>(height - 1 - y) * stride, stride,
                    flipped.data() + static_cast<size_t>(y) * stride);
    if (!WritePNG(ScreenshotPath.c_str(), width, height, flipped.data()))
        PlatformWarning("cannot write the screenshot %s", ScreenshotPath.c_str());
}

} // namespace

bool CreateRenderContext() {
    if (GameWindow == nullptr) return false;
    DeleteRenderContext();
    GameContext = SDL_GL_CreateContext(GameWindow);
    if (GameContext == nullptr) {
        PlatformWarning("cannot create the OpenGL context: %s", SDL_GetError());
        return false;
    }
    if (SDL_GL_MakeCurrent(GameWindow, GameContext) != 0) {
        PlatformWarning("cannot make the OpenGL context current: %s", SDL_GetError());
        return false;
    }
    return true;
}

void DeleteRenderContext() {
    if (GameContext == nullptr) return;
    SDL_GL_MakeCurrent(GameWindow, nullptr);
    SDL_GL_DeleteContext(GameContext);
    GameContext = nullptr;
}

void* GetGLFunction(const char* name) {
    if (GameContext == nullptr || name == nullptr) return nullptr;
    return SDL_GL_GetProcAddress(name);
}

bool HasGLExtension(const char* name) {
    return GameContext != nullptr && name != nullptr && SDL_GL_ExtensionSupported(name) == SDL_TRUE;
}

void RequestScreenshot(const char* path) {
    ScreenshotPath = path != nullptr ? path : "";
}

void SetBeforeSwap(void (*finish)()) {
    BeforeSwap = finish;
}

void SwapScreenBuffer() {
    if (GameWindow == nullptr || GameContext == nullptr) return;
    if (BeforeSwap) BeforeSwap();
    if (!GameWindowShown()) {
        ScreenshotPath.clear(); // a frame nobody saw has no picture to keep
        return;
    }
    if (!ScreenshotPath.empty()) {
        WriteScreenshot();
        ScreenshotPath.clear();
    }
    SDL_GL_SwapWindow(GameWindow);
}

void SetVerticalSync(bool on) {
    if (GameContext == nullptr) return;
    if (SDL_GL_SetSwapInterval(on ? 1 : 0) != 0)
        PlatformWarning("vertical sync unavailable: %s", SDL_GetError());
}
