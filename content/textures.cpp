#include "content/textures.h"

#include "content/random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSurface = 256;
const char* kTitleFont = kLetteringFont;
const char* kButtonFont = kLetteringFont;

// Lettering with a warm glow, scaled to fit inside a box of the canvas and centred on (cx, cy).
void Letter(Image& canvas, const char* font, const std::string& text, float pixelHeight, float widthScale,
            float cx, float cy, Color top, Color bottom, Color glow, float glowGain) {
    Image mask = RenderText(font, text, pixelHeight, widthScale, static_cast<int>(pixelHeight * 0.35f));
    if (mask.width == 0) return;
    // Long words shrink until they fit the canvas with a margin.
    float room = static_cast<float>(canvas.width) * 0.92f;
    if (static_cast<float>(mask.width) > room) {
        pixelHeight *= room / static_cast<float>(mask.width);
        mask = RenderText(font, text, pixelHeight, widthScale, static_cast<int>(pixelHeight * 0.35f));
    }
    Image halo = mask;
    for (Color& c : halo.pixels) c = {glow.r, glow.g, glow.b, c.a};
    BlurImage(halo, std::max(2, static_cast<int>(pixelHeight * 0.08f)));
    int ox = static_cast<int>(cx - static_cast<float>(mask.width) * 0.5f);
    int oy = static_cast<int>(cy - static_cast<float>(mask.height) * 0.5f);
    CompositeAdd(canvas, halo, ox, oy, glowGain);
    // A vertical gradient across the letters, brighter at the top like polished metal.
    for (int y = 0; y < mask.height; ++y) {
        float t = static_cast<float>(y) / static_cast<float>(std::max(1, mask.height - 1));
        Color c = Mix(top, bottom, SmoothStep(0.25f, 0.8f, t));
        for (int x = 0; x < mask.width; ++x) mask.At(x, y) = {c.r, c.g, c.b, mask.At(x, y).a};
    }
    Composite(canvas, mask, ox, oy);
}

// The title's night sky at height t (0 at the picture's top, 1 at its foot).
Color TitleSky(float t) {
    Color sky = Mix(Rgb(6, 8, 28), Rgb(40, 22, 62), SmoothStep(0.0f, 0.62f, t));
    return Mix(sky, Rgb(150, 70, 60), SmoothStep(0.45f, 0.66f, t) * 0.55f);
}

// One range of the title's mountains, each nearer one darker; the nearest hold
// the menu. (ox, oy) is where the w x h picture's top-left lies on the canvas;
// the ridges repeat every picture width, so they run on past either side.
void PaintTitleRidge(Image& img, int r, int ox, int oy, int w, int h) {
    static const Color ranges[4] = {Rgb(58, 40, 82), Rgb(36, 26, 58), Rgb(20, 16, 38), Rgb(8, 7, 18)};
    static const float base[4] = {0.56f, 0.63f, 0.72f, 0.86f};
    static const float amp[4] = {0.10f, 0.12f, 0.10f, 0.06f};
    for (int x = 0; x < img.width; ++x) {
        float u = static_cast<float>(x - ox) / static_cast<float>(w);
        float ridge = TileFbm(u * 4, static_cast<float>(r) * 7.3f, 4, 5, 900u + static_cast<uint32_t>(r));
        float top = (base[r] - amp[r] * (ridge * 2 - 0.6f)) * static_cast<float>(h);
        for (int y = std::max(0, static_cast<int>(top) + oy); y < img.height; ++y) {
            const float py = static_cast<float>(y - oy);
            float mist = SmoothStep(0, 90, py - top);
            Color c = Mix(Mix(ranges[r], Rgb(110, 60, 80), 0.25f * (3 - r) / 3.0f), ranges[r], mist);
            BlendPixel(img, x, y, c, Clamp01(top + 1 - py) + (py > top ? 1 : 0));
        }
    }
}

} // namespace

Image PaintLogo() {
    // Painted at the screen's 4:3 and squeezed into a square texture afterwards,
    // so the letters look right once the game stretches it over the screen.
    const int w = 1024, h = 768;
    Image img = MakeImage(w, h);
    Random rng(0xA0E1A47);
    for (int y = 0; y < h; ++y) {
        const Color sky = TitleSky(static_cast<float>(y) / static_cast<float>(h));
        for (int x = 0; x < w; ++x) img.At(x, y) = sky;
    }
    // Stars thin out toward the glowing horizon.
    for (int i = 0; i < 420; ++i) {
        float x = rng.Range(0, w), y = rng.Range(0, h * 0.6f);
        float b = rng.Range(0.25f, 1.0f) * (1 - y / (h * 0.65f));
        FillDisc(img, x, y, rng.Range(0.5f, 1.4f), {b, b, b * 0.95f + 0.05f, 1}, 1.0f);
    }
    // The moon with a soft halo.
    Image halo = MakeImage(w, h, {0, 0, 0, 0});
    FillDisc(halo, 905, 84, 80, {0.6f, 0.55f, 0.8f, 1}, 60);
    BlurImage(halo, 25);
    CompositeAdd(img, halo, 0, 0, 0.35f);
    FillDisc(img, 905, 84, 44, Rgb(244, 236, 210), 1.5f);
    for (int i = 0; i < 9; ++i)
        FillDisc(img, 905 + rng.Range(-28, 28), 84 + rng.Range(-28, 28), rng.Range(4, 10),
                 {0.82f, 0.78f, 0.7f, 0.5f}, 3);

    auto drawCastle = [&]() {
        // A lone castle on the second ridge, lit windows and all.
        Color castle = Rgb(30, 22, 50);
        float cx = 250, ground = 0.615f * h;
        auto rect = [&](float x0, float y0, float x1, float y1, Color c) {
            for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y)
                for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x) BlendPixel(img, x, y, c, 1);
        };
        rect(cx - 60, ground - 70, cx + 60, ground + 110, castle);
        rect(cx - 80, ground - 120, cx - 50, ground + 110, castle);
        rect(cx + 45, ground - 105, cx + 72, ground + 110, castle);
        rect(cx - 15, ground - 160, cx + 12, ground - 60, castle);
        for (float tx : {cx - 65, cx + 58, cx - 1.5f}) {
            float topY = tx < cx - 10 ? ground - 120 : (tx > cx + 10 ? ground - 105 : ground - 160);
            for (int y = 0; y < 36; ++y) {
                float half = 17 * (1 - y / 36.0f);
                rect(tx - half, topY - 36 + y, tx + half, topY - 35 + y, castle);
            }
        }
        for (auto [wx, wy] : std::initializer_list<std::pair<float, float>>{{cx - 68, ground - 95},
                                                                            {cx - 4, ground - 135},
                                                                            {cx + 55, ground - 80},
                                                                            {cx - 30, ground - 40},
                                                                            {cx + 20, ground - 45}}) {
            FillDisc(img, wx + 3, wy + 5, 10, {1.0f, 0.7f, 0.3f, 0.15f}, 8);
            rect(wx, wy, wx + 6, wy + 10, Rgb(255, 196, 92));
        }
    };
    for (int r = 0; r < 4; ++r) {
        if (r == 2) drawCastle(); // it stands between the far and the near ridges
        PaintTitleRidge(img, r, 0, 0, w, h);
    }
    Letter(img, kTitleFont, "Aurelant", 190, 1.0f, w * 0.5f, h * 0.21f, Rgb(255, 246, 206), Rgb(214, 150, 48),
           Rgb(255, 170, 60), 1.1f);
    Letter(img, kTitleFont, "Q U I L L A N   E N G I N E", 30, 1.0f, w * 0.5f, h * 0.355f, Rgb(210, 200, 230),
           Rgb(160, 150, 200), Rgb(120, 100, 200), 0.6f);
    return Resample(img, 1024, 1024);
}

Image PaintLogoSides() {
    // The title's sky and mountains without the castle, moon and letters, over
    // 2.5 picture widths and 1.5 heights, so the logo can sit in its middle on
    // screens up to 3.3:1 wide or 8:9 tall.
    const int w = 1024, h = 768;
    const int ox = w * 3 / 4, oy = h / 4;
    Image img = MakeImage(w * 5 / 2, h * 3 / 2);
    Random rng(0x51DE5u);
    for (int y = 0; y < img.height; ++y) {
        const Color sky = TitleSky(static_cast<float>(y - oy) / static_cast<float>(h));
        for (int x = 0; x < img.width; ++x) img.At(x, y) = sky;
    }
    for (int i = 0; i < 1500; ++i) {
        float x = rng.Range(0, static_cast<float>(img.width)), y = rng.Range(0, oy + h * 0.6f);
        float b = rng.Range(0.25f, 1.0f) * (1 - (y - oy) / (h * 0.65f));
        FillDisc(img, x, y, rng.Range(0.5f, 1.4f), {b, b, b * 0.95f + 0.05f, 1}, 1.0f);
    }
    for (int r = 0; r < 4; ++r) PaintTitleRidge(img, r, ox, oy, w, h);
    return Resample(img, 2048, 1024);
}

Image PaintButton(const std::string& label) {
    // Shown 0.2 of the screen wide and 0.1 high: about 8:3 at 4:3, stored 2:1.
    const int w = 512, h = 192;
    Image img = MakeImage(w, h);
    Letter(img, kButtonFont, label, 104, 1.0f, w * 0.5f, h * 0.5f, Rgb(255, 250, 225), Rgb(236, 178, 70),
           Rgb(255, 150, 40), 0.75f);
    // A faint rule under the words ties the four buttons together.
    for (int x = 60; x < w - 60; ++x) {
        float fade = std::sin(3.14159265f * static_cast<float>(x - 60) / static_cast<float>(w - 120));
        BlendPixel(img, x, h - 22, {0.9f, 0.6f, 0.25f, 1}, 0.6f * fade);
        BlendPixel(img, x, h - 21, {0.9f, 0.6f, 0.25f, 1}, 0.3f * fade);
    }
    return Resample(img, 256, 128);
}

Image PaintConsole() {
    // Stretched over panels of every shape, so the frame is kept thin and the
    // inside nearly plain: a deep blue with a faint weave, lighter at the top.
    const int size = 256;
    Image img = Paint(size, [](float u, float v) {
        float n = TileFbm(u * 8, v * 8, 8, 3, 77);
        Color c = Mix(Rgb(22, 30, 78), Rgb(8, 12, 40), SmoothStep(0.0f, 1.0f, v));
        return Scale(c, 0.9f + 0.2f * n);
    });
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int edge = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
            if (edge < 3)
                img.At(x, y) = Mix(Rgb(240, 200, 110), Rgb(150, 100, 40), static_cast<float>(edge) / 3.0f);
            else if (edge < 5)
                img.At(x, y) = Rgb(20, 14, 10);
            else if (edge < 6)
                img.At(x, y) = Mix(img.At(x, y), Rgb(130, 140, 200), 0.5f);
        }
    }
    return img;
}

Image PaintParticle() {
    return Paint(64, [](float u, float v) {
        float d = std::hypot(u - 0.5f + 1 / 128.0f, v - 0.5f + 1 / 128.0f) * 2;
        float a = std::pow(Clamp01(1 - d), 2.2f);
        return Color{a, a, a, a};
    });
}

Image PaintRing() {
    return Paint(128, [](float u, float v) {
        float d = std::hypot(u - 0.5f + 1 / 256.0f, v - 0.5f + 1 / 256.0f) * 2;
        float ring = std::exp(-std::pow((d - 0.78f) / 0.09f, 2.0f));
        float inner = 0.25f * std::exp(-std::pow((d - 0.6f) / 0.2f, 2.0f));
        float a = Clamp01(ring + inner) * (d < 1 ? 1.0f : 0.0f);
        return Color{a, a, a, a};
    });
}

Image PaintSpark() {
    return Paint(128, [](float u, float v) {
        float x = u - 0.5f + 1 / 256.0f, y = v - 0.5f + 1 / 256.0f;
        float d = std::hypot(x, y) * 2, angle = std::atan2(y, x);
        float core = std::pow(Clamp01(1 - d * 2.2f), 1.5f);
        // Eight rays, the four main ones longer.
        float rays = std::pow(std::fabs(std::cos(angle * 4)), 40.0f) * Clamp01(1 - d * 1.15f) * 0.6f +
                     std::pow(std::fabs(std::cos(angle * 2)), 90.0f) * Clamp01(1 - d) * 0.9f;
        float a = Clamp01(core + rays + 0.25f * std::pow(Clamp01(1 - d), 3.0f));
        return Color{a, a, a * 0.95f, a};
    });
}

Image PaintGround() {
    return Paint(kSurface, [](float u, float v) {
        float broad = TileFbm(u * 4, v * 4, 4, 4, 11);
        float fine = TileFbm(u * 32, v * 32, 32, 2, 12);
        float blades = TileNoise(u * 128, v * 48, 128, 13);
        Color grass = Mix(Rgb(52, 92, 34), Rgb(92, 130, 48), fine * 0.7f + blades * 0.3f);
        Color dirt = Mix(Rgb(96, 74, 48), Rgb(128, 104, 70), fine);
        float patch = SmoothStep(0.58f, 0.7f, broad);
        return Scale(Mix(grass, dirt, patch), 0.85f + 0.3f * TileFbm(u * 16, v * 16, 16, 3, 14));
    });
}

Image PaintStone() {
    return Paint(kSurface, [](float u, float v) {
        CellSample cell = TileCells(u * 6, v * 6, 6, 21);
        float tone = static_cast<float>(cell.id & 0xFF) / 255.0f;
        float grain = TileFbm(u * 24, v * 24, 24, 3, 22);
        Color stone = Mix(Rgb(104, 100, 96), Rgb(150, 144, 134), tone * 0.6f + grain * 0.4f);
        // Mortar in the joints, with a darker rim where the stone meets it.
        float joint = SmoothStep(0.02f, 0.09f, cell.border);
        float rim = SmoothStep(0.09f, 0.2f, cell.border);
        Color mortar = Rgb(58, 54, 50);
        return Mix(mortar, Scale(stone, 0.78f + 0.22f * rim), joint);
    });
}

Image PaintWood() {
    return Paint(kSurface, [](float u, float v) {
        // Four planks across v, grain running along u.
        float plank = std::floor(v * 4);
        float inPlank = v * 4 - plank;
        uint32_t seed = 31 + static_cast<uint32_t>(plank);
        float warp = TileFbm(u * 4, v * 4, 4, 3, seed) * 2.0f;
        float rings = 0.5f + 0.5f * std::sin((v * 40 + warp * 6) * 3.14159f);
        float fibre = TileNoise(u * 64, v * 256, 64, seed + 7);
        Color c = Mix(Rgb(112, 70, 36), Rgb(160, 108, 60), rings * 0.6f + fibre * 0.4f);
        c = Scale(c, 0.85f + 0.15f * static_cast<float>(HashCoords(static_cast<int>(plank), 0, 33) & 0xFF) /
                                 255.0f);
        float gap = SmoothStep(0.0f, 0.04f, inPlank) * SmoothStep(1.0f, 0.96f, inPlank);
        return Scale(c, 0.35f + 0.65f * gap);
    });
}

Image PaintFoliage() {
    return Paint(kSurface, [](float u, float v) {
        float clumps = TileFbm(u * 6, v * 6, 6, 4, 41);
        CellSample leaf = TileCells(u * 20, v * 20, 20, 42);
        float shade = SmoothStep(0.0f, 0.5f, leaf.nearest);
        Color c = Mix(Rgb(44, 96, 34), Rgb(18, 50, 20), shade);
        c = Mix(c, Rgb(96, 140, 52), SmoothStep(0.6f, 0.8f, clumps) * 0.6f);
        return Scale(c, 0.8f + 0.3f * static_cast<float>(leaf.id & 0xFF) / 255.0f);
    });
}

Image PaintCloth() {
    return Paint(kSurface, [](float u, float v) {
        // A twill weave in deep blue, worn lighter in places.
        float warp = 0.5f + 0.5f * std::sin((u * 128 + v * 128) * 3.14159f);
        float weft = 0.5f + 0.5f * std::sin(v * 128 * 3.14159f * 2);
        float wear = TileFbm(u * 4, v * 4, 4, 4, 51);
        Color c = Mix(Rgb(28, 48, 120), Rgb(50, 78, 160), warp * 0.5f + weft * 0.2f);
        return Mix(c, Rgb(90, 110, 170), SmoothStep(0.6f, 0.85f, wear) * 0.35f);
    });
}

Image PaintSkin() {
    return Paint(kSurface, [](float u, float v) {
        float n = TileFbm(u * 8, v * 8, 8, 4, 61);
        return Mix(Rgb(214, 162, 126), Rgb(236, 190, 154), n);
    });
}

Image PaintLeather() {
    return Paint(kSurface, [](float u, float v) {
        CellSample pore = TileCells(u * 40, v * 40, 40, 71);
        float n = TileFbm(u * 6, v * 6, 6, 4, 72);
        Color c = Mix(Rgb(70, 44, 26), Rgb(112, 74, 44), n);
        return Scale(c, 0.85f + 0.15f * SmoothStep(0.0f, 0.3f, pore.border));
    });
}

// The sorcerer's ring: the same masonry, dark and cold.
Image PaintDarkStone() {
    Image img = PaintStone();
    for (Color& c : img.pixels) c = Mix(Scale(c, 0.45f), Rgb(40, 30, 50), 0.25f);
    return img;
}

// Polished steel, its brushing in long streaks with a few brighter glints.
Image PaintSteel() {
    return Paint(kSurface, [](float u, float v) {
        float streak = TileFbm(u * 2, v * 64, 2, 4, 91);
        float glint = SmoothStep(0.72f, 0.9f, TileFbm(u * 8, v * 8, 8, 2, 92));
        Color c = Mix(Rgb(150, 158, 172), Rgb(222, 228, 238), streak);
        return Mix(c, Rgb(250, 252, 255), glint * 0.5f);
    });
}

Image PaintRobe() {
    return Paint(kSurface, [](float u, float v) {
        float wool = TileFbm(u * 32, v * 32, 32, 3, 81);
        float stripes = SmoothStep(0.45f, 0.5f, std::fabs(std::fmod(v * 8, 1.0f) - 0.5f));
        Color c = Mix(Rgb(110, 86, 56), Rgb(146, 118, 80), wool);
        return Mix(c, Rgb(96, 40, 34), stripes * 0.6f);
    });
}

std::vector<TextureFile> BuildTextures() {
    std::vector<TextureFile> out;
    out.push_back({"Textures/Logo.tga", PaintLogo(), false});
    out.push_back({"Textures/LogoSides.tga", PaintLogoSides(), false});
    out.push_back({"Textures/New Game.tga", PaintButton("New Game"), false});
    out.push_back({"Textures/Load Game.tga", PaintButton("Load Game"), false});
    out.push_back({"Textures/Credits.tga", PaintButton("Credits"), false});
    out.push_back({"Textures/Quit.tga", PaintButton("Quit"), false});
    out.push_back({"Textures/Options.tga", PaintButton("Options"), false});
    out.push_back({"Textures/Console.tga", PaintConsole(), false});
    out.push_back({"Textures/Particle.tga", PaintParticle(), true});
    out.push_back({"Textures/Ring.tga", PaintRing(), true});
    out.push_back({"Textures/Spark.tga", PaintSpark(), true});
    out.push_back({"Textures/Ground.tga", PaintGround(), false});
    out.push_back({"Textures/Stone.tga", PaintStone(), false});
    out.push_back({"Textures/Wood.tga", PaintWood(), false});
    out.push_back({"Textures/Foliage.tga", PaintFoliage(), false});
    out.push_back({"Textures/Cloth.tga", PaintCloth(), false});
    out.push_back({"Textures/Skin.tga", PaintSkin(), false});
    out.push_back({"Textures/Leather.tga", PaintLeather(), false});
    out.push_back({"Textures/Robe.tga", PaintRobe(), false});
    out.push_back({"Textures/Steel.tga", PaintSteel(), false});
    out.push_back({"Textures/DarkStone.tga", PaintDarkStone(), false});
    return out;
}
