// The World Map: a miniature overworld, an island of hills in a sea, where the
// hero walks a short ridge between four marked places: a tiny village, a tiny
// wood, a tiny terraced town and the road that leads away to the end.
#include "content/levels_common.h"
#include "content/skies.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelWorldMap;
// The island's centre, and how far west of each exit its landmark stands.
constexpr float kCentreX = -42.0f, kCentreZ = 78.0f;
constexpr float kWest = -10.0f;

// The island: the ridge the hero walks, hills around it, the shore falling
// into the sea further out and high hills to the east.
HeightFn IslandGround(const WalkArea& area, float plain) {
    const float cx = kCentreX, cz = kCentreZ;
    return [area, plain, cx, cz](float x, float z) {
        const float d = area.Distance(x, z);
        if (d <= 1.0f) return plain;
        const float lumps = TileFbm(x / 13.0f, z / 13.0f, 64, 3, 5);
        const float hills = 2.5f * SmoothStep(1.0f, 7.0f, d) * (0.4f + lumps);
        const float fromCentre = std::hypot((x - cx) * 0.8f, z - cz);
        const float shore = -6.0f * SmoothStep(45.0f, 70.0f, fromCentre);
        const float peaks =
            9.0f * SmoothStep(18.0f, 40.0f, x - cx) * SmoothStep(70.0f, 40.0f, fromCentre) * lumps;
        return plain + hills + shore + peaks;
    };
}

struct Materials {
    int32_t water;
    TownMaterials town;
};

void DrawIsland(LevelKit& kit, const HeightFn& ground, float plain, const std::vector<CVector2>& stops,
                const Materials& m) {
    const float cx = kCentreX, cz = kCentreZ;
    Geometry land = MakeHeightfield(cx - 90.0f, cz - 90.0f, cx + 90.0f, cz + 90.0f, 90, 90, ground, 0.15f);
    kit.Draw(m.town.grass, land);
    Geometry sea = MakeHeightfield(
        cx - 300.0f, cz - 300.0f, cx + 300.0f, cz + 300.0f, 12, 12,
        [plain](float, float) { return plain - 1.8f; }, 0.02f);
    kit.Draw(m.water, sea);
    WalkArea track;
    track.Path(stops, 1.4f);
    kit.Draw(m.town.path, WalkFloor(
                              track, 1.0f, [plain](float, float) { return plain + 0.03f; }, 0.3f));
}

void AddTinyHouse(LevelKit& kit, const TownMaterials& t, float plain, float x, float z, float s, float yaw) {
    Geometry body = Transformed(MakeBox({1.6f * s, 1.2f * s, 1.2f * s}, 1.0f),
                                Translation({x, plain + 0.6f * s, z}) * RotationY(yaw));
    kit.Draw(t.plaster, body);
    std::vector<CVector2> gable = {{-1.0f * s, 0.0f}, {1.0f * s, 0.0f}, {0.0f, 0.8f * s}};
    Geometry top = MakeExtrusion(gable, -0.7f * s, 0.7f * s, 1.0f);
    Transform(top, RotationX(-90.0f));
    Transform(top, Translation({x, plain + 1.2f * s, z}) * RotationY(yaw));
    kit.Draw(t.roof, top);
}

// Vorudu, a few cottages round a green.
void AddVillageLandmark(LevelKit& kit, const TownMaterials& t, float plain, CVector2 s, Random& random) {
    for (int k = 0; k < 5; ++k)
        AddTinyHouse(kit, t, plain, s.u + kWest - 1.5f * static_cast<float>(k % 2),
                     s.v - 4.0f + 2.2f * static_cast<float>(k), 1.0f, random.Range(-20.0f, 20.0f));
}

// The Forgotten Forest, a clump of small dark pines.
void AddForestLandmark(LevelKit& kit, const PropPalette& tiny, float plain, CVector2 s, Random& random) {
    for (int k = 0; k < 9; ++k) {
        const float x = s.u + kWest + random.Range(-2.5f, 2.5f), z = s.v + random.Range(-4.0f, 4.0f);
        AddTree(kit, tiny, x, plain, z, 0.45f, random, true, true);
    }
}

// Mistilia, houses stacked up a stepped hill.
void AddTownLandmark(LevelKit& kit, const TownMaterials& t, float plain, CVector2 s) {
    for (int step = 0; step < 3; ++step) {
        const float y = plain + 0.8f * static_cast<float>(step);
        const float x = s.u + kWest - 1.6f * static_cast<float>(step);
        kit.Draw(t.stone,
                 Transformed(MakeBox({3.0f, 0.8f, 6.0f - step}, 0.5f), Translation({x, y + 0.4f, s.v})));
        Geometry body = Transformed(MakeBox({1.2f, 1.0f, 1.0f}, 1.0f), Translation({x, y + 1.3f, s.v}));
        kit.Draw(t.plaster, body);
    }
    kit.Draw(t.stone, Transformed(MakeCylinder(0.4f, 0.3f, 3.0f, 8, true),
                                  Translation({s.u + kWest - 3.2f, plain + 2.4f, s.v})));
}

// The road to the end, a paved way running off through a gate tower.
void AddRoadLandmark(LevelKit& kit, const TownMaterials& t, float plain, CVector2 s) {
    WalkArea road;
    road.Path({{s.u - 3.0f, s.v}, {s.u - 30.0f, s.v - 18.0f}}, 1.2f);
    kit.Draw(t.stone, WalkFloor(
                          road, 1.0f, [plain](float, float) { return plain + 0.05f; }, 0.5f));
    kit.Draw(t.stone, Transformed(MakeCylinder(1.0f, 0.8f, 4.0f, 8, true, 0.5f),
                                  Translation({s.u + kWest, plain, s.v + 2.2f})));
    kit.Draw(t.stone, Transformed(MakeCylinder(1.0f, 0.8f, 4.0f, 8, true, 0.5f),
                                  Translation({s.u + kWest, plain, s.v - 2.2f})));
    kit.Draw(t.roof,
             Transformed(MakeCone(1.2f, 1.5f, 8), Translation({s.u + kWest, plain + 4.0f, s.v + 2.2f})));
    kit.Draw(t.roof,
             Transformed(MakeCone(1.2f, 1.5f, 8), Translation({s.u + kWest, plain + 4.0f, s.v - 2.2f})));
}

// Woods scattered over the hills.
void ScatterWoods(LevelKit& kit, const WalkArea& area, const HeightFn& ground, float plain,
                  const PropPalette& tiny, Random& random) {
    const float cx = kCentreX, cz = kCentreZ;
    for (int k = 0; k < 260; ++k) {
        const float x = random.Range(cx - 60.0f, cx + 60.0f), z = random.Range(cz - 60.0f, cz + 60.0f);
        const float y = ground(x, z);
        if (area.Distance(x, z) < 6.0f || y < plain - 0.5f || y > plain + 5.0f) continue;
        AddTree(kit, tiny, x, y, z, random.Range(0.35f, 0.6f), random, random.Uniform() < 0.5f, true);
    }
}

} // namespace

void BuildWorldMap(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    std::vector<CVector2> stops;
    for (const ExitRecord& e : level.Exits) stops.push_back({e.Trigger.x, e.Trigger.z});

    WalkArea area;
    area.Path(stops, 6.5f);
    for (const CVector2& s : stops) area.Disc(s.u, s.v, 7.0f);
    AddAnchorDiscs(area, kLevel, 3.0f);
    std::vector<HeightPad> pads = AnchorPads(kLevel, 1.0f);
    const float plain = pads.empty() ? 0.0f : pads[0].height;
    const HeightFn floor = [plain](float, float) { return plain; };

    LevelKit kit;
    kit.reach = &area;
    Materials m;
    // The sea lies under everything: named first, it is drawn last.
    m.water = kit.Material("Water.tga", 255, 255, 255);
    m.town = AddTownMaterials(kit);

    const HeightFn ground = IslandGround(area, plain);
    DrawIsland(kit, ground, plain, stops, m);
    // A landmark beside each exit, west of its square, of the place it leads to.
    const PropPalette tiny = m.town.Props();
    Random random(2002);
    AddVillageLandmark(kit, m.town, plain, stops[0], random);
    AddForestLandmark(kit, tiny, plain, stops[1], random);
    AddTownLandmark(kit, m.town, plain, stops[2]);
    AddRoadLandmark(kit, m.town, plain, stops[3]);
    ScatterWoods(kit, area, ground, plain, tiny, random);

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteMesh(w, "Levels\\World Map.m3d", WithSky(w, kit.FinishVisual(30.0f), Sky::OpenMidday));
    WriteMesh(w, "Levels\\World MapCB.m3d", kit.FinishCollision(20.0f));
}
