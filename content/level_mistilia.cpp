// Mistilia: a town climbing a hillside on three terraces, from the lower gate
// by the world map up past the smiths' street to the high terrace where the
// way into the Dungeon of the Damned opens.
#include "content/levels_common.h"

#include <cmath>

namespace {

constexpr int32_t kLevel = 4;

} // namespace

void BuildMistilia(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    const CVector3 hensus = level.Villagers[0].Position, kimon = level.Villagers[1].Position;
    const CVector3 wumon = level.Villagers[2].Position, timson = level.Villagers[3].Position;
    const CVector3 gate = level.Exits[0].Trigger, cave = level.Exits[1].Trigger;

    // Streets along each terrace and two ramps between them.
    const std::vector<CVector2> lower = {
        {hensus.x, hensus.z}, {-20.0f, 98.0f}, {18.0f, 104.0f}, {gate.x, gate.z}};
    const std::vector<CVector2> middle = {
        {wumon.x, wumon.z}, {-10.0f, 20.0f}, {30.0f, 28.0f}, {kimon.x, kimon.z}};
    const std::vector<CVector2> upper = {{cave.x, cave.z}, {0.0f, -90.0f}, {timson.x, timson.z}};
    const std::vector<CVector2> rampLow = {{10.0f, 98.0f}, {4.0f, 70.0f}, {-4.0f, 24.0f}};
    const std::vector<CVector2> rampHigh = {
        {-14.0f, 18.0f}, {-20.0f, -20.0f}, {-8.0f, -60.0f}, {0.0f, -88.0f}};
    WalkArea area;
    area.Path(lower, 8.0f);
    area.Path(middle, 7.0f);
    area.Path(upper, 7.0f);
    area.Path(rampLow, 4.5f);
    area.Path(rampHigh, 4.5f);
    area.Disc(gate.x, gate.z, 7.0f);
    area.Disc(cave.x, cave.z, 7.0f);
    AddAnchorDiscs(area, kLevel, 4.0f);

    std::vector<HeightPad> pads = AnchorPads(kLevel, 1.5f);
    const float low = 3.4f, mid = 8.2f, high = 15.2f;
    pads.push_back({-20.0f, 98.0f, 2.2f, 3.0f});
    pads.push_back({18.0f, 104.0f + 8.0f, low, 3.0f});
    pads.push_back({gate.x, gate.z, low, 2.0f});
    pads.push_back({-10.0f, 20.0f, 7.8f, 3.0f});
    pads.push_back({30.0f, 28.0f, mid + 0.5f, 3.0f});
    pads.push_back({-4.0f, 24.0f + 3.0f, mid - 0.2f, 0.5f});
    pads.push_back({4.0f, 70.0f, (low + mid) * 0.5f, 0.5f});
    pads.push_back({-20.0f, -20.0f, mid + 2.0f, 0.5f});
    pads.push_back({-8.0f, -60.0f, mid + 5.0f, 0.5f});
    pads.push_back({0.0f, -90.0f, high, 3.0f});
    pads.push_back({cave.x, cave.z, high - 0.2f, 2.0f});
    const HeightFn floor = [pads](float x, float z) { return PadHeight(pads, x, z); };

    LevelKit kit;
    kit.reach = &area;
    const int32_t grass = kit.Material("Ground.tga", 255, 255, 255);
    const int32_t cobble = kit.Material("Stone.tga", 255, 255, 255);
    const int32_t stone = kit.Material("Stone.tga", 210, 210, 210);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t foliage = kit.Material("Foliage.tga", 255, 255, 255);
    const int32_t roof = kit.Material("Roof.tga", 255, 255, 255);
    const int32_t plaster = kit.Material("Plaster.tga", 255, 255, 255);
    const int32_t dark = kit.Material("", 14, 12, 12);
    const PropPalette props = {wood, foliage, stone, roof, plaster};

    // The hillside rises to the north; the terraces are cut into it.
    const HeightFn ground = [area, floor](float x, float z) {
        const float d = area.Distance(x, z);
        const float base = floor(x, z);
        if (d <= 1.0f) return base;
        const float slope = 4.0f + 0.04f * (110.0f - z);
        return base + slope * SmoothStep(1.0f, 10.0f, d) * (0.6f + TileFbm(x / 29.0f, z / 29.0f, 64, 3, 41));
    };
    kit.Draw(grass, GroundOver(area, 35.0f, 3.0f, ground, 0.1f));
    WalkArea streets;
    streets.Path(lower, 5.0f);
    streets.Path(middle, 4.5f);
    streets.Path(upper, 4.5f);
    streets.Path(rampLow, 3.0f);
    streets.Path(rampHigh, 3.0f);
    kit.Draw(cobble, WalkFloor(
                         streets, 2.0f, [&](float x, float z) { return floor(x, z) + 0.04f; }, 0.25f));

    // Houses on the uphill side of every street, stone retaining walls under the terraces.
    Random random(4004);
    for (const std::vector<CVector2>* street : {&lower, &middle, &upper}) {
        for (size_t i = 0; i + 1 < street->size(); ++i) {
            const CVector2 a = (*street)[i], b = (*street)[i + 1];
            const float run = std::hypot(b.u - a.u, b.v - a.v);
            const CVector2 along = {(b.u - a.u) / run, (b.v - a.v) / run};
            const float yaw = -std::atan2(along.v, along.u) * 180.0f / kPi;
            for (float t = 4.0f; t < run - 3.0f; t += random.Range(11.0f, 15.0f)) {
                for (float side : {-1.0f, 1.0f}) {
                    const float wdt = random.Range(6.0f, 8.0f), dep = random.Range(5.0f, 6.0f);
                    const float off = 7.5f + dep * 0.5f + 1.5f;
                    const float x = a.u + along.u * t - along.v * off * side;
                    const float z = a.v + along.v * t + along.u * off * side;
                    if (area.Distance(x, z) < std::hypot(wdt, dep) * 0.5f + 1.0f) continue;
                    AddHouse(kit, props, x, ground(x, z) - 0.3f, z, wdt, dep,
                             yaw + (side > 0 ? 180.0f : 0.0f), random.Uniform() < 0.5f);
                }
            }
        }
    }
    // Low parapets along the downhill edge of the middle and upper terraces.
    for (const std::vector<CVector2>* street : {&middle, &upper}) {
        for (size_t i = 0; i + 1 < street->size(); ++i) {
            const CVector2 a = (*street)[i], b = (*street)[i + 1];
            const float run = std::hypot(b.u - a.u, b.v - a.v);
            const CVector2 n = {-(b.v - a.v) / run * 7.6f, (b.u - a.u) / run * 7.6f};
            const CVector2 p = {a.u + n.u, a.v + n.v}, q = {b.u + n.u, b.v + n.v};
            bool clear = true;
            for (float t = 0.0f; t <= 1.0f; t += 0.05f)
                if (area.Distance(p.u + (q.u - p.u) * t, p.v + (q.v - p.v) * t) < 0.3f) clear = false;
            if (!clear) continue;
            const float y = std::min(floor(p.u, p.v), floor(q.u, q.v));
            kit.Draw(stone, WallBetween(p, q, y - 6.0f, y + 0.9f, 0.8f, 0.4f));
        }
    }
    // The lower gate and the cave mouth on the high terrace.
    {
        const float y = floor(gate.x, gate.z);
        for (float side : {-6.5f, 6.5f})
            kit.Draw(stone, Transformed(MakeCylinder(1.2f, 1.0f, 7.0f, 8, true, 0.4f),
                                        Translation({gate.x + side, y - 0.5f, gate.z + 3.0f})));
        kit.Draw(stone, WallBetween({gate.x - 7.5f, gate.z + 3.0f}, {gate.x + 7.5f, gate.z + 3.0f}, y + 6.0f,
                                    y + 7.2f, 1.4f, 0.4f));
    }
    {
        const float y = floor(cave.x, cave.z);
        kit.Draw(stone, WallBetween({cave.x - 8.0f, cave.z - 6.5f}, {cave.x + 6.0f, cave.z - 6.5f}, y - 1.0f,
                                    y + 8.0f, 2.0f, 0.3f));
        kit.Draw(dark, WallBetween({cave.x - 3.5f, cave.z - 5.4f}, {cave.x + 3.5f, cave.z - 5.4f}, y,
                                   y + 5.0f, 0.2f, 1.0f));
    }
    // Trees in the gardens between the terraces.
    float x0, z0, x1, z1;
    area.Bounds(x0, z0, x1, z1);
    for (int k = 0; k < 500; ++k) {
        const float x = random.Range(x0 - 20.0f, x1 + 20.0f), z = random.Range(z0 - 20.0f, z1 + 20.0f);
        const float d = area.Distance(x, z);
        if (d < 6.0f || d > 30.0f) continue;
        AddTree(kit, props, x, ground(x, z), z, random.Range(0.8f, 1.3f), random, random.Uniform() < 0.4f);
    }

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteLevelModel(w, "Levels\\Mistilia.m3d", kit.FinishVisual(40.0f));
    WriteLevelModel(w, "Levels\\MistiliaCB.m3d", kit.FinishCollision(20.0f));
}
