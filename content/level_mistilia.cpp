// Mistilia: a town climbing a hillside in stepped terraces, from the lower gate
// by the world map up past the smiths' street to the high terrace where the
// way into the Dungeon of the Damned opens. Stone retaining walls hold each
// terrace; two ramps climb through them.
#include "content/levels_common.h"
#include "content/skies.h"

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

// The walked streets: the three terraces and the two ramps between them, and
// the area they make with room around the gate, the cave and every anchor.
struct Streets {
    CVector3 gate, cave;
    std::vector<CVector2> lower, middle, upper, rampLow, rampHigh;
    WalkArea area;
};

Streets LayStreets(const LevelRecord& level) {
    const CVector3 hensus = level.Villagers[0].Position, kimon = level.Villagers[1].Position;
    const CVector3 wumon = level.Villagers[2].Position, timson = level.Villagers[3].Position;
    Streets s;
    s.gate = level.Exits[0].Trigger;
    s.cave = level.Exits[1].Trigger;
    s.lower = {{hensus.x, hensus.z}, {-20.0f, 98.0f}, {18.0f, 104.0f}, {s.gate.x, s.gate.z}};
    s.middle = {{wumon.x, wumon.z}, {-10.0f, 20.0f}, {30.0f, 28.0f}, {kimon.x, kimon.z}};
    s.upper = {{s.cave.x, s.cave.z}, {0.0f, -90.0f}, {timson.x, timson.z}};
    s.rampLow = {{10.0f, 98.0f}, {4.0f, 70.0f}, {-4.0f, 24.0f}};
    s.rampHigh = {{-14.0f, 18.0f}, {-20.0f, -20.0f}, {-8.0f, -60.0f}, {0.0f, -88.0f}};
    s.area.Path(s.lower, 8.0f);
    s.area.Path(s.middle, 7.0f);
    s.area.Path(s.upper, 7.0f);
    s.area.Path(s.rampLow, 4.5f);
    s.area.Path(s.rampHigh, 4.5f);
    s.area.Disc(s.gate.x, s.gate.z, 7.0f);
    s.area.Disc(s.cave.x, s.cave.z, 7.0f);
    AddAnchorDiscs(s.area, kLevel, 4.0f);
    return s;
}

// The streets' height: flat under the anchors, climbing along the ramps.
HeightFn StreetFloor(const Streets& s) {
    std::vector<HeightPad> pads = AnchorPads(kLevel, 1.5f);
    const float low = 3.4f, mid = 8.2f, high = 15.2f;
    pads.push_back({-20.0f, 98.0f, 2.2f, 3.0f});
    pads.push_back({18.0f, 104.0f + 8.0f, low, 3.0f});
    pads.push_back({s.gate.x, s.gate.z, low, 2.0f});
    pads.push_back({-10.0f, 20.0f, 7.8f, 3.0f});
    pads.push_back({30.0f, 28.0f, mid + 0.5f, 3.0f});
    pads.push_back({-4.0f, 24.0f + 3.0f, mid - 0.2f, 0.5f});
    pads.push_back({4.0f, 70.0f, (low + mid) * 0.5f, 0.5f});
    pads.push_back({-20.0f, -20.0f, mid + 2.0f, 0.5f});
    pads.push_back({-8.0f, -60.0f, mid + 5.0f, 0.5f});
    pads.push_back({0.0f, -90.0f, high, 3.0f});
    pads.push_back({s.cave.x, s.cave.z, high - 0.2f, 2.0f});
    return [pads](float x, float z) { return PadHeight(pads, x, z); };
}

struct Materials {
    int32_t grass, cobble, stone, dark;
    PropPalette props, slated;
};

Materials AddMaterials(LevelKit& kit) {
    Materials m;
    m.grass = kit.Material("Ground.tga", 255, 255, 255);
    m.cobble = kit.Material("Stone.tga", 255, 255, 255);
    m.stone = kit.Material("Stone.tga", 200, 190, 170);
    const int32_t wood = kit.Material("Wood.tga", 255, 255, 255);
    const int32_t foliage = kit.Material("Foliage.tga", 255, 255, 255);
    const int32_t roof = kit.Material("Roof.tga", 255, 255, 255);
    const int32_t slate = kit.Material("Stone.tga", 105, 115, 150);
    const int32_t plaster = kit.Material("Plaster.tga", 255, 255, 255);
    m.dark = kit.Material("", 14, 12, 12);
    m.props = {wood, foliage, m.stone, roof, plaster};
    m.slated = {wood, foliage, m.stone, slate, plaster};
    return m;
}

// The drawn ground's extent: the area and a margin, on the ground grid.
struct GroundBounds {
    float x0, z0, x1, z1;
};
constexpr float kGroundMargin = 35.0f;

GroundBounds BoundsOf(const WalkArea& area) {
    GroundBounds b;
    area.Bounds(b.x0, b.z0, b.x1, b.z1);
    b.x0 = std::floor((b.x0 - kGroundMargin) / kGroundCell) * kGroundCell;
    b.x1 = std::ceil((b.x1 + kGroundMargin) / kGroundCell) * kGroundCell;
    b.z0 = std::floor((b.z0 - kGroundMargin) / kGroundCell) * kGroundCell;
    b.z1 = std::ceil((b.z1 + kGroundMargin) / kGroundCell) * kGroundCell;
    return b;
}

void DrawGroundAndStreets(LevelKit& kit, const Streets& s, const HeightFn& floor, const HeightFn& ground,
                          const Materials& m) {
    kit.Draw(m.grass, GroundOver(s.area, kGroundMargin, kGroundCell, ground, 0.1f));
    WalkArea paved;
    paved.Path(s.lower, 5.0f);
    paved.Path(s.middle, 4.5f);
    paved.Path(s.upper, 4.5f);
    paved.Path(s.rampLow, 3.0f);
    paved.Path(s.rampHigh, 3.0f);
    kit.Draw(m.cobble, WalkFloor(
                           paved, 2.0f, [&](float x, float z) { return floor(x, z) + 0.04f; }, 0.25f));
}

// One wall along each terrace boundary, its face on the lower terrace's side,
// a parapet above the upper one, open where a street passes.
void DrawRetainingWalls(LevelKit& kit, const WalkArea& area, const GroundBounds& b, int32_t stone) {
    for (int i = 1; i < kTerraceCount; ++i) {
        const float zb = kTerraces[i - 1].north;
        const float z = zb + kGroundCell * 0.5f;
        const float y0 = kTerraces[i - 1].level - 1.0f, y1 = kTerraces[i].level + 0.9f;
        for (float x = b.x0; x < b.x1; x += kGroundCell) {
            const float cx = x + kGroundCell * 0.5f;
            if (area.Distance(cx, z) < 3.0f) continue;
            kit.Draw(stone, WallBetween({x, z}, {x + kGroundCell, z}, y0, y1, kGroundCell, 0.3f));
        }
    }
}

struct Segment {
    CVector2 a, b;
};

float DistanceToSegment(CVector2 p, const Segment& s) {
    const float dx = s.b.u - s.a.u, dz = s.b.v - s.a.v, len2 = dx * dx + dz * dz;
    const float t =
        len2 > 0.0f ? std::clamp(((p.u - s.a.u) * dx + (p.v - s.a.v) * dz) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(p.u - s.a.u - dx * t, p.v - s.a.v - dz * t);
}

// Along the ramps a low wall keeps the edge where the terrace beside drops
// away; returns where the walls run, for the gardens to keep clear of.
std::vector<Segment> DrawRampWalls(LevelKit& kit, const Streets& s, const HeightFn& floor,
                                   const HeightFn& ground, int32_t stone) {
    std::vector<Segment> walls;
    for (const std::vector<CVector2>* ramp : {&s.rampLow, &s.rampHigh}) {
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
                    if (s.area.Distance(mx, mz) < 0.2f) continue; // a street joins here
                    const float y = floor(mx, mz);
                    if (ground(mx + n.u * side * 2.0f, mz + n.v * side * 2.0f) > y - 0.5f) continue;
                    kit.Draw(stone, WallBetween(p, q, y - 4.0f, y + 0.8f, 0.6f, 0.4f));
                    walls.push_back({p, q});
                }
            }
        }
    }
    return walls;
}

struct Plot {
    float x, z, r;
};

// Rows of houses on every terrace, backs to the wall of the one above, fronts
// looking down the hill; returns where they stand.
std::vector<Plot> BuildHouses(LevelKit& kit, const WalkArea& area, const GroundBounds& b, const Materials& m,
                              Random& random) {
    std::vector<Plot> plots;
    for (int i = 0; i < kTerraceCount; ++i) {
        const float north = std::max(kTerraces[i].north, b.z0 + 4.0f);
        const float south = std::min(TerraceSouth(i), b.z1 - 4.0f);
        for (float row = north + 5.0f; row + 4.0f < south; row += 15.0f) {
            for (float x = b.x0 + 6.0f; x < b.x1 - 6.0f; x += random.Range(9.5f, 12.0f)) {
                const float wdt = random.Range(6.0f, 8.0f), dep = random.Range(5.0f, 6.0f);
                const float z = row + random.Range(-0.5f, 0.5f);
                const float r = std::hypot(wdt, dep) * 0.5f;
                const float d = area.Distance(x, z);
                if (d < r + 2.0f || d > 55.0f || random.Uniform() < 0.2f) continue;
                const float y = kTerraces[i].level;
                AddHouse(kit, random.Uniform() < 0.35f ? m.slated : m.props, x, y - 0.3f, z, wdt, dep,
                         random.Range(-4.0f, 4.0f), random.Uniform() < 0.4f);
                plots.push_back({x, z, r});
            }
        }
    }
    return plots;
}

// The lower gate and the cave mouth on the high terrace.
void DrawGateAndCave(LevelKit& kit, const Streets& s, const HeightFn& floor, const Materials& m) {
    const CVector3 gate = s.gate, cave = s.cave;
    {
        const float y = floor(gate.x, gate.z);
        for (float side : {-6.5f, 6.5f})
            kit.Draw(m.stone, Transformed(MakeCylinder(1.2f, 1.0f, 7.0f, 8, true, 0.4f),
                                          Translation({gate.x + side, y - 0.5f, gate.z + 3.0f})));
        kit.Draw(m.stone, WallBetween({gate.x - 7.5f, gate.z + 3.0f}, {gate.x + 7.5f, gate.z + 3.0f},
                                      y + 6.0f, y + 7.2f, 1.4f, 0.4f));
    }
    {
        const float y = floor(cave.x, cave.z);
        kit.Draw(m.stone, WallBetween({cave.x - 8.0f, cave.z - 6.5f}, {cave.x + 6.0f, cave.z - 6.5f},
                                      y - 1.0f, y + 8.0f, 2.0f, 0.3f));
        kit.Draw(m.dark, WallBetween({cave.x - 3.5f, cave.z - 5.4f}, {cave.x + 3.5f, cave.z - 5.4f}, y,
                                     y + 5.0f, 0.2f, 1.0f));
    }
}

// Trees in the gardens, clear of the houses and the walls: a trunk and the
// crown over it must stand on open ground, never on a wall's top.
void PlantGardens(LevelKit& kit, const WalkArea& area, const GroundBounds& b, const std::vector<Plot>& plots,
                  const std::vector<Segment>& walls, const HeightFn& ground, const PropPalette& props,
                  Random& random) {
    for (int k = 0; k < 400; ++k) {
        const float x = random.Range(b.x0 + 3.0f, b.x1 - 3.0f), z = random.Range(b.z0 + 3.0f, b.z1 - 3.0f);
        const float d = area.Distance(x, z);
        if (d < 5.0f || d > 45.0f) continue;
        bool clear = true;
        for (const Plot& p : plots)
            if (std::hypot(x - p.x, z - p.z) < p.r + 2.0f) clear = false;
        // Close behind a terrace's parapet a tree seen from the street below
        // would seem to grow out of the wall's top.
        for (int i = 0; i + 1 < kTerraceCount && clear; ++i) {
            const float past = z - kTerraces[i].north;
            if (past > -9.0f && past < kGroundCell + 2.0f) clear = false;
        }
        for (const Segment& wall : walls)
            if (DistanceToSegment({x, z}, wall) < 3.0f) clear = false;
        if (!clear) continue;
        AddTree(kit, props, x, ground(x, z), z, random.Range(0.8f, 1.2f), random, random.Uniform() < 0.4f,
                d > 12.0f);
    }
}

} // namespace

void BuildMistilia(DataWriter& w) {
    const Streets streets = LayStreets(GameLevels()[kLevel]);
    const WalkArea& area = streets.area;
    const HeightFn floor = StreetFloor(streets);

    LevelKit kit;
    kit.reach = &area;
    const Materials m = AddMaterials(kit);

    // Off the streets the ground is the flat top of its terrace; beside them it
    // eases into the street's own height.
    const HeightFn ground = [area, floor](float x, float z) {
        const float d = area.Distance(x, z);
        const float base = floor(x, z);
        if (d <= 1.0f) return base;
        const float top = kTerraces[TerraceAt(z)].level;
        return base + (top - base) * SmoothStep(1.0f, 4.0f, d);
    };
    const GroundBounds bounds = BoundsOf(area);
    DrawGroundAndStreets(kit, streets, floor, ground, m);
    DrawRetainingWalls(kit, area, bounds, m.stone);
    std::vector<Segment> walls = DrawRampWalls(kit, streets, floor, ground, m.stone);
    const CVector3 gate = streets.gate, cave = streets.cave;
    walls.push_back({{gate.x - 7.5f, gate.z + 3.0f}, {gate.x + 7.5f, gate.z + 3.0f}});
    walls.push_back({{cave.x - 8.0f, cave.z - 6.5f}, {cave.x + 6.0f, cave.z - 6.5f}});
    Random random(4004);
    const std::vector<Plot> plots = BuildHouses(kit, area, bounds, m, random);
    DrawGateAndCave(kit, streets, floor, m);
    PlantGardens(kit, area, bounds, plots, walls, ground, m.props, random);

    kit.Touch(WalkFloor(area, 2.0f, floor, 0.0f));
    kit.Touch(AreaWalls(area, 2.0f, floor, 1.0f, 3.0f, 0.0f));
    WriteMesh(w, "Levels\\Mistilia.m3d", WithSky(w, kit.FinishVisual(40.0f), Sky::TownEvening));
    WriteMesh(w, "Levels\\MistiliaCB.m3d", kit.FinishCollision(20.0f));
}
