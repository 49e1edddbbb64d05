// Mistilia: a town climbing a hillside in stepped terraces, from the lower gate
// by the world map up past the smiths' street to the high terrace where the
// way into the Dungeon of the Damned opens. Stone retaining walls hold each
// terrace; two ramps climb through them.
#include "content/levels_common.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kLevel = LevelMistilia;

// The hillside's terraces, south (low) to north (high): each holds from its
// boundary up to the next one's. Boundaries lie on the ground grid (cell 3) so
// each retaining wall covers the one cell where the ground steps up.
struct Terrace {
    float north; // the terrace runs from here south to the previous boundary
    float level;
};
constexpr Terrace kTerraces[] = {
    {81.0f, 2.4f},   {63.0f, 4.4f},   {45.0f, 6.2f},  {-6.0f, 8.2f},
    {-33.0f, 10.6f}, {-57.0f, 12.8f}, {-1e9f, 15.2f},
};
constexpr int kTerraceCount = static_cast<int>(sizeof kTerraces / sizeof kTerraces[0]);
constexpr float kGroundCell = 3.0f;

int TerraceAt(float z) {
    for (int i = 0; i < kTerraceCount; ++i)
        if (z >= kTerraces[i].north) return i;
    return kTerraceCount - 1;
}

// The southern edge of a terrace: the previous boundary, or far off for the lowest.
float TerraceSouth(int i) {
    return i == 0 ? 1e9f : kTerraces[i - 1].north;
}

} // namespace

void BuildMistilia(DataWriter& w) {
    const LevelRecord& level = GameLevels()[kLevel];
    const CVector3 hensus = level.Villagers[0].Position, kimon = level.Villagers[1].Position;
    const CVector3 wumon = level.Villagers[2].Position, timson = level.Villagers[3].Position;
    const CVector3 gate = level.Exits[0].Trigger, cave = level.Exits[1].Trigger;

    // Streets along the three walked terraces and two ramps between them.
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
    const int32_t stone = kit.Material("Stone.tga", 200, 190, 170);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t foliage = kit.Material("Foliage.tga", 255, 255, 255);
    const int32_t roof = kit.Material("Roof.tga", 255, 255, 255);
    const int32_t slate = kit.Material("Stone.tga", 105, 115, 150);
    const int32_t plaster = kit.Material("Plaster.tga", 255, 255, 255);
    const int32_t dark = kit.Material("", 14, 12, 12);
    const PropPalette props = {wood, foliage, stone, roof, plaster};
    const PropPalette slated = {wood, foliage, stone, slate, plaster};

    // Off the streets the ground is the flat top of its terrace; beside them it
    // eases into the street's own height.
    const HeightFn ground = [area, floor](float x, float z) {
        const float d = area.Distance(x, z);
        const float base = floor(x, z);
        if (d <= 1.0f) return base;
        const float top = kTerraces[TerraceAt(z)].level;
        return base + (top - base) * SmoothStep(1.0f, 4.0f, d);
    };
    float gx0, gz0, gx1, gz1;
    area.Bounds(gx0, gz0, gx1, gz1);
    const float margin = 35.0f;
    gx0 = std::floor((gx0 - margin) / kGroundCell) * kGroundCell;
    gx1 = std::ceil((gx1 + margin) / kGroundCell) * kGroundCell;
    gz0 = std::floor((gz0 - margin) / kGroundCell) * kGroundCell;
    gz1 = std::ceil((gz1 + margin) / kGroundCell) * kGroundCell;
    kit.Draw(grass, GroundOver(area, margin, kGroundCell, ground, 0.1f));
    WalkArea streets;
    streets.Path(lower, 5.0f);
    streets.Path(middle, 4.5f);
    streets.Path(upper, 4.5f);
    streets.Path(rampLow, 3.0f);
    streets.Path(rampHigh, 3.0f);
    kit.Draw(cobble, WalkFloor(
                         streets, 2.0f, [&](float x, float z) { return floor(x, z) + 0.04f; }, 0.25f));

    // The retaining walls: one along each boundary, its face on the lower
    // terrace's side, a parapet above the upper one, open where a street passes.
    for (int i = 1; i < kTerraceCount; ++i) {
        const float zb = kTerraces[i - 1].north;
        const float z = zb + kGroundCell * 0.5f;
        const float y0 = kTerraces[i - 1].level - 1.0f, y1 = kTerraces[i].level + 0.9f;
        for (float x = gx0; x < gx1; x += kGroundCell) {
            const float cx = x + kGroundCell * 0.5f;
            if (area.Distance(cx, z) < 3.0f) continue;
            kit.Draw(stone, WallBetween({x, z}, {x + kGroundCell, z}, y0, y1, kGroundCell, 0.3f));
        }
    }
    // Along the ramps a low wall keeps the edge where the terrace beside drops away.
    for (const std::vector<CVector2>* ramp : {&rampLow, &rampHigh}) {
        for (size_t i = 0; i + 1 < ramp->size(); ++i) {
            const CVector2 a = (*ramp)[i], b = (*ramp)[i + 1];
            const float run = std::hypot(b.u - a.u, b.v - a.v);
            const CVector2 n = {-(b.v - a.v) / run, (b.u - a.u) / run};
            for (float side : {-1.0f, 1.0f}) {
                for (float t = 0.0f; t + 2.0f <= run; t += 2.0f) {
                    const CVector2 p = {a.u + (b.u - a.u) * t / run + n.u * 4.9f * side,
                                        a.v + (b.v - a.v) * t / run + n.v * 4.9f * side};
                    const CVector2 q = {p.u + (b.u - a.u) * 2.0f / run, p.v + (b.v - a.v) * 2.0f / run};
                    const float mx = (p.u + q.u) * 0.5f, mz = (p.v + q.v) * 0.5f;
                    if (area.Distance(mx, mz) < 0.2f) continue; // a street joins here
                    const float y = floor(mx, mz);
                    if (ground(mx + n.u * side * 2.0f, mz + n.v * side * 2.0f) > y - 0.5f) continue;
                    kit.Draw(stone, WallBetween(p, q, y - 4.0f, y + 0.8f, 0.6f, 0.4f));
                }
            }
        }
    }

    // Rows of houses on every terrace, backs to the wall of the one above,
    // fronts looking down the hill; gardens and trees in the gaps.
    Random random(4004);
    struct Plot {
        float x, z, r;
    };
    std::vector<Plot> plots;
    for (int i = 0; i < kTerraceCount; ++i) {
        const float north = std::max(kTerraces[i].north, gz0 + 4.0f);
        const float south = std::min(TerraceSouth(i), gz1 - 4.0f);
        for (float row = north + 5.0f; row + 4.0f < south; row += 15.0f) {
            for (float x = gx0 + 6.0f; x < gx1 - 6.0f; x += random.Range(9.5f, 12.0f)) {
                const float wdt = random.Range(6.0f, 8.0f), dep = random.Range(5.0f, 6.0f);
                const float z = row + random.Range(-0.5f, 0.5f);
                const float r = std::hypot(wdt, dep) * 0.5f;
                const float d = area.Distance(x, z);
                if (d < r + 2.0f || d > 55.0f || random.Uniform() < 0.2f) continue;
                const float y = kTerraces[i].level;
                AddHouse(kit, random.Uniform() < 0.35f ? slated : props, x, y - 0.3f, z, wdt, dep,
                         random.Range(-4.0f, 4.0f), random.Uniform() < 0.4f);
                plots.push_back({x, z, r});
            }
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
    // Trees in the gardens, clear of the houses and the walls.
    for (int k = 0; k < 400; ++k) {
        const float x = random.Range(gx0 + 3.0f, gx1 - 3.0f), z = random.Range(gz0 + 3.0f, gz1 - 3.0f);
        const float d = area.Distance(x, z);
        if (d < 5.0f || d > 45.0f) continue;
        bool clear = true;
        for (const Plot& p : plots)
            if (std::hypot(x - p.x, z - p.z) < p.r + 2.0f) clear = false;
        for (int i = 0; i + 1 < kTerraceCount && clear; ++i)
            if (std::fabs(z - kTerraces[i].north - kGroundCell * 0.5f) < 3.5f) clear = false;
        if (!clear) continue;
        AddTree(kit, props, x, ground(x, z), z, random.Range(0.8f, 1.2f), random, random.Uniform() < 0.4f,
                d > 12.0f);
    }

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteLevelModel(w, "Levels\\Mistilia.m3d", kit.FinishVisual(40.0f));
    WriteLevelModel(w, "Levels\\MistiliaCB.m3d", kit.FinishCollision(20.0f));
}
