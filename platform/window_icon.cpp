#include "platform/platform_internal.h"

#include <png.h>

#include <vector>

namespace {

// The icon the window carries, one of the emblems the launcher also shows.
const char* const WindowIconPath = "Icons/128.png";
bool Warned = false; // one line per run, however many windows open

void WarnOnce(const char* what) {
    if (!Warned) PlatformWarning("the window has no icon: %s %s", WindowIconPath, what);
    Warned = true;
}

} // namespace

void SetGameWindowIcon() {
    if (GameWindow == nullptr) return;
    FILE* file = OpenGameFile(WindowIconPath, "rb");
    if (file == nullptr) {
        WarnOnce("is missing");
        return;
    }
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    std::vector<uint8_t> pixels;
    bool read = png_image_begin_read_from_stdio(&png, file) != 0;
    if (read) {
        png.format = PNG_FORMAT_RGBA;
        // Anything bigger than an icon is not one: a damaged file must not take the memory.
        read = png.width > 0 && png.width <= 1024 && png.height > 0 && png.height <= 1024;
        if (read) pixels.resize(PNG_IMAGE_SIZE(png));
        read = read && png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr) != 0;
    }
    png_image_free(&png);
    std::fclose(file);
    if (!read) {
        WarnOnce("cannot be read");
        return;
    }
    const int width = static_cast<int>(png.width);
    const int height = static_cast<int>(png.height);
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                                           SDL_PIXELFORMAT_RGBA32);
    if (icon == nullptr) return;
    SDL_SetWindowIcon(GameWindow, icon);
    SDL_FreeSurface(icon);
}
