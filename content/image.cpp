#include "content/image.h"

#include "content/random.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

Image MakeImage(int width, int height, Color fill) {
    Image img;
    img.width = std::max(width, 0);
    img.height = std::max(height, 0);
    img.pixels.assign(static_cast<size_t>(img.width) * static_cast<size_t>(img.height), fill);
    return img;
}

Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color Scale(Color c, float s) {
    return {c.r * s, c.g * s, c.b * s, c.a};
}

float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float SmoothStep(float e0, float e1, float v) {
    float t = Clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

namespace {

int Wrap(int v, int period) {
    int m = v % period;
    return m < 0 ? m + period : m;
}

float Lattice(int x, int y, int period, uint32_t seed) {
    return static_cast<float>(HashCoords(Wrap(x, period), Wrap(y, period), seed) >> 8) / 16777216.0f;
}

} // namespace

float TileNoise(float x, float y, int period, uint32_t seed) {
    period = std::max(period, 1);
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
    ty = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
    float a = Lattice(ix, iy, period, seed), b = Lattice(ix + 1, iy, period, seed);
    float c = Lattice(ix, iy + 1, period, seed), d = Lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float TileFbm(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        float scale = static_cast<float>(1 << o);
        sum += weight * TileNoise(x * scale, y * scale, period << o, seed + static_cast<uint32_t>(o) * 101u);
        total += weight;
        weight *= 0.5f;
    }
    return total > 0 ? sum / total : 0;
}

CellSample TileCells(float x, float y, int period, uint32_t seed) {
    period = std::max(period, 1);
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    float best = 1e9f, second = 1e9f;
    uint32_t id = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            int cx = ix + dx, cy = iy + dy;
            uint32_t h = HashCoords(Wrap(cx, period), Wrap(cy, period), seed);
            float px = static_cast<float>(cx) + 0.15f + 0.7f * static_cast<float>(h & 0xFFFF) / 65535.0f;
            float py = static_cast<float>(cy) + 0.15f + 0.7f * static_cast<float>(h >> 16) / 65535.0f;
            float d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < best) {
                second = best;
                best = d;
                id = h;
            } else if (d < second) {
                second = d;
            }
        }
    }
    return {best, second - best, id};
}

void BlendPixel(Image& img, int x, int y, Color c, float coverage) {
    if (x < 0 || y < 0 || x >= img.width || y >= img.height) return;
    float a = Clamp01(c.a * coverage);
    if (a <= 0) return;
    Color& d = img.At(x, y);
    float outA = a + d.a * (1 - a);
    if (outA <= 0) return;
    d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
    d.a = outA;
}

void FillDisc(Image& img, float cx, float cy, float radius, Color c, float softness) {
    softness = std::max(softness, 0.01f);
    int x0 = static_cast<int>(std::floor(cx - radius - softness)),
        x1 = static_cast<int>(std::ceil(cx + radius + softness));
    int y0 = static_cast<int>(std::floor(cy - radius - softness)),
        y1 = static_cast<int>(std::ceil(cy + radius + softness));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float d = std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy);
            BlendPixel(img, x, y, c, Clamp01((radius - d) / softness + 0.5f));
        }
    }
}

void DrawLine(Image& img, float x0, float y0, float x1, float y1, float width, Color c) {
    float r = width * 0.5f;
    int minX = static_cast<int>(std::floor(std::min(x0, x1) - r - 1)),
        maxX = static_cast<int>(std::ceil(std::max(x0, x1) + r + 1));
    int minY = static_cast<int>(std::floor(std::min(y0, y1) - r - 1)),
        maxY = static_cast<int>(std::ceil(std::max(y0, y1) + r + 1));
    float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = std::max(minY, 0); y <= std::min(maxY, img.height - 1); ++y) {
        for (int x = std::max(minX, 0); x <= std::min(maxX, img.width - 1); ++x) {
            float px = static_cast<float>(x) + 0.5f - x0, py = static_cast<float>(y) + 0.5f - y0;
            float t = len2 > 0 ? Clamp01((px * dx + py * dy) / len2) : 0;
            float d = std::hypot(px - t * dx, py - t * dy);
            BlendPixel(img, x, y, c, Clamp01(r - d + 0.5f));
        }
    }
}

void Composite(Image& dst, const Image& src, int ox, int oy) {
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) BlendPixel(dst, ox + x, oy + y, src.At(x, y), 1.0f);
}

void CompositeAdd(Image& dst, const Image& src, int ox, int oy, float gain) {
    for (int y = 0; y < src.height; ++y) {
        for (int x = 0; x < src.width; ++x) {
            int tx = ox + x, ty = oy + y;
            if (tx < 0 || ty < 0 || tx >= dst.width || ty >= dst.height) continue;
            const Color& s = src.At(x, y);
            Color& d = dst.At(tx, ty);
            float w = s.a * gain;
            d.r += s.r * w;
            d.g += s.g * w;
            d.b += s.b * w;
        }
    }
}

namespace {

// One pass of a box blur along rows (or columns), clamping at the borders.
void BoxPass(Image& img, int radius, bool horizontal) {
    int n = horizontal ? img.width : img.height, lines = horizontal ? img.height : img.width;
    std::vector<Color> line(static_cast<size_t>(n));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> Color& { return horizontal ? img.At(i, l) : img.At(l, i); };
        for (int i = 0; i < n; ++i) line[static_cast<size_t>(i)] = at(i);
        for (int i = 0; i < n; ++i) {
            Color sum = {0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const Color& c = line[static_cast<size_t>(std::clamp(i + k, 0, n - 1))];
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
            }
            float inv = 1.0f / static_cast<float>(2 * radius + 1);
            at(i) = {sum.r * inv, sum.g * inv, sum.b * inv, sum.a * inv};
        }
    }
}

} // namespace

void BlurImage(Image& img, int radius) {
    if (radius <= 0 || img.width == 0 || img.height == 0) return;
    // Three box passes come close to a Gaussian.
    for (int i = 0; i < 3; ++i) {
        BoxPass(img, radius, true);
        BoxPass(img, radius, false);
    }
}

Image Resample(const Image& src, int width, int height) {
    Image out = MakeImage(width, height);
    if (src.width == 0 || src.height == 0 || width <= 0 || height <= 0) return out;
    // Each target pixel averages a grid of bilinear samples over its footprint,
    // which handles shrinking as well as stretching.
    float sx = static_cast<float>(src.width) / static_cast<float>(width);
    float sy = static_cast<float>(src.height) / static_cast<float>(height);
    int nx = std::max(1, static_cast<int>(std::ceil(sx))), ny = std::max(1, static_cast<int>(std::ceil(sy)));
    auto sample = [&](float x, float y) {
        x = std::clamp(x - 0.5f, 0.0f, static_cast<float>(src.width - 1));
        y = std::clamp(y - 0.5f, 0.0f, static_cast<float>(src.height - 1));
        int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
        int x1 = std::min(x0 + 1, src.width - 1), y1 = std::min(y0 + 1, src.height - 1);
        float tx = x - static_cast<float>(x0), ty = y - static_cast<float>(y0);
        return Mix(Mix(src.At(x0, y0), src.At(x1, y0), tx), Mix(src.At(x0, y1), src.At(x1, y1), tx), ty);
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Color sum = {0, 0, 0, 0};
            for (int j = 0; j < ny; ++j) {
                for (int i = 0; i < nx; ++i) {
                    float px =
                        (static_cast<float>(x) + (static_cast<float>(i) + 0.5f) / static_cast<float>(nx)) *
                        sx;
                    float py =
                        (static_cast<float>(y) + (static_cast<float>(j) + 0.5f) / static_cast<float>(ny)) *
                        sy;
                    Color c = sample(px, py);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                }
            }
            float inv = 1.0f / static_cast<float>(nx * ny);
            out.At(x, y) = {sum.r * inv, sum.g * inv, sum.b * inv, sum.a * inv};
        }
    }
    return out;
}

namespace {

bool FindFontFile(const std::string& pattern, std::string& path) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return false;
    bool found = false;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (pat) {
        FcConfigSubstitute(config, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult result;
        FcPattern* match = FcFontMatch(config, pat, &result);
        if (match) {
            FcChar8* file = nullptr;
            // fontconfig always offers some fallback; only the family asked for will do.
            FcChar8* wanted = nullptr;
            FcChar8* family = nullptr;
            const bool sameFamily = FcPatternGetString(pat, FC_FAMILY, 0, &wanted) != FcResultMatch ||
                                    (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
                                     family && FcStrCmpIgnoreCase(wanted, family) == 0);
            if (sameFamily && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
                path = reinterpret_cast<const char*>(file);
                found = true;
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pat);
    }
    FcConfigDestroy(config);
    return found;
}

} // namespace

bool FontInstalled(const std::string& fontPattern) {
    std::string file;
    return FindFontFile(fontPattern, file);
}

Image RenderText(const std::string& fontPattern, const std::string& text, float pixelHeight, float widthScale,
                 int padding) {
    std::string file;
    if (!FindFontFile(fontPattern, file)) return {};
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) return {};
    FT_Face face;
    if (FT_New_Face(lib, file.c_str(), 0, &face)) {
        FT_Done_FreeType(lib);
        return {};
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::max(pixelHeight, 1.0f)));
    FT_Matrix stretch = {static_cast<FT_Fixed>(widthScale * 65536.0f), 0, 0, 0x10000};
    FT_Set_Transform(face, &stretch, nullptr);

    struct Placed {
        std::vector<uint8_t> bits;
        int w, h, x, y;
    };
    std::vector<Placed> glyphs;
    long penX = 0; // 26.6
    FT_UInt previous = 0;
    int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    int descender = static_cast<int>(-(face->size->metrics.descender >> 6));
    for (unsigned char ch : text) {
        FT_UInt index = FT_Get_Char_Index(face, ch);
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector k;
            if (!FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &k))
                penX += static_cast<long>(static_cast<float>(k.x) * widthScale);
        }
        previous = index;
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) continue;
        FT_GlyphSlot g = face->glyph;
        Placed p;
        p.w = static_cast<int>(g->bitmap.width);
        p.h = static_cast<int>(g->bitmap.rows);
        p.x = static_cast<int>(penX >> 6) + g->bitmap_left;
        p.y = ascender - g->bitmap_top;
        p.bits.resize(static_cast<size_t>(p.w) * static_cast<size_t>(p.h));
        for (int r = 0; r < p.h; ++r)
            for (int c = 0; c < p.w; ++c)
                p.bits[static_cast<size_t>(r * p.w + c)] = g->bitmap.buffer[r * g->bitmap.pitch + c];
        glyphs.push_back(std::move(p));
        penX += g->advance.x;
    }
    int width = static_cast<int>(penX >> 6) + 2;
    for (const Placed& p : glyphs) width = std::max(width, p.x + p.w);
    Image img = MakeImage(width + 2 * padding, ascender + descender + 2 * padding, {1, 1, 1, 0});
    for (const Placed& p : glyphs) {
        for (int r = 0; r < p.h; ++r) {
            for (int c = 0; c < p.w; ++c) {
                int x = padding + p.x + c, y = padding + p.y + r;
                if (x < 0 || y < 0 || x >= img.width || y >= img.height) continue;
                float a = static_cast<float>(p.bits[static_cast<size_t>(r * p.w + c)]) / 255.0f;
                img.At(x, y).a = std::max(img.At(x, y).a, a);
            }
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return img;
}

std::string WriteTGA(const Image& img, bool withAlpha) {
    int bytesPer = withAlpha ? 4 : 3;
    std::string out(18, '\0');
    out[2] = 2; // uncompressed true colour
    out[12] = static_cast<char>(img.width & 0xFF);
    out[13] = static_cast<char>((img.width >> 8) & 0xFF);
    out[14] = static_cast<char>(img.height & 0xFF);
    out[15] = static_cast<char>((img.height >> 8) & 0xFF);
    out[16] = static_cast<char>(bytesPer * 8);
    out[17] = withAlpha ? 8 : 0; // alpha bits; origin bottom-left
    out.reserve(out.size() + static_cast<size_t>(img.width) * static_cast<size_t>(img.height) * bytesPer);
    auto byte = [](float v) {
        return static_cast<char>(static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)));
    };
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const Color& c = img.At(x, y);
            out += byte(c.b);
            out += byte(c.g);
            out += byte(c.r);
            if (withAlpha) out += byte(c.a);
        }
    }
    return out;
}
