// One walking step (fall plus collision) against a collision model of the size
// a large level would have, and the per-frame prop pass.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "tests/unit/scene_models.h"
#include "world/collision.h"
#include "world/field_camera.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kCellsPerSide = 100; // 2 x 100 x 100 = 20,000 ground triangles
constexpr float kCellSize = 2.0f;  // a 200 x 200 terrain
constexpr int kObjectsPerSide = 10;

float Height(float x, float z) {
    return 1.5f * std::sin(x * 0.11f) * std::cos(z * 0.07f);
}

void AddQuad(Object3D& object, CVector3 a, CVector3 b, CVector3 c, CVector3 d) {
    const int32_t base = static_cast<int32_t>(object.vertices.size());
    object.vertices.insert(object.vertices.end(), {a, b, c, d});
    // Wound so that the normal (p2 - p0) x (p1 - p0) faces up or out.
    object.indices.insert(object.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
}

void FinishObject(Object3D& object) {
    object.vertexCount = static_cast<int32_t>(object.vertices.size());
    object.indexCount = static_cast<int32_t>(object.indices.size());
    CVector3 sum = {0, 0, 0};
    for (const CVector3& v : object.vertices) sum = {sum.x + v.x, sum.y + v.y, sum.z + v.z};
    const float n = static_cast<float>(object.vertexCount);
    object.center = {sum.x / n, sum.y / n, sum.z / n};
    float extent = 0.0f;
    for (const CVector3& v : object.vertices) {
        extent = std::max({extent, std::fabs(v.x - object.center.x), std::fabs(v.y - object.center.y),
                           std::fabs(v.z - object.center.z)});
    }
    object.size = 2.0f * std::trunc(extent);
}

// 100 terrain patches of 200 triangles each, and walls around the edge and across the middle.
Model3D MakeTerrain() {
    Model3D model;
    const int cellsPerObject = kCellsPerSide / kObjectsPerSide;
    const float half = kCellsPerSide * kCellSize / 2;
    for (int oz = 0; oz < kObjectsPerSide; ++oz) {
        for (int ox = 0; ox < kObjectsPerSide; ++ox) {
            Object3D object;
            for (int cz = 0; cz < cellsPerObject; ++cz) {
                for (int cx = 0; cx < cellsPerObject; ++cx) {
                    const float x0 = (ox * cellsPerObject + cx) * kCellSize - half;
                    const float z0 = (oz * cellsPerObject + cz) * kCellSize - half;
                    const float x1 = x0 + kCellSize;
                    const float z1 = z0 + kCellSize;
                    AddQuad(object, {x0, Height(x0, z0), z0}, {x0, Height(x0, z1), z1},
                            {x1, Height(x1, z1), z1}, {x1, Height(x1, z0), z0});
                }
            }
            FinishObject(object);
            model.objects.push_back(std::move(object));
        }
    }
    Object3D walls;
    for (int i = 0; i < 20; ++i) {
        const float a = -half + i * 20.0f;
        const float b = a + 20.0f;
        AddQuad(walls, {a, 0, -half}, {a, 6, -half}, {b, 6, -half}, {b, 0, -half});
        AddQuad(walls, {b, 0, half}, {b, 6, half}, {a, 6, half}, {a, 0, half});
        AddQuad(walls, {-half, 0, b}, {-half, 6, b}, {-half, 6, a}, {-half, 0, a});
        AddQuad(walls, {half, 0, a}, {half, 6, a}, {half, 6, b}, {half, 0, b});
        AddQuad(walls, {a, 0, 30}, {a, 6, 30}, {b, 6, 30}, {b, 0, 30});
    }
    FinishObject(walls);
    model.objects.push_back(std::move(walls));
    model.objectCount = static_cast<int32_t>(model.objects.size());
    return model;
}

Model3D MakeBox() {
    Model3D model;
    Object3D box;
    AddQuad(box, {-1, 2, -1}, {-1, 2, 1}, {1, 2, 1}, {1, 2, -1});
    AddQuad(box, {-1, 0, -1}, {1, 0, -1}, {1, 0, 1}, {-1, 0, 1});
    AddQuad(box, {-1, 0, -1}, {-1, 2, -1}, {1, 2, -1}, {1, 0, -1});
    AddQuad(box, {1, 0, 1}, {1, 2, 1}, {-1, 2, 1}, {-1, 0, 1});
    AddQuad(box, {-1, 0, 1}, {-1, 2, 1}, {-1, 2, -1}, {-1, 0, -1});
    AddQuad(box, {1, 0, -1}, {1, 2, -1}, {1, 2, 1}, {1, 0, 1});
    FinishObject(box);
    model.objects.push_back(std::move(box));
    model.objectCount = 1;
    return model;
}

void PlaceHero(float x, float z, float viewX, float viewZ) {
    HeroPosition = {x, Height(x, z) + 0.2f, z};
    Camera = {
        {x - viewX * 5, HeroPosition.y + 4.5f, z - viewZ * 5}, {x, HeroPosition.y + 2.5f, z}, {0, 1, 0}};
    PlayerHasControl = 1;
}

// One step per iteration, forward and back in turn, so the hero stays on the same ground.
void WalkSteps(benchmark::State& state, const Model3D& level) {
    float speed = WalkSpeed;
    for (auto _ : state) {
        MoveCamera(Camera, speed);
        HeroPosition.x = Camera.ViewPoint.x;
        HeroPosition.z = Camera.ViewPoint.z;
        CollideWithLevel(level);
        speed = -speed;
        benchmark::DoNotOptimize(HeroPosition);
    }
}

// Looking along the terrain from the middle: about half the patches are in view.
void BM_WalkStepMidLevel(benchmark::State& state) {
    static const Model3D level = MakeTerrain();
    PlaceHero(3.0f, 5.0f, 0.6f, -0.8f);
    LookThroughCamera();
    WalkSteps(state, level);
}
BENCHMARK(BM_WalkStepMidLevel);

// From a corner looking across: nearly every patch is in view, the worst case.
void BM_WalkStepWholeLevelInView(benchmark::State& state) {
    static const Model3D level = MakeTerrain();
    PlaceHero(-95.0f, -95.0f, 0.7071f, 0.7071f);
    // Raise the eye so the whole terrain lies in front of it.
    Camera.Position.y += 40.0f;
    Camera.Position.x -= 20.0f;
    Camera.Position.z -= 20.0f;
    LookThroughCamera();
    WalkSteps(state, level);
}
BENCHMARK(BM_WalkStepWholeLevelInView);

// The per-frame prop pass of a busy level: twelve villagers and chests.
void BM_PropPass(benchmark::State& state) {
    static const Model3D box = MakeBox();
    PlaceHero(0.0f, 0.0f, 0.0f, -1.0f);
    HeroPosition.y = 0.0f;
    for (auto _ : state) {
        for (int i = 0; i < 12; ++i) CollideWithBox(box, static_cast<float>(i) * 3.0f - 18.0f, 0.0f, 1.2f);
        benchmark::DoNotOptimize(HeroPosition);
    }
}
BENCHMARK(BM_PropPass);

} // namespace

BENCHMARK_MAIN();
