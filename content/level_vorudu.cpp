// Vorudu: a long village along one road, from the dungeon's mouth in the west
// to the gate onto the world map in the east, with lanes up to the houses of
// its people and a hill path to a chest above the village.
#include "content/levels_common.h"
#include "content/skies.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelVorudu;

// Houses line the road and the lanes where there is room for them; trees and
// fences fill the rest. Roofs come in three colours so the village reads from above.
void Decorate(LevelKit& kit, const PropPalette* palettes, const WalkArea& area, const HeightFn& floor,
              const HeightFn& ground, const std::vector<CVector2>& road,
              const std::vector<std::vector<CVector2>>& lanes, int32_t rockMaterial) {
    Random random(1001);
    struct Plot {
        float x, z, r;
    };
    std::vector<Plot> plots;
    // Houses on both sides of a street, fronts towards it, just clear of the walkable ground.
    auto line = [&](const std::vector<CVector2>& street, float halfWidth, float spacing) {
        for (size_t i = 0; i + 1 < street.size(); ++i) {
            const CVector2 a = street[i], b = street[i + 1];
            const float run = std::hypot(b.u - a.u, b.v - a.v);
            const CVector2 along = {(b.u - a.u) / run, (b.v - a.v) / run};
            const CVector2 across = {-along.v, along.u};
            const float yaw = -std::atan2(along.v, along.u) * 180.0f / kPi;
            for (float t = 5.0f; t < run - 5.0f; t += random.Range(spacing, spacing * 1.4f)) {
                for (float side : {-1.0f, 1.0f}) {
                    const float w = random.Range(6.0f, 8.0f), d = random.Range(5.0f, 6.5f);
                    const float r = std::hypot(w, d) * 0.5f;
                    const float off = halfWidth + r + 1.3f;
                    const float x = a.u + along.u * t + across.u * off * side;
                    const float z = a.v + along.v * t + across.v * off * side;
                    if (area.Distance(x, z) < r + 1.0f) continue;
                    bool clear = true;
                    for (const Plot& p : plots)
                        if (std::hypot(x - p.x, z - p.z) < r + p.r + 1.5f) clear = false;
                    if (!clear) continue;
                    // Across the road the house turns to face it, so it looks back along -side.
                    AddHouse(kit, palettes[random.Below(3)], x, floor(x, z), z, w, d,
                             yaw + (side > 0 ? 180.0f : 0.0f), random.Uniform() < 0.3f);
                    plots.push_back({x, z, r});
                }
            }
        }
    };
    line(road, 7.0f, 11.0f);
    for (const std::vector<CVector2>& lane : lanes) line(lane, 4.0f, 10.0f);
    const PropPalette& props = palettes[0];
    // Fences along stretches of the road's south side.
    for (size_t i = 0; i + 1 < road.size(); i += 2) {
        const CVector2 a = road[i], b = road[i + 1];
        const float run = std::hypot(b.u - a.u, b.v - a.v);
        const CVector2 across = {-(b.v - a.v) / run, (b.u - a.u) / run};
        CVector2 p = {a.u - across.u * 7.6f, a.v - across.v * 7.6f};
        CVector2 q = {b.u - across.u * 7.6f, b.v - across.v * 7.6f};
        if (area.Distance(p.u, p.v) > -0.3f && area.Distance(q.u, q.v) > -0.3f &&
            area.Distance((p.u + q.u) * 0.5f, (p.v + q.v) * 0.5f) > -0.3f)
            AddFence(kit, props, p, q, floor);
    }
    // Trees and rocks around the village, never on walkable ground.
    float x0, z0, x1, z1;
    area.Bounds(x0, z0, x1, z1);
    for (int k = 0; k < 900; ++k) {
        const float x = random.Range(x0 - 30.0f, x1 + 30.0f), z = random.Range(z0 - 30.0f, z1 + 30.0f);
        const float d = area.Distance(x, z);
        if (d < 3.0f || d > 45.0f) continue;
        // Far out only the first rows show; the rest would cost frames for nothing.
        if (d > 15.0f && random.Uniform() < 0.5f) continue;
        bool clear = true;
        for (const Plot& p : plots)
            if (std::hypot(x - p.x, z - p.z) < p.r + 1.5f) clear = false;
        if (!clear) continue;
        const float y = ground(x, z);
        if (random.Uniform() < 0.12f)
            AddRock(kit, rockMaterial, x, y, z, random.Range(0.6f, 1.4f), random);
        else
            AddTree(kit, props, x, y, z, random.Range(0.9f, 1.4f), random, random.Uniform() < 0.3f,
                    d > 12.0f);
    }
}

} // namespace

void BuildVorudu(DataWriter& w) {
    const std::vector<LevelRecord>& levels = GameLevels();
    const LevelRecord& level = levels[kLevel];
    const CVector3 umos = level.Villagers[0].Position, tempor = level.Villagers[1].Position;
    const CVector3 honus = level.Villagers[2].Position, secret = level.Villagers[3].Position;
    const CVector3 chestLow = level.Chests[0].Position, chestHill = level.Chests[1].Position;
    const CVector3 west = level.Exits[0].Trigger, east = level.Exits[1].Trigger;

    // The road runs from the dungeon's mouth to the eastern gate.
    const std::vector<CVector2> road = {{west.x, west.z}, {-70.0f, 8.0f},  {-10.0f, 8.0f},  {50.0f, 4.0f},
                                        {112.0f, 8.0f},   {175.0f, 18.0f}, {east.x, east.z}};
    WalkArea area;
    area.Path(road, 7.0f);
    AddAnchorDiscs(area, kLevel, 5.0f);
    area.Disc(umos.x, umos.z + -4.0f, 9.0f); // the square before Umos's house
    area.Path({{-10.0f, 8.0f}, {chestLow.x, chestLow.z}}, 4.0f);
    area.Path({{50.0f, 4.0f}, {tempor.x, tempor.z}}, 4.5f);
    area.Path({{98.0f, 6.0f}, {honus.x, honus.z}}, 4.0f);
    area.Path({{112.0f, 8.0f}, {secret.x, secret.z}}, 4.0f);
    area.Path({{honus.x, honus.z}, {118.0f, -62.0f}, {chestHill.x, chestHill.z}}, 3.5f);
    // The dungeon's mouth and the gate stand at the ends: room around their squares.
    area.Disc(west.x, west.z, 7.0f);
    area.Disc(east.x, east.z, 7.0f);

    std::vector<HeightPad> pads = AnchorPads(kLevel, 1.5f);
    pads.push_back({118.0f, -62.0f, 1.2f, 2.0f}); // the hill path climbs gently
    const HeightFn floor = [pads](float x, float z) { return PadHeight(pads, x, z); };

    LevelKit kit;
    kit.reach = &area;
    const TownMaterials town = AddTownMaterials(kit);
    const auto [grass, path, stone, wood, foliage, roof, plaster] = town;
    const int32_t thatch = kit.Material("Roof.tga", 255, 214, 120);
    const int32_t slate = kit.Material("Stone.tga", 105, 115, 150);
    const PropPalette props = town.Props();
    const PropPalette palettes[3] = {
        props, {wood, foliage, stone, thatch, plaster}, {wood, foliage, stone, slate, plaster}};

    const HeightFn ground = FramedGround(area, floor, 9.0f, 7);
    kit.Draw(grass, GroundOver(area, 40.0f, 4.0f, ground, 0.08f));
    // The trodden road and lanes, drawn a hair above the grass.
    WalkArea lanes;
    lanes.Path(road, 4.0f);
    lanes.Path({{-10.0f, 8.0f}, {chestLow.x, chestLow.z}}, 1.6f);
    lanes.Path({{50.0f, 4.0f}, {tempor.x, tempor.z}}, 1.8f);
    lanes.Path({{98.0f, 6.0f}, {honus.x, honus.z}}, 1.6f);
    lanes.Path({{112.0f, 8.0f}, {secret.x, secret.z}}, 1.6f);
    lanes.Path({{honus.x, honus.z}, {118.0f, -62.0f}, {chestHill.x, chestHill.z}}, 1.4f);
    kit.Draw(path, WalkFloor(
                       lanes, 2.0f, [&](float x, float z) { return floor(x, z) + 0.04f; }, 0.15f));

    // The dungeon's mouth: a stone arch over a dark doorway in a rock face.
    {
        const float y = floor(west.x, west.z);
        kit.Draw(stone, WallBetween({west.x - 5.0f, west.z - 5.0f}, {west.x - 5.0f, west.z + 5.0f}, y - 1.0f,
                                    y + 6.0f, 1.5f, 0.4f));
        kit.Draw(stone, WallBetween({west.x - 4.0f, west.z - 5.5f}, {west.x + 1.0f, west.z - 5.5f}, y - 1.0f,
                                    y + 6.0f, 1.0f, 0.4f));
        kit.Draw(stone, WallBetween({west.x - 4.0f, west.z + 5.5f}, {west.x + 1.0f, west.z + 5.5f}, y - 1.0f,
                                    y + 6.0f, 1.0f, 0.4f));
        const int32_t dark = kit.Material("", 12, 10, 10);
        kit.Draw(dark, WallBetween({west.x - 4.1f, west.z - 3.0f}, {west.x - 4.1f, west.z + 3.0f}, y,
                                   y + 4.0f, 0.2f, 1.0f));
    }
    // The eastern gate: two posts and a lintel.
    {
        const float y = floor(east.x, east.z);
        for (float side : {-6.0f, 6.0f})
            kit.Draw(wood, WallBetween({east.x - 0.6f, east.z + side}, {east.x + 0.6f, east.z + side},
                                       y - 0.5f, y + 5.0f, 1.2f, 0.5f));
        kit.Draw(wood, WallBetween({east.x, east.z - 7.0f}, {east.x, east.z + 7.0f}, y + 5.0f, y + 6.0f, 1.0f,
                                   0.5f));
    }
    // A well on the square by Umos.
    {
        const float x = umos.x - 8.0f, z = umos.z - 7.0f, y = floor(x, z);
        Geometry well =
            Transformed(MakeCylinder(1.3f, 1.3f, 1.1f, 10, true, 0.5f), Translation({x, y - 0.2f, z}));
        Geometry hull = Transformed(MakeBox({2.6f, 3.0f, 2.6f}), Translation({x, y + 0.5f, z}));
        kit.Solid(stone, well, hull);
        kit.Draw(wood, Transformed(MakeBox({3.0f, 0.2f, 0.3f}), Translation({x, y + 2.4f, z})));
        for (float side : {-1.4f, 1.4f})
            kit.Draw(wood, Transformed(MakeBox({0.2f, 2.4f, 0.2f}), Translation({x + side, y + 1.2f, z})));
    }
    const std::vector<std::vector<CVector2>> sideLanes = {
        {{-10.0f, 8.0f}, {chestLow.x, chestLow.z}},
        {{50.0f, 4.0f}, {tempor.x, tempor.z}},
        {{98.0f, 6.0f}, {honus.x, honus.z}},
        {{112.0f, 8.0f}, {secret.x, secret.z}},
    };
    Decorate(kit, palettes, area, floor, ground, road, sideLanes, stone);

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));

    WriteMesh(w, "Levels\\Vorudu.m3d", WithSky(w, kit.FinishVisual(40.0f), Sky::VillageMorning));
    WriteMesh(w, "Levels\\VoruduCB.m3d", kit.FinishCollision(20.0f));
}
