// One walking step of the field (move, walk frame, fall, collision against the
// level's collision model, step count), and the field frame's per-frame logic
// run without a window. A level's real collision model is used when the built
// data lies beside the bench's folder; otherwise a generated terrain of the
// same order of size.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/model3d.h"
#include "tests/unit/scene_models.h"
#include "world/encounters.h"
#include "world/field_camera.h"
#include "world/field_frame.h"
#include "world/field_movement.h"
#include "world/level_table.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kCells = 100; // 2 x 100 x 100 ground triangles in 10 x 10 objects
constexpr float kCellSize = 2.0f;

float Height(float x, float z) {
    return 1.5f * std::sin(x * 0.11f) * std::cos(z * 0.07f);
}

void FinishObject(Object3D& object) {
    object.vertexCount = static_cast<int32_t>(object.vertices.size());
    object.indexCount = static_cast<int32_t>(object.indices.size());
    CVector3 lo = object.vertices[0], hi = object.vertices[0];
    for (const CVector3& v : object.vertices) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    object.center = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    object.size = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
}

Model3D GeneratedTerrain() {
    Model3D model;
    const int perObject = kCells / 10;
    const float half = kCells * kCellSize / 2;
    for (int oz = 0; oz < 10; ++oz) {
        for (int ox = 0; ox < 10; ++ox) {
            Object3D object;
            for (int cz = 0; cz < perObject; ++cz) {
                for (int cx = 0; cx < perObject; ++cx) {
                    const float x0 = (ox * perObject + cx) * kCellSize - half;
                    const float z0 = (oz * perObject + cz) * kCellSize - half;
                    const float x1 = x0 + kCellSize, z1 = z0 + kCellSize;
                    const int32_t base = static_cast<int32_t>(object.vertices.size());
                    object.vertices.insert(object.vertices.end(), {{x0, Height(x0, z0), z0},
                                                                   {x0, Height(x0, z1), z1},
                                                                   {x1, Height(x1, z1), z1},
                                                                   {x1, Height(x1, z0), z0}});
                    object.indices.insert(object.indices.end(),
                                          {base, base + 1, base + 2, base, base + 2, base + 3});
                }
            }
            FinishObject(object);
            model.objects.push_back(std::move(object));
        }
    }
    model.objectCount = static_cast<int32_t>(model.objects.size());
    return model;
}

// The built data sits in the build folder, one up from the bench's own.
std::string DataDir() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string("data") : (exe.parent_path().parent_path() / "data").string();
}

// The first level collision model found in the data, or the generated terrain.
Model3D& Ground(std::string& source) {
    static Model3D model;
    static std::string found;
    static bool ready = false;
    if (!ready) {
        ready = true;
        for (const char* name :
             {"Levels/VoruduCB.m3d", "Levels/World MapCB.m3d", "Levels/Vorudu Dungeon.m3d"}) {
            const std::string path = DataDir() + "/" + name;
            if (!fs::exists(path) || !LoadModel3D(path.c_str(), model) || model.objects.empty()) continue;
            PrepareModelBounds(model);
            found = path;
            break;
        }
        if (found.empty()) {
            model = GeneratedTerrain();
            found = "generated terrain";
        }
    }
    source = found;
    return model;
}

size_t TriangleCount(const Model3D& model) {
    size_t n = 0;
    for (const Object3D& object : model.objects) n += object.indices.size() / 3;
    return n;
}

// The hero in the middle of the biggest object, the camera 5 units behind him.
void PlaceHero(const Model3D& model) {
    const Object3D* biggest = &model.objects[0];
    for (const Object3D& object : model.objects)
        if (object.size > biggest->size) biggest = &object;
    const CVector3 c = biggest->center;
    HeroPosition = {c.x, c.y + 0.2f, c.z};
    HeroRotation = {0, 0, 0};
    Camera = {{c.x, c.y + 4.7f, c.z + 5.0f}, {c.x, c.y + 2.7f, c.z}, {0, 1, 0}};
    LookThroughCamera();
}

void UseLevel(Model3D& ground) {
    LevelTable.clear();
    LevelTable.resize(2);
    LevelTable[1].CollisionMesh = ground;
    CurrentLevel = LevelVoruduDungeon;
    PlayerHasControl = 1;
    GameMode = ModeField;
}

void BM_WalkStep(benchmark::State& state) {
    std::string source;
    Model3D& ground = Ground(source);
    UseLevel(ground);
    PlaceHero(ground);
    state.SetLabel(source + ", " + std::to_string(TriangleCount(ground)) + " triangles");
    // Forward and back in turn, so the hero keeps to the same ground.
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            WalkForward();
        else
            WalkBackward();
        forward = !forward;
        benchmark::DoNotOptimize(HeroPosition);
    }
}
BENCHMARK(BM_WalkStep);

// Everything a field frame does besides drawing, for a level with six chests and four villagers.
void BM_FieldFrameLogicWithoutWindow(benchmark::State& state) {
    std::string source;
    Model3D& ground = Ground(source);
    UseLevel(ground);
    PlaceHero(ground);
    BoxModel = PropBoxModel();
    LevelRecord& level = LevelTable[1];
    for (int i = 0; i < 4; ++i) {
        VillagerRecord villager{};
        villager.Position = {HeroPosition.x + 20.0f + i, 0, HeroPosition.z};
        level.Villagers.push_back(villager);
    }
    level.Chests.resize(6);
    level.VillagerCount = 4;
    level.ChestCount = 6;
    for (auto _ : state) {
        FieldFrame();
        benchmark::DoNotOptimize(HeroPosition);
    }
    BoxModel = Model3D{};
}
BENCHMARK(BM_FieldFrameLogicWithoutWindow);

} // namespace

BENCHMARK_MAIN();
