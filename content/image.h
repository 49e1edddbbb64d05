// RGBA images with the procedural tools the textures are painted with: tiling
// noise and cells, soft shapes, blur and resampling, lettering through
// FreeType, and the writer of uncompressed TGA files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Color {
    float r, g, b, a;
};

// Row 0 is the top row, as images are usually drawn.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Color& At(int x, int y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    const Color& At(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

Image MakeImage(int width, int height, Color fill = {0, 0, 0, 1});

// An opaque colour from 0..255 channels.
inline Color Rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1};
}

// Fills a square image from a function of texture-space coordinates in [0, 1).
template <typename F>
Image Paint(int size, F f) {
    Image img = MakeImage(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            img.At(x, y) = f(static_cast<float>(x) / static_cast<float>(size),
                             static_cast<float>(y) / static_cast<float>(size));
    return img;
}
Color Mix(Color a, Color b, float t);
Color Scale(Color c, float s); // rgb only
float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

// Noise that repeats every `period` units in x and y, so textures tile without seams.
float TileNoise(float x, float y, int period, uint32_t seed);
// Octaves of TileNoise, each twice as fine; the result stays in [0, 1].
float TileFbm(float x, float y, int period, int octaves, uint32_t seed);
// Tiling cells (one random point per lattice square): the distance to the
// nearest point, the gap to the second nearest (small near cell borders) and
// the nearest cell's id.
struct CellSample {
    float nearest;
    float border;
    uint32_t id;
};
CellSample TileCells(float x, float y, int period, uint32_t seed);

// Straight-alpha "over" of one colour onto a pixel, weighted by coverage.
void BlendPixel(Image& image, int x, int y, Color c, float coverage);
void FillDisc(Image& image, float cx, float cy, float radius, Color c, float softness = 1.0f);
void DrawLine(Image& image, float x0, float y0, float x1, float y1, float width, Color c);
// Places src over dst with its top-left corner at (x, y).
void Composite(Image& dst, const Image& src, int x, int y);
// Adds src's colour weighted by its alpha: glows and highlights.
void CompositeAdd(Image& dst, const Image& src, int x, int y, float gain = 1.0f);
void BlurImage(Image& image, int radius);
Image Resample(const Image& src, int width, int height);

// Lettering: white text whose alpha is its coverage, with `padding` pixels of
// margin on every side; `widthScale` narrows or widens the letters (to make up
// for a picture shown at another aspect than it is stored). An empty image
// when no font matches the fontconfig pattern.
// Is a font of the pattern's family installed (not merely a fallback)?
bool FontInstalled(const std::string& fontPattern);
Image RenderText(const std::string& fontPattern, const std::string& text, float pixelHeight, float widthScale,
                 int padding);

// Uncompressed true-colour TGA, bottom row first (the first stored row is the
// texture's row 0, where texture coordinate v = 0 lies).
std::string WriteTGA(const Image& image, bool withAlpha);
