// The Forgotten Forest: a narrow trail through dense old trees from the edge
// of the world map down to a clearing where the Behemoth waits, and a side
// trail west to a hidden chest.
#include "content/levels_common.h"
#include "content/skies.h"
#include "world/story_places.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelForgottenForest;
// Beyond this distance from the walkable ground the woods thin out and are built coarser.
constexpr float kDenseBand = 8.0f;

} // namespace

void BuildForgottenForest(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    const CVector3 exit = level.Exits[0].Trigger;
    const CVector3 farChest = level.Chests[0].Position;
    const CVector3 nearChest = level.Chests[1].Position;
    const CVector3 spot = StoryPlaces[PlaceForestSpot].position;
    const CVector3 behemoth = StoryPlaces[PlaceBehemoth].position;

    WalkArea area;
    area.Disc(exit.x, exit.z, 7.0f);
    area.Path({{exit.x, exit.z}, {-6.0f, 60.0f}, {-10.0f, 36.0f}, {-6.0f, 16.0f}}, 4.0f);
    area.Disc(-4.0f, 7.0f, 13.0f); // the clearing
    area.Path({{spot.x, spot.z}, {-34.0f, -2.0f}, {-56.0f, 6.0f}, {farChest.x, farChest.z}}, 3.2f);
    area.Disc(farChest.x, farChest.z, 4.5f);
    AddAnchorDiscs(area, kLevel, 3.0f);

    std::vector<HeightPad> pads = AnchorPads(kLevel, 1.5f);
    pads.push_back({-6.0f, 60.0f, 1.6f, 1.0f});
    pads.push_back({-10.0f, 36.0f, 0.9f, 1.0f});
    pads.push_back({-4.0f, 4.0f, nearChest.y, 4.0f});
    pads.push_back({-56.0f, 6.0f, 1.6f, 1.0f});
    const HeightFn floor = [pads](float x, float z) { return PadHeight(pads, x, z); };

    LevelKit kit;
    kit.reach = &area;
    const int32_t grass = kit.Material("Ground.tga", 200, 200, 200);
    const int32_t path = kit.Material("Path.tga", 255, 255, 255);
    const int32_t stone = kit.Material("Stone.tga", 255, 255, 255);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t foliage = kit.Material("Foliage.tga", 255, 255, 255);
    const int32_t moss = kit.Material("", 70, 110, 60);
    const PropPalette props = {wood, foliage, stone, moss, moss};

    const HeightFn ground = FramedGround(area, floor, 5.0f, 31);
    kit.Draw(grass, GroundOver(area, 30.0f, 3.0f, ground, 0.12f));
    WalkArea trail;
    trail.Path({{exit.x, exit.z}, {-6.0f, 60.0f}, {-10.0f, 36.0f}, {-6.0f, 16.0f}, {-4.0f, 7.0f}}, 1.5f);
    trail.Path({{spot.x, spot.z}, {-34.0f, -2.0f}, {-56.0f, 6.0f}, {farChest.x, farChest.z}}, 1.2f);
    kit.Draw(path, WalkFloor(
                       trail, 1.0f, [&](float x, float z) { return floor(x, z) + 0.03f; }, 0.3f));

    // A ring of stones marks the spot in the clearing where the trail forks.
    Random random(3003);
    for (int k = 0; k < 7; ++k) {
        const float a = Radians(51.4f * static_cast<float>(k));
        const float x = spot.x + std::cos(a) * 1.6f, z = spot.z + std::sin(a) * 1.6f;
        kit.Draw(stone, Transformed(MakeSphere(0.25f, 3, 6), Translation({x, floor(x, z), z})));
    }
    // Dense trees everywhere off the trails, thickest close to them.
    float x0, z0, x1, z1;
    area.Bounds(x0, z0, x1, z1);
    for (int k = 0; k < 1600; ++k) {
        const float x = random.Range(x0 - 25.0f, x1 + 25.0f), z = random.Range(z0 - 25.0f, z1 + 25.0f);
        const float d = area.Distance(x, z);
        if (d < 1.2f || d > 28.0f) continue;
        if (d > kDenseBand && random.Uniform() < 0.65f) continue;
        AddTree(kit, props, x, ground(x, z), z, random.Range(1.0f, 1.8f), random, random.Uniform() < 0.55f,
                d > kDenseBand);
    }
    // Fallen logs and mossy rocks at the clearing's edge.
    for (int k = 0; k < 10; ++k) {
        const float a = random.Range(0.0f, 6.283f);
        const float x = -4.0f + std::cos(a) * 14.5f, z = 7.0f + std::sin(a) * 14.5f;
        if (area.Distance(x, z) < 0.8f) continue;
        AddRock(kit, stone, x, ground(x, z), z, random.Range(0.7f, 1.3f), random);
    }
    (void)behemoth;

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteMesh(w, "Levels\\Forgotten Forest.m3d", WithSky(w, kit.FinishVisual(30.0f), Sky::ForestGloom));
    WriteMesh(w, "Levels\\Forgotten ForestCB.m3d", kit.FinishCollision(20.0f));
}
