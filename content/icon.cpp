#include "content/icon.h"

#include "content/textures.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The letter's box inside its mask: the pixels it really covers.
struct Bounds {
    int left, top, right, bottom;
};

Bounds Covered(const Image& mask) {
    Bounds b = {mask.width, mask.height, -1, -1};
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            if (mask.At(x, y).a < 0.1f) continue;
            b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x), std::max(b.bottom, y)};
        }
    return b;
}

} // namespace

Image PaintEmblem(int size) {
    // Painted four times larger and shrunk, so the edges come out smooth.
    const int n = size * 4;
    const float centre = static_cast<float>(n) * 0.5f;
    const float radius = static_cast<float>(n) * 0.48f;
    // At least one whole pixel of rim, so the badge keeps its edge at 16 pixels.
    const float rim = std::max(static_cast<float>(n) * 0.05f, 4.0f);
    Image img = MakeImage(n, n, {0, 0, 0, 0});
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float d =
                std::hypot(static_cast<float>(x) + 0.5f - centre, static_cast<float>(y) + 0.5f - centre);
            const float t = d / radius;
            Color c = Mix(Rgb(52, 30, 90), Rgb(8, 10, 36), SmoothStep(0.0f, 1.0f, t));
            // The rim's gold darkens toward the bottom, like the title's letters.
            const Color gold =
                Mix(Rgb(255, 232, 160), Rgb(190, 124, 36), static_cast<float>(y) / static_cast<float>(n));
            c = Mix(c, gold, Clamp01(d - (radius - rim) + 0.5f));
            BlendPixel(img, x, y, c, Clamp01(radius - d + 0.5f));
        }
    // The moon of the title picture, where there is room for it.
    if (size >= 48) {
        FillDisc(img, n * 0.72f, n * 0.29f, n * 0.075f, Rgb(244, 236, 210), n * 0.01f);
        FillDisc(img, n * 0.75f, n * 0.265f, n * 0.07f, Rgb(40, 26, 74), n * 0.01f);
    }

    // The letter fills most of the badge: first measured, then drawn to size.
    // Small icons take a plainer, larger letter without a shadow: serifs and
    // soft shadows turn to mud at 16 pixels.
    const bool small = size < 48;
    const char* font = small ? "Liberation Sans:bold" : kLetteringFont;
    const float capHeight = static_cast<float>(n) * (small ? 0.64f : 0.58f);
    Image mask = RenderText(font, "A", capHeight, 1.0f, 2);
    if (mask.width == 0) return Resample(img, size, size);
    Bounds b = Covered(mask);
    mask = RenderText(font, "A", capHeight * capHeight / static_cast<float>(b.bottom - b.top + 1), 1.0f, 2);
    b = Covered(mask);
    const int ox = static_cast<int>(centre) - (b.left + b.right + 1) / 2;
    const int oy = static_cast<int>(centre + static_cast<float>(n) * 0.03f) - (b.top + b.bottom + 1) / 2;
    if (!small) {
        Image shadow = mask;
        for (Color& c : shadow.pixels) c = {0.02f, 0.02f, 0.06f, c.a * 0.85f};
        BlurImage(shadow, std::max(1, n / 64));
        Composite(img, shadow, ox + n / 64, oy + n / 48);
    }
    const Color bottom = small ? Rgb(240, 186, 80) : Rgb(214, 150, 48);
    for (int y = 0; y < mask.height; ++y) {
        const float t = Clamp01(static_cast<float>(y - b.top) / static_cast<float>(b.bottom - b.top + 1));
        const Color c = Mix(Rgb(255, 246, 206), bottom, SmoothStep(0.2f, 0.85f, t));
        for (int x = 0; x < mask.width; ++x) mask.At(x, y) = {c.r, c.g, c.b, mask.At(x, y).a};
    }
    Composite(img, mask, ox, oy);
    return Resample(img, size, size);
}

std::string EncodePNG(const Image& image) {
    std::vector<uint8_t> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const Color& c = image.pixels[i];
        const float channels[4] = {c.r, c.g, c.b, c.a};
        for (int k = 0; k < 4; ++k)
            rgba[i * 4 + k] = static_cast<uint8_t>(std::lround(Clamp01(channels[k]) * 255));
    }
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t bytes = 0;
    if (!png_image_write_to_memory(&png, nullptr, &bytes, 0, rgba.data(), 0, nullptr)) return "";
    std::string out(bytes, '\0');
    if (!png_image_write_to_memory(&png, out.data(), &bytes, 0, rgba.data(), 0, nullptr)) return "";
    out.resize(bytes);
    return out;
}

std::vector<IconFile> BuildIcons() {
    std::vector<IconFile> out;
    for (int size : {16, 32, 48, 64, 128, 256})
        out.push_back({"Icons/" + std::to_string(size) + ".png", EncodePNG(PaintEmblem(size))});
    return out;
}
