// The World Map: a miniature overworld, an island of hills in a sea, where the
// hero walks a short ridge between four marked places: a tiny village, a tiny
// wood, a tiny terraced town and the road that leads away to the end.
#include "content/levels_common.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = LevelWorldMap;

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
    // The sea lies under everything: named first, it is drawn last.
    const int32_t water = kit.Material("Water.tga", 255, 255, 255);
    const TownMaterials town = AddTownMaterials(kit);
    const auto [grass, path, stone, wood, foliage, roof, plaster] = town;
    const int32_t snow = kit.Material("", 235, 240, 250);

    // The island: the ridge the hero walks, hills around it, the shore falling
    // into the sea further out and snowy peaks to the east.
    const float cx = -42.0f, cz = 78.0f;
    const HeightFn ground = [area, plain, cx, cz](float x, float z) {
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
    Geometry land = MakeHeightfield(cx - 90.0f, cz - 90.0f, cx + 90.0f, cz + 90.0f, 90, 90, ground, 0.15f);
    kit.Draw(grass, land);
    Geometry sea = MakeHeightfield(
        cx - 300.0f, cz - 300.0f, cx + 300.0f, cz + 300.0f, 12, 12,
        [plain](float, float) { return plain - 1.8f; }, 0.02f);
    kit.Draw(water, sea);
    // Snow on the peak tops.
    for (int k = 0; k < 5; ++k) {
        const float x = cx + 30.0f + 6.0f * static_cast<float>(k % 3),
                    z = cz - 25.0f + 12.0f * static_cast<float>(k);
        const float y = ground(x, z);
        if (y < plain + 6.0f) continue;
        kit.Draw(snow, Transformed(MakeCone(3.0f, 2.5f, 8), Translation({x, y - 0.8f, z})));
    }
    WalkArea track;
    track.Path(stops, 1.4f);
    kit.Draw(path, WalkFloor(
                       track, 1.0f, [plain](float, float) { return plain + 0.03f; }, 0.3f));

    // A landmark beside each exit, west of its square, of the place it leads to.
    const PropPalette tiny = {wood, foliage, stone, roof, plaster};
    Random random(2002);
    auto house = [&](float x, float z, float s, float yaw) {
        Geometry body = Transformed(MakeBox({1.6f * s, 1.2f * s, 1.2f * s}, 1.0f),
                                    Translation({x, plain + 0.6f * s, z}) * RotationY(yaw));
        kit.Draw(plaster, body);
        std::vector<CVector2> gable = {{-1.0f * s, 0.0f}, {1.0f * s, 0.0f}, {0.0f, 0.8f * s}};
        Geometry top = MakeExtrusion(gable, -0.7f * s, 0.7f * s, 1.0f);
        Transform(top, RotationX(-90.0f));
        Transform(top, Translation({x, plain + 1.2f * s, z}) * RotationY(yaw));
        kit.Draw(roof, top);
    };
    const float west = -10.0f;
    // 0: Vorudu, a few cottages round a green.
    {
        const CVector2 s = stops[0];
        for (int k = 0; k < 5; ++k)
            house(s.u + west - 1.5f * static_cast<float>(k % 2), s.v - 4.0f + 2.2f * static_cast<float>(k),
                  1.0f, random.Range(-20.0f, 20.0f));
    }
    // 1: the Forgotten Forest, a clump of small dark pines.
    {
        const CVector2 s = stops[1];
        for (int k = 0; k < 9; ++k) {
            const float x = s.u + west + random.Range(-2.5f, 2.5f), z = s.v + random.Range(-4.0f, 4.0f);
            AddTree(kit, tiny, x, plain, z, 0.45f, random, true, true);
        }
    }
    // 2: Mistilia, houses stacked up a stepped hill.
    {
        const CVector2 s = stops[2];
        for (int step = 0; step < 3; ++step) {
            const float y = plain + 0.8f * static_cast<float>(step);
            const float x = s.u + west - 1.6f * static_cast<float>(step);
            kit.Draw(stone,
                     Transformed(MakeBox({3.0f, 0.8f, 6.0f - step}, 0.5f), Translation({x, y + 0.4f, s.v})));
            Geometry body = Transformed(MakeBox({1.2f, 1.0f, 1.0f}, 1.0f), Translation({x, y + 1.3f, s.v}));
            kit.Draw(plaster, body);
        }
        kit.Draw(stone, Transformed(MakeCylinder(0.4f, 0.3f, 3.0f, 8, true),
                                    Translation({s.u + west - 3.2f, plain + 2.4f, s.v})));
    }
    // 3: the road to the end, a paved way running off through a gate tower.
    {
        const CVector2 s = stops[3];
        WalkArea road;
        road.Path({{s.u - 3.0f, s.v}, {s.u - 30.0f, s.v - 18.0f}}, 1.2f);
        kit.Draw(stone, WalkFloor(
                            road, 1.0f, [plain](float, float) { return plain + 0.05f; }, 0.5f));
        kit.Draw(stone, Transformed(MakeCylinder(1.0f, 0.8f, 4.0f, 8, true, 0.5f),
                                    Translation({s.u + west, plain, s.v + 2.2f})));
        kit.Draw(stone, Transformed(MakeCylinder(1.0f, 0.8f, 4.0f, 8, true, 0.5f),
                                    Translation({s.u + west, plain, s.v - 2.2f})));
        kit.Draw(roof,
                 Transformed(MakeCone(1.2f, 1.5f, 8), Translation({s.u + west, plain + 4.0f, s.v + 2.2f})));
        kit.Draw(roof,
                 Transformed(MakeCone(1.2f, 1.5f, 8), Translation({s.u + west, plain + 4.0f, s.v - 2.2f})));
    }
    // Woods scattered over the hills.
    for (int k = 0; k < 260; ++k) {
        const float x = random.Range(cx - 60.0f, cx + 60.0f), z = random.Range(cz - 60.0f, cz + 60.0f);
        const float y = ground(x, z);
        if (area.Distance(x, z) < 6.0f || y < plain - 0.5f || y > plain + 5.0f) continue;
        AddTree(kit, tiny, x, y, z, random.Range(0.35f, 0.6f), random, random.Uniform() < 0.5f, true);
    }

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteLevelModel(w, "Levels\\World Map.m3d", kit.FinishVisual(30.0f));
    WriteLevelModel(w, "Levels\\World MapCB.m3d", kit.FinishCollision(20.0f));
}
