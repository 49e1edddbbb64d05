// The battle arenas. The hero stands at (4, 0, 10) facing +z and the monsters
// at z 20, x 0, 4 and 8: both arenas centre a clear floor on that stand and
// frame it all round, since the intro flights look at it from every side.
// Each is closed, a sky over the open one and a roof over the hall, so no
// camera of a battle ever looks out of it.
#include "content/levels_common.h"
#include "content/skies.h"

#include <cmath>

namespace {

constexpr float kStandX = 4.0f, kStandZ = 15.0f;
// The hero's soles sit 0.2 below his origin.
constexpr float kFloor = -0.2f;
// The hall: the battle cameras keep within 18 of the stand and below 15.
constexpr float kRoomRadius = 26.0f, kArenaRoof = 17.0f;

void BuildOpenArena(DataWriter& w) {
    LevelKit kit;
    const int32_t grass = kit.Material("Ground.tga", 255, 255, 255);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t foliage = kit.Material("Foliage.tga", 255, 255, 255);
    const int32_t stone = kit.Material("Stone.tga", 255, 255, 255);
    const int32_t path = kit.Material("Path.tga", 255, 255, 255);
    const PropPalette props = {wood, foliage, stone, stone, stone};
    const HeightFn ground = [](float x, float z) {
        const float d = std::hypot(x - kStandX, z - kStandZ);
        return kFloor +
               6.0f * SmoothStep(22.0f, 60.0f, d) * (0.5f + TileFbm(x / 23.0f, z / 23.0f, 64, 3, 77));
    };
    kit.Draw(grass,
             MakeHeightfield(kStandX - 80, kStandZ - 80, kStandX + 80, kStandZ + 80, 64, 64, ground, 0.12f));
    WalkArea trail;
    trail.Path({{kStandX - 70.0f, kStandZ - 6.0f}, {kStandX, kStandZ}, {kStandX + 70.0f, kStandZ + 10.0f}},
               2.0f);
    kit.Draw(path, WalkFloor(
                       trail, 2.0f, [&](float x, float z) { return ground(x, z) + 0.03f; }, 0.2f));
    Random random(7007);
    for (int k = 0; k < 160; ++k) {
        const float a = random.Range(0.0f, 6.283f), r = random.Range(24.0f, 70.0f);
        const float x = kStandX + std::cos(a) * r, z = kStandZ + std::sin(a) * r;
        if (trail.Distance(x, z) < 2.0f) continue;
        if (random.Uniform() < 0.15f)
            AddRock(kit, stone, x, ground(x, z), z, random.Range(0.8f, 1.8f), random);
        else
            AddTree(kit, props, x, ground(x, z), z, random.Range(1.0f, 1.6f), random,
                    random.Uniform() < 0.4f);
    }
    WriteMesh(w, "Levels\\World MapBG.m3d", WithSky(w, kit.FinishVisual(40.0f), Sky::OpenMidday));
}

void BuildDungeonArena(DataWriter& w) {
    LevelKit kit;
    const int32_t slab = kit.Material("Stone.tga", 200, 190, 180);
    const int32_t wall = kit.Material("Stone.tga", 130, 120, 115);
    const int32_t flame = kit.Material("", 255, 160, 50);
    WalkArea room;
    room.Disc(kStandX, kStandZ, kRoomRadius);
    const HeightFn floor = [](float, float) { return kFloor; };
    kit.Draw(slab, WalkFloor(room, 2.0f, floor, 0.25f));
    kit.Draw(wall, AreaWalls(room, 2.0f, floor, 0.5f, kArenaRoof + 0.5f, 0.2f));
    // The roof: one slab over the whole hall, resting on the walls.
    kit.Draw(wall, Transformed(MakeCylinder(kRoomRadius + 3.0f, kRoomRadius + 3.0f, 0.5f, 24, true, 0.1f),
                               Translation({kStandX, kFloor + kArenaRoof, kStandZ})));
    // The battle cameras keep within 18 of the stand, looking in: the pillars
    // and their torches stand beyond that, behind every camera.
    for (int k = 0; k < 10; ++k) {
        const float a = Radians(36.0f * static_cast<float>(k) + 18.0f);
        const float x = kStandX + std::cos(a) * 22.0f, z = kStandZ + std::sin(a) * 22.0f;
        kit.Draw(wall, Transformed(MakeCylinder(1.1f, 0.9f, kArenaRoof, 10, true, 0.4f),
                                   Translation({x, kFloor, z})));
        // The pillar straight behind the hero's stand keeps no torch: the
        // victory view looks past him at it, and it would burn over his head.
        if (k == 7) continue;
        kit.Draw(flame, Transformed(MakeSphere(0.35f, 3, 6), Translation({x * 0.93f + kStandX * 0.07f, 4.0f,
                                                                          z * 0.93f + kStandZ * 0.07f})));
    }
    WriteMesh(w, "Levels\\Vorudu DungeonBG.m3d", kit.FinishVisual(40.0f));
}

} // namespace

void BuildArenas(DataWriter& w) {
    BuildOpenArena(w);
    BuildDungeonArena(w);
}
