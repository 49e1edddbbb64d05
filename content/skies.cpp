#include "content/skies.h"

#include "content/image.h"
#include "content/output.h"

#include <cmath>
#include <string>
#include <utility>

namespace {

struct SkyColours {
    const char* name; // the texture file, "Sky" first: that is how the game knows it
    Color ground, horizon, haze, zenith;
};

// Colours below the horizon show only where the ground ends in a gap.
const SkyColours kSkies[] = {
    {"SkyMorning.tga", Rgb(150, 170, 160), Rgb(235, 225, 200), Rgb(170, 200, 235), Rgb(70, 120, 205)},
    {"SkyMidday.tga", Rgb(140, 165, 185), Rgb(215, 230, 245), Rgb(140, 185, 240), Rgb(40, 95, 200)},
    {"SkyGloom.tga", Rgb(50, 65, 50), Rgb(150, 170, 140), Rgb(95, 120, 110), Rgb(35, 50, 65)},
    {"SkyEvening.tga", Rgb(90, 60, 70), Rgb(250, 170, 100), Rgb(200, 110, 120), Rgb(45, 45, 110)},
    {"SkyDusk.tga", Rgb(60, 20, 15), Rgb(230, 110, 50), Rgb(130, 45, 55), Rgb(25, 12, 35)},
};

constexpr float kDomeRadius = 100.0f; // well inside the far plane, well outside the near one
constexpr int kTextureRows = 64;
// The dome's v runs over the rows between these, so that filtering never
// wraps the zenith round to the ground.
constexpr float kLowV = 2.5f / kTextureRows, kHighV = 1.0f - 2.5f / kTextureRows;

// Row 0 is the top of the picture; the dome takes the top as its zenith.
Image PaintSky(const SkyColours& s) {
    Image img = MakeImage(4, kTextureRows);
    for (int y = 0; y < kTextureRows; ++y) {
        const float v = 1.0f - (static_cast<float>(y) + 0.5f) / kTextureRows;
        const float e = Clamp01((v - kLowV) / (kHighV - kLowV)) * 2.0f - 1.0f; // -1 nadir, 1 zenith
        Color c;
        if (e < 0)
            c = Mix(s.horizon, s.ground, SmoothStep(0.0f, 0.15f, -e));
        else if (e < 0.25f)
            c = Mix(s.horizon, s.haze, SmoothStep(0.0f, 0.25f, e));
        else
            c = Mix(s.haze, s.zenith, std::sqrt((e - 0.25f) / 0.75f));
        for (int x = 0; x < 4; ++x) img.At(x, y) = c;
    }
    return img;
}

// A sphere seen from inside: its triangles turned to face the centre, its
// texture taken by height alone.
Geometry Dome() {
    Geometry g = MakeSphere(kDomeRadius, 16, 24);
    for (MeshVertex& v : g.vertices) {
        v.normal = v.normal * -1.0f;
        v.texel = {0.5f, kLowV + (v.position.y / kDomeRadius + 1.0f) * 0.5f * (kHighV - kLowV)};
    }
    for (auto& t : g.triangles) std::swap(t[1], t[2]);
    return g;
}

} // namespace

Mesh WithSky(DataWriter& w, Mesh mesh, Sky::Kind kind) {
    const SkyColours& sky = kSkies[kind];
    w.Write(std::string("Textures/") + sky.name, WriteTGA(PaintSky(sky), false));
    // A model has ten texture slots, one per material from the first: the sky's
    // material goes right after the last textured one, plain colours after it.
    size_t slot = 0;
    for (size_t i = 0; i < mesh.materials.size(); ++i)
        if (!mesh.materials[i].texture.empty()) slot = i + 1;
    mesh.materials.insert(mesh.materials.begin() + static_cast<std::ptrdiff_t>(slot),
                          {sky.name, 255, 255, 255});
    for (MeshObject& o : mesh.objects)
        if (o.material >= static_cast<int32_t>(slot)) ++o.material;
    AddObject(mesh, "Sky", static_cast<int32_t>(slot), Dome());
    return mesh;
}
