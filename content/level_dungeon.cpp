// Vorudu Dungeon: a round hall with the sword in its rock, a side passage to a
// chest and a long corridor out to the stairs up into the village. The drawn
// model is also what the hero collides with, so it stays lean.
#include "content/levels_common.h"
#include "content/story.h"
#include "world/story_places.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelVoruduDungeon;
constexpr float kRoof = 6.0f;

} // namespace

void BuildVoruduDungeon(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    const CVector3 chest = level.Chests[0].Position;
    const CVector3 exit = level.Exits[0].Trigger;
    const CVector3 sword = StoryPlaces[PlaceSwordHero].position;

    WalkArea area;
    area.Disc(0.0f, 0.0f, 12.5f); // the hall
    area.Path({{-6.0f, 8.0f}, {chest.x, chest.z}}, 3.0f);
    area.Disc(chest.x, chest.z, 4.0f);
    area.Path({{-9.0f, -3.0f}, {-22.0f, -6.5f}, {exit.x + 1.0f, -7.5f}, {exit.x, exit.z}}, 3.5f);
    area.Disc(exit.x, exit.z, 6.0f);
    AddAnchorDiscs(area, kLevel, 2.5f);
    const HeightFn floor = [](float, float) { return 0.0f; };

    LevelKit kit;
    const int32_t stone = kit.Material("Stone.tga", 255, 255, 255);
    const int32_t slab = kit.Material("Stone.tga", 255, 255, 255);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t flame = kit.Material("", 255, 170, 60);

    kit.Draw(slab, WalkFloor(area, 2.0f, floor, 0.25f));
    kit.Draw(stone, AreaWalls(area, 2.0f, floor, 0.5f, kRoof, 0.25f));
    // The roof closes the hall and the passages at the walls' top.
    kit.Draw(stone, AreaCeiling(
                        area, 2.0f, [](float, float) { return kRoof; }, 0.25f));

    // Pillars around the hall, clear of the passages.
    for (int k = 0; k < 8; ++k) {
        const float a = Radians(22.5f + 45.0f * static_cast<float>(k));
        const float x = std::cos(a) * 9.5f, z = std::sin(a) * 9.5f;
        if (area.Distance(x, z) > -2.5f) continue;
        bool inPassage = false;
        for (const CVector2 door : {CVector2{-6.0f, 8.0f}, CVector2{-9.0f, -3.0f}})
            if (std::hypot(x - door.u, z - door.v) < 4.5f) inPassage = true;
        if (inPassage) continue;
        kit.Draw(stone,
                 Transformed(MakeCylinder(0.7f, 0.6f, kRoof, 8, true, 0.5f), Translation({x, 0.0f, z})));
    }
    // The rock the sword stands in, just before where the hero stands to take
    // it; once he has, it stays empty.
    {
        const SwordRock place = SwordRockPlace();
        const float x = sword.x + place.blade.x, z = sword.z + place.blade.z;
        Random random(1101);
        Geometry rock = MakeSphere(0.42f, 4, 8);
        for (MeshVertex& v : rock.vertices) {
            const float lump = 0.85f + 0.3f * random.Uniform();
            v.position = {v.position.x * lump, v.position.y * (place.top / 0.42f), v.position.z * lump};
        }
        BoxMapTexels(rock, 0.6f);
        kit.Draw(stone, Transformed(rock, Translation({x, 0.0f, z})));
    }
    // Torches on the walls along the corridor and around the hall.
    auto torch = [&](float x, float z) {
        kit.Draw(wood, Transformed(MakeBox({0.15f, 0.7f, 0.15f}), Translation({x, 2.6f, z})));
        kit.Draw(flame, Transformed(MakeSphere(0.22f, 3, 6), Translation({x, 3.1f, z})));
    };
    for (int k = 0; k < 12; ++k) {
        const float a = Radians(15.0f + 30.0f * static_cast<float>(k));
        const float x = std::cos(a) * 12.2f, z = std::sin(a) * 12.2f;
        if (area.Distance(x * 1.1f, z * 1.1f) < 0.0f) continue; // an opening
        torch(x, z);
    }
    // The stair up to the village at the corridor's end.
    for (int k = 0; k < 5; ++k) {
        const float z = exit.z - 5.5f - 0.8f * static_cast<float>(k);
        kit.Draw(slab,
                 Transformed(MakeBox({5.0f, 0.4f, 0.8f}, 0.5f), Translation({exit.x, 0.2f + 0.4f * k, z})));
    }

    WriteMesh(w, "Levels\\Vorudu Dungeon.m3d", kit.FinishVisual(20.0f));
}
