// Props that dress a level: trees, fences, rocks and walls.
#include "content/levels_common.h"

#include <algorithm>
#include <cmath>

void AddTree(LevelKit& kit, const PropPalette& p, float x, float y, float z, float scale, Random& random,
             bool pine, bool distant) {
    // A distant tree covers a few pixels: fewer sides look the same and cost far less.
    const int sides = distant ? 5 : 7;
    const float trunkHeight = (pine ? 2.2f : 2.6f) * scale;
    const float trunkRadius = 0.28f * scale;
    Geometry trunk =
        Transformed(MakeCylinder(trunkRadius, trunkRadius * 0.7f, trunkHeight + 0.5f, sides, false, 1.0f),
                    Translation({x, y - 0.5f, z}));
    Geometry hull = Transformed(MakeCylinder(trunkRadius + 0.1f, trunkRadius + 0.1f, 3.0f, 6, false),
                                Translation({x, y - 0.5f, z}));
    kit.Solid(p.wood, trunk, hull);
    const float turn = random.Range(0.0f, 360.0f);
    if (pine) {
        for (int k = 0; k < 3; ++k) {
            const float r = (1.9f - 0.45f * static_cast<float>(k)) * scale;
            Geometry tier = MakeCone(r, 2.3f * scale, sides, !distant);
            Transform(tier,
                      Translation({x, y + trunkHeight * 0.6f + 1.3f * scale * static_cast<float>(k), z}) *
                          RotationY(turn + 20.0f * static_cast<float>(k)));
            kit.Draw(p.foliage, tier);
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            const float r = random.Range(1.2f, 1.7f) * scale;
            const float a = Radians(turn + 120.0f * static_cast<float>(k));
            const CVector3 at = {x + std::cos(a) * 0.6f * scale,
                                 y + trunkHeight + random.Range(0.2f, 1.1f) * scale,
                                 z + std::sin(a) * 0.6f * scale};
            Geometry blob = Transformed(distant ? MakeSphere(r, 3, 5) : MakeSphere(r, 4, 7),
                                        Translation(at) * Scaling({1.0f, 0.8f, 1.0f}));
            ScaleTexels(blob, 3.0f, 3.0f);
            kit.Draw(p.foliage, blob);
        }
    }
}

void AddHouse(LevelKit& kit, const PropPalette& p, float x, float y, float z, float width, float depth,
              float yaw, bool stoneWalls) {
    const float wallHeight = 3.2f;
    const Affine place = Translation({x, y, z}) * RotationY(yaw);
    // The walls start below the ground so a slope never shows a gap under them.
    Geometry walls = MakeBox({width, wallHeight + 1.0f, depth}, 0.5f);
    Transform(walls, Translation({0, (wallHeight - 1.0f) * 0.5f, 0}));
    BoxMapTexels(walls, 0.4f);
    Geometry hull = Transformed(walls, place);
    Transform(walls, place);
    kit.Solid(stoneWalls ? p.stone : p.plaster, walls, hull);
    // A gable roof: a triangular prism overhanging the walls.
    const float ridge = 2.0f + 0.12f * width;
    std::vector<CVector2> gable = {{-width * 0.5f - 0.5f, 0.0f}, {width * 0.5f + 0.5f, 0.0f}, {0.0f, ridge}};
    Geometry roof = MakeExtrusion(gable, -depth * 0.5f - 0.5f, depth * 0.5f + 0.5f, 0.4f);
    // The outline lies in x-z; stand it up so its second coordinate becomes height.
    Transform(roof, RotationX(-90.0f));
    Transform(roof, Translation({0, wallHeight, 0}));
    BoxMapTexels(roof, 0.4f);
    Transform(roof, place);
    kit.Draw(p.roof, roof);
    // Door and two windows on the front (+z side before turning).
    Geometry door =
        Transformed(MakeBox({1.1f, 2.0f, 0.12f}, 1.0f), Translation({0, 1.0f, depth * 0.5f + 0.02f}));
    Append(door, Transformed(MakeBox({0.8f, 0.8f, 0.12f}, 1.0f),
                             Translation({-width * 0.3f, 1.8f, depth * 0.5f + 0.02f})));
    Append(door, Transformed(MakeBox({0.8f, 0.8f, 0.12f}, 1.0f),
                             Translation({width * 0.3f, 1.8f, depth * 0.5f + 0.02f})));
    Transform(door, place);
    kit.Draw(p.wood, door);
}

void AddFence(LevelKit& kit, const PropPalette& p, CVector2 a, CVector2 b, const HeightFn& ground) {
    const float run = std::hypot(b.u - a.u, b.v - a.v);
    const int posts = std::max(1, static_cast<int>(run / 2.5f));
    Geometry wood;
    for (int k = 0; k <= posts; ++k) {
        const float t = static_cast<float>(k) / static_cast<float>(posts);
        const float x = a.u + (b.u - a.u) * t, z = a.v + (b.v - a.v) * t;
        Append(wood,
               Transformed(MakeBox({0.2f, 1.6f, 0.2f}, 1.0f), Translation({x, ground(x, z) + 0.5f, z})));
    }
    for (int k = 0; k < posts; ++k) {
        const float t0 = static_cast<float>(k) / static_cast<float>(posts);
        const float t1 = static_cast<float>(k + 1) / static_cast<float>(posts);
        const CVector2 p0 = {a.u + (b.u - a.u) * t0, a.v + (b.v - a.v) * t0};
        const CVector2 p1 = {a.u + (b.u - a.u) * t1, a.v + (b.v - a.v) * t1};
        const float y0 = ground(p0.u, p0.v), y1 = ground(p1.u, p1.v);
        for (float rail : {0.55f, 1.05f}) {
            const float yr = (y0 + y1) * 0.5f + rail;
            Append(wood, WallBetween(p0, p1, yr - 0.08f, yr + 0.08f, 0.1f, 1.0f));
        }
    }
    kit.Draw(p.wood, wood);
    kit.Touch(WallBetween(a, b, std::min(ground(a.u, a.v), ground(b.u, b.v)) - 1.0f,
                          std::max(ground(a.u, a.v), ground(b.u, b.v)) + 2.0f, 0.3f, 1.0f));
}

void AddRock(LevelKit& kit, int32_t material, float x, float y, float z, float size, Random& random) {
    Geometry rock = MakeSphere(size, 4, 7);
    for (MeshVertex& v : rock.vertices) {
        const float lump = 0.8f + 0.35f * random.Uniform();
        v.position = {v.position.x * lump, v.position.y * lump * 0.75f, v.position.z * lump};
    }
    BoxMapTexels(rock, 0.5f);
    Transform(rock, Translation({x, y, z}) * RotationY(random.Range(0.0f, 360.0f)));
    Geometry hull = Transformed(MakeBox({size * 1.6f, size * 2.0f, size * 1.6f}), Translation({x, y, z}));
    kit.Solid(material, rock, hull);
}

Geometry WallBetween(CVector2 a, CVector2 b, float y0, float y1, float thickness, float tpu) {
    const float run = std::hypot(b.u - a.u, b.v - a.v);
    Geometry g = MakeBox({std::max(run, 0.01f), y1 - y0, thickness}, 1.0f);
    BoxMapTexels(g, tpu);
    const float yaw = -std::atan2(b.v - a.v, b.u - a.u) * 180.0f / kPi;
    Transform(g, Translation({(a.u + b.u) * 0.5f, (y0 + y1) * 0.5f, (a.v + b.v) * 0.5f}) * RotationY(yaw));
    return g;
}
