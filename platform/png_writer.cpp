#include "platform/platform.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace {

// libpng reports errors by longjmp; this frame holds nothing that needs a destructor.
bool WriteImage(png_structp png, png_infop info, FILE* file, int width, int height, png_bytep* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool WritePNG(const char* path, int width, int height, const uint8_t* rgba) {
    // Larger sides than this are refused by libpng itself.
    constexpr int MaxSide = 1000000;
    if (path == nullptr || rgba == nullptr || width <= 0 || height <= 0 || width > MaxSide ||
        height > MaxSide)
        return false;

    const size_t stride = static_cast<size_t>(width) * 4;
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(rgba + y * stride);

    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = info != nullptr && WriteImage(png, info, file, width, height, rows.data());
    png_destroy_write_struct(&png, &info);
    // A full disk shows up only when the buffered tail is flushed.
    if (std::fclose(file) != 0) written = false;
    if (!written) std::remove(path); // no half-written picture left behind
    return written;
}
