#include "content/levels_common.h"

#include "content/image.h"
#include "records/records.h"
#include "world/story_places.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

const std::vector<LevelRecord>& GameLevels() {
    static const std::vector<LevelRecord> table = [] {
        LevelTable.clear();
        AppendDefaultLevels();
        InitItemTable();
        InitStoneTables();
        BuildLevelTable();
        return LevelTable;
    }();
    return table;
}

std::vector<LevelAnchor> LevelAnchors(int32_t level) {
    std::vector<LevelAnchor> out;
    const std::vector<LevelRecord>& levels = GameLevels();
    if (level < 0 || static_cast<size_t>(level) >= levels.size()) return out;
    const LevelRecord& here = levels[static_cast<size_t>(level)];
    for (int32_t i = 0; i < here.VillagerCount && i < static_cast<int32_t>(here.Villagers.size()); ++i)
        out.push_back({AnchorVillager, here.Villagers[static_cast<size_t>(i)].Position, 3.0f});
    for (int32_t i = 0; i < here.ChestCount && i < static_cast<int32_t>(here.Chests.size()); ++i)
        out.push_back({AnchorChest, here.Chests[static_cast<size_t>(i)].Position, 3.0f});
    for (int32_t i = 0; i < here.ExitCount && i < static_cast<int32_t>(here.Exits.size()); ++i)
        out.push_back({AnchorExit, here.Exits[static_cast<size_t>(i)].Trigger, 5.0f});
    for (const LevelRecord& from : levels)
        for (int32_t i = 0; i < from.ExitCount && i < static_cast<int32_t>(from.Exits.size()); ++i)
            if (from.Exits[static_cast<size_t>(i)].TargetLevel == level)
                out.push_back({AnchorArrival, from.Exits[static_cast<size_t>(i)].ArrivalPosition, 0.0f});
    if (level == kNewGameLevel) out.push_back({AnchorNewGame, kNewGameHero, 0.0f});
    for (const StoryPlace& place : StoryPlaces) {
        if (place.level != level) continue;
        const int32_t kind = place.kind == StoryTrigger  ? AnchorStoryTrigger
                             : place.kind == StoryFigure ? AnchorStoryFigure
                                                         : AnchorStoryHero;
        out.push_back({kind, place.position, place.halfWidth});
    }
    return out;
}

bool AnchorFixesFloor(const LevelAnchor& a) {
    return a.kind != AnchorExit && a.kind != AnchorStoryTrigger;
}

float AnchorFloor(const LevelAnchor& a) {
    switch (a.kind) {
    case AnchorArrival:
    case AnchorNewGame:
    case AnchorStoryHero:
        return a.position.y - 0.2f;
    default:
        return a.position.y;
    }
}

std::string AnchorLabel(const LevelAnchor& a, int32_t index) {
    static const char* names[] = {"villager",       "chest",         "exit",         "arrival",
                                  "new-game start", "story trigger", "story figure", "story hero spot"};
    const char* name = a.kind >= 0 && a.kind <= AnchorStoryHero ? names[a.kind] : "anchor";
    char at[96];
    std::snprintf(at, sizeof at, " %d at (%.2f, %.2f, %.2f)", index, a.position.x, a.position.y,
                  a.position.z);
    return std::string(name) + at;
}

// ---------------------------------------------------------------------------

void WalkArea::Disc(float x, float z, float radius) {
    shapes.push_back({{x, z}, {x, z}, radius});
}

void WalkArea::Path(const std::vector<CVector2>& points, float radius) {
    for (size_t i = 0; i + 1 < points.size(); ++i) shapes.push_back({points[i], points[i + 1], radius});
    if (points.size() == 1) Disc(points[0].u, points[0].v, radius);
}

void WalkArea::Hole(float x, float z, float radius) {
    holes.push_back({{x, z}, {x, z}, radius});
}

namespace {

float CapsuleDistance(const WalkShape& s, float x, float z) {
    const float abx = s.b.u - s.a.u, abz = s.b.v - s.a.v;
    const float len2 = abx * abx + abz * abz;
    float t = len2 > 0.0f ? ((x - s.a.u) * abx + (z - s.a.v) * abz) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    const float dx = x - (s.a.u + abx * t), dz = z - (s.a.v + abz * t);
    return std::sqrt(dx * dx + dz * dz) - s.radius;
}

} // namespace

float WalkArea::Distance(float x, float z) const {
    float d = 1e9f;
    for (const WalkShape& s : shapes) d = std::min(d, CapsuleDistance(s, x, z));
    for (const WalkShape& h : holes) d = std::max(d, -CapsuleDistance(h, x, z));
    return d;
}

void WalkArea::Bounds(float& x0, float& z0, float& x1, float& z1) const {
    x0 = z0 = 1e9f;
    x1 = z1 = -1e9f;
    for (const WalkShape& s : shapes) {
        x0 = std::min({x0, s.a.u - s.radius, s.b.u - s.radius});
        x1 = std::max({x1, s.a.u + s.radius, s.b.u + s.radius});
        z0 = std::min({z0, s.a.v - s.radius, s.b.v - s.radius});
        z1 = std::max({z1, s.a.v + s.radius, s.b.v + s.radius});
    }
}

std::vector<HeightPad> AnchorPads(int32_t level, float radius) {
    std::vector<HeightPad> pads;
    for (const LevelAnchor& a : LevelAnchors(level))
        if (AnchorFixesFloor(a)) pads.push_back({a.position.x, a.position.z, AnchorFloor(a), radius});
    return pads;
}

TownMaterials AddTownMaterials(LevelKit& kit) {
    TownMaterials m;
    m.grass = kit.Material("Ground.tga", 255, 255, 255);
    m.path = kit.Material("Path.tga", 255, 255, 255);
    m.stone = kit.Material("Stone.tga", 255, 255, 255);
    m.wood = kit.Material("Wood.tga", 255, 255, 255);
    m.foliage = kit.Material("Foliage.tga", 255, 255, 255);
    m.roof = kit.Material("Roof.tga", 255, 255, 255);
    m.plaster = kit.Material("Plaster.tga", 255, 255, 255);
    return m;
}

void AddAnchorDiscs(WalkArea& area, int32_t level, float radius) {
    for (const LevelAnchor& a : LevelAnchors(level))
        area.Disc(a.position.x, a.position.z, std::max(radius, a.halfWidth));
}

float PadHeight(const std::vector<HeightPad>& pads, float x, float z) {
    double sum = 0.0, weights = 0.0;
    for (const HeightPad& p : pads) {
        const float d = std::max(0.0f, std::hypot(x - p.x, z - p.z) - p.radius);
        if (d <= 0.0f) return p.height; // pads are laid apart, so the first that holds the point rules it
        const double w = 1.0 / (static_cast<double>(d) * d * d);
        sum += w * p.height;
        weights += w;
    }
    return weights > 0.0 ? static_cast<float>(sum / weights) : 0.0f;
}

namespace {

struct CellGrid {
    int i0, j0, i1, j1; // cells [i0, i1) x [j0, j1)
    float cell;
};

CellGrid GridOver(const WalkArea& area, float cell) {
    float x0, z0, x1, z1;
    area.Bounds(x0, z0, x1, z1);
    return {static_cast<int>(std::floor(x0 / cell)) - 1, static_cast<int>(std::floor(z0 / cell)) - 1,
            static_cast<int>(std::ceil(x1 / cell)) + 1, static_cast<int>(std::ceil(z1 / cell)) + 1, cell};
}

bool CellInside(const WalkArea& area, const CellGrid& g, int i, int j) {
    return area.Distance((static_cast<float>(i) + 0.5f) * g.cell, (static_cast<float>(j) + 0.5f) * g.cell) <
           0.0f;
}

CVector3 SlopeNormal(const HeightFn& height, float x, float z, float step) {
    const float hx = height(x + step, z) - height(x - step, z);
    const float hz = height(x, z + step) - height(x, z - step);
    return Normalize({-hx / (2 * step), 1.0f, -hz / (2 * step)});
}

} // namespace

Geometry WalkFloor(const WalkArea& area, float cell, const HeightFn& height, float tpu) {
    Geometry g;
    const CellGrid grid = GridOver(area, cell);
    std::map<std::pair<int, int>, int32_t> corners;
    auto corner = [&](int i, int j) {
        auto found = corners.find({i, j});
        if (found != corners.end()) return found->second;
        const float x = static_cast<float>(i) * cell, z = static_cast<float>(j) * cell;
        g.vertices.push_back({{x, height(x, z), z}, SlopeNormal(height, x, z, cell), {x * tpu, z * tpu}});
        const int32_t index = static_cast<int32_t>(g.vertices.size() - 1);
        corners[{i, j}] = index;
        return index;
    };
    for (int j = grid.j0; j < grid.j1; ++j) {
        for (int i = grid.i0; i < grid.i1; ++i) {
            if (!CellInside(area, grid, i, j)) continue;
            const int32_t a = corner(i, j), b = corner(i + 1, j), c = corner(i, j + 1),
                          d = corner(i + 1, j + 1);
            AddTriangleFacing(g, a, b, d, {0, 1, 0});
            AddTriangleFacing(g, a, d, c, {0, 1, 0});
        }
    }
    return g;
}

Geometry AreaCeiling(const WalkArea& area, float cell, const HeightFn& height, float tpu) {
    Geometry g = WalkFloor(area, cell, height, tpu);
    for (MeshVertex& v : g.vertices) v.normal = v.normal * -1.0f;
    for (auto& t : g.triangles) std::swap(t[1], t[2]);
    return g;
}

Geometry AreaWalls(const WalkArea& area, float cell, const HeightFn& height, float below, float above,
                   float tpu) {
    Geometry g;
    const CellGrid grid = GridOver(area, cell);
    // One vertical quad from p to q (x-z), facing `in`.
    auto quad = [&](CVector2 p, CVector2 q, float lo, float hi, CVector3 in) {
        const int32_t base = static_cast<int32_t>(g.vertices.size());
        const float run = std::hypot(q.u - p.u, q.v - p.v);
        const CVector3 n = Normalize(in);
        g.vertices.push_back({{p.u, lo, p.v}, n, {0, lo * tpu}});
        g.vertices.push_back({{q.u, lo, q.v}, n, {run * tpu, lo * tpu}});
        g.vertices.push_back({{q.u, hi, q.v}, n, {run * tpu, hi * tpu}});
        g.vertices.push_back({{p.u, hi, p.v}, n, {0, hi * tpu}});
        AddTriangleFacing(g, base, base + 1, base + 2, n);
        AddTriangleFacing(g, base, base + 2, base + 3, n);
    };
    // Runs of edges along one grid line merge into one wall, at most 8 cells long.
    constexpr int kRun = 8;
    // Cell indices go negative, so a run's absence needs a value of its own.
    constexpr int kNoRun = std::numeric_limits<int>::min();
    // Edges across x (between cell rows j-1 and j): walls along x.
    for (int j = grid.j0; j <= grid.j1; ++j) {
        for (int side = 0; side < 2; ++side) {
            int start = kNoRun;
            auto flush = [&](int end) {
                if (start == kNoRun) return;
                float lo = 1e9f, hi = -1e9f;
                for (int i = start; i <= end; ++i) {
                    const float h = height(static_cast<float>(i) * cell, static_cast<float>(j) * cell);
                    lo = std::min(lo, h);
                    hi = std::max(hi, h);
                }
                const float z = static_cast<float>(j) * cell;
                quad({static_cast<float>(start) * cell, z}, {static_cast<float>(end) * cell, z}, lo - below,
                     hi + above, {0, 0, side == 0 ? 1.0f : -1.0f});
                start = kNoRun;
            };
            for (int i = grid.i0; i < grid.i1; ++i) {
                // side 0: inside above the line (row j), outside below; side 1 the reverse.
                const bool in = CellInside(area, grid, i, side == 0 ? j : j - 1);
                const bool out = !CellInside(area, grid, i, side == 0 ? j - 1 : j);
                if (in && out) {
                    if (start == kNoRun) start = i;
                    if (i + 1 - start >= kRun) flush(i + 1);
                } else {
                    flush(i);
                }
            }
            flush(grid.i1);
        }
    }
    for (int i = grid.i0; i <= grid.i1; ++i) {
        for (int side = 0; side < 2; ++side) {
            int start = kNoRun;
            auto flush = [&](int end) {
                if (start == kNoRun) return;
                float lo = 1e9f, hi = -1e9f;
                for (int j = start; j <= end; ++j) {
                    const float h = height(static_cast<float>(i) * cell, static_cast<float>(j) * cell);
                    lo = std::min(lo, h);
                    hi = std::max(hi, h);
                }
                const float x = static_cast<float>(i) * cell;
                quad({x, static_cast<float>(start) * cell}, {x, static_cast<float>(end) * cell}, lo - below,
                     hi + above, {side == 0 ? 1.0f : -1.0f, 0, 0});
                start = kNoRun;
            };
            for (int j = grid.j0; j < grid.j1; ++j) {
                const bool in = CellInside(area, grid, side == 0 ? i : i - 1, j);
                const bool out = !CellInside(area, grid, side == 0 ? i - 1 : i, j);
                if (in && out) {
                    if (start == kNoRun) start = j;
                    if (j + 1 - start >= kRun) flush(j + 1);
                } else {
                    flush(j);
                }
            }
            flush(grid.j1);
        }
    }
    return g;
}

HeightFn FramedGround(const WalkArea& area, const HeightFn& floor, float rise, uint32_t seed) {
    // The area is copied in so the function can outlive the caller's.
    return [area, floor, rise, seed](float x, float z) {
        const float d = area.Distance(x, z);
        const float base = floor(x, z);
        if (d <= 1.0f) return base;
        const float lumps = TileFbm(x / 37.0f, z / 37.0f, 64, 3, seed);
        return base + rise * SmoothStep(1.0f, 16.0f, d) * (0.5f + lumps);
    };
}

Geometry GroundOver(const WalkArea& area, float margin, float cell, const HeightFn& height, float tpu) {
    float x0, z0, x1, z1;
    area.Bounds(x0, z0, x1, z1);
    x0 = std::floor((x0 - margin) / cell) * cell;
    z0 = std::floor((z0 - margin) / cell) * cell;
    x1 = std::ceil((x1 + margin) / cell) * cell;
    z1 = std::ceil((z1 + margin) / cell) * cell;
    return MakeHeightfield(x0, z0, x1, z1, static_cast<int>(std::lround((x1 - x0) / cell)),
                           static_cast<int>(std::lround((z1 - z0) / cell)), height, tpu);
}

// ---------------------------------------------------------------------------

int32_t LevelKit::Material(const std::string& texture, uint8_t red, uint8_t green, uint8_t blue) {
    drawn.emplace_back();
    return AddMaterial(visual, texture, red, green, blue);
}

void LevelKit::Draw(int32_t material, const Geometry& geometry) {
    if (material >= 0 && static_cast<size_t>(material) < drawn.size())
        Append(drawn[static_cast<size_t>(material)], geometry);
}

void LevelKit::Touch(const Geometry& hull) {
    if (reach) {
        float nearest = 1e9f;
        for (const MeshVertex& v : hull.vertices)
            nearest = std::min(nearest, reach->Distance(v.position.x, v.position.z));
        if (nearest > 1.5f) return;
    }
    Append(collision, hull);
}

Mesh LevelKit::FinishVisual(float tile) const {
    Mesh out;
    out.materials = visual.materials;
    // Last material first: levels name their ground first and their props after, and
    // ground drawn behind what stands on it fails the depth test instead of being shaded.
    for (size_t m = drawn.size(); m-- > 0;)
        AddTiled(out, "Part" + std::to_string(m), static_cast<int32_t>(m), drawn[m], tile);
    return out;
}

Mesh LevelKit::FinishCollision(float tile) const {
    Mesh out;
    AddMaterial(out, "", 128, 128, 128);
    AddTiled(out, "Solid", 0, collision, tile);
    return out;
}

void AddTiled(Mesh& mesh, const std::string& name, int32_t material, const Geometry& g, float tile) {
    struct Bucket {
        Geometry geometry;
        std::map<int32_t, int32_t> remap;
    };
    std::map<std::pair<int, int>, Bucket> tiles;
    for (const auto& t : g.triangles) {
        const CVector3 c =
            (g.vertices[t[0]].position + g.vertices[t[1]].position + g.vertices[t[2]].position) *
            (1.0f / 3.0f);
        Bucket& b =
            tiles[{static_cast<int>(std::floor(c.x / tile)), static_cast<int>(std::floor(c.z / tile))}];
        std::array<int32_t, 3> local;
        for (int k = 0; k < 3; ++k) {
            auto found = b.remap.find(t[k]);
            if (found == b.remap.end()) {
                b.geometry.vertices.push_back(g.vertices[t[k]]);
                found = b.remap.emplace(t[k], static_cast<int32_t>(b.geometry.vertices.size() - 1)).first;
            }
            local[k] = found->second;
        }
        b.geometry.triangles.push_back(local);
    }
    for (auto& [key, bucket] : tiles)
        AddObject(mesh, name + "_" + std::to_string(key.first) + "_" + std::to_string(key.second), material,
                  std::move(bucket.geometry));
}

// ---------------------------------------------------------------------------

void AddTree(LevelKit& kit, const PropPalette& p, float x, float y, float z, float scale, Random& random,
             bool pine, bool distant) {
    // A distant tree covers a few pixels: fewer sides look the same and cost far less.
    const int sides = distant ? 5 : 7;
    const float trunkHeight = (pine ? 2.2f : 2.6f) * scale;
    const float trunkRadius = 0.28f * scale;
    Geometry trunk =
        Transformed(MakeCylinder(trunkRadius, trunkRadius * 0.7f, trunkHeight + 0.5f, sides, false, 1.0f),
                    Translation({x, y - 0.5f, z}));
    Geometry hull = Transformed(MakeCylinder(trunkRadius + 0.1f, trunkRadius + 0.1f, 3.0f, 6, false),
                                Translation({x, y - 0.5f, z}));
    kit.Solid(p.wood, trunk, hull);
    const float turn = random.Range(0.0f, 360.0f);
    if (pine) {
        for (int k = 0; k < 3; ++k) {
            const float r = (1.9f - 0.45f * static_cast<float>(k)) * scale;
            Geometry tier = MakeCone(r, 2.3f * scale, sides, !distant);
            Transform(tier,
                      Translation({x, y + trunkHeight * 0.6f + 1.3f * scale * static_cast<float>(k), z}) *
                          RotationY(turn + 20.0f * static_cast<float>(k)));
            kit.Draw(p.foliage, tier);
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            const float r = random.Range(1.2f, 1.7f) * scale;
            const float a = Radians(turn + 120.0f * static_cast<float>(k));
            const CVector3 at = {x + std::cos(a) * 0.6f * scale,
                                 y + trunkHeight + random.Range(0.2f, 1.1f) * scale,
                                 z + std::sin(a) * 0.6f * scale};
            Geometry blob = Transformed(distant ? MakeSphere(r, 3, 5) : MakeSphere(r, 4, 7),
                                        Translation(at) * Scaling({1.0f, 0.8f, 1.0f}));
            ScaleTexels(blob, 3.0f, 3.0f);
            kit.Draw(p.foliage, blob);
        }
    }
}

void AddHouse(LevelKit& kit, const PropPalette& p, float x, float y, float z, float width, float depth,
              float yaw, bool stoneWalls) {
    const float wallHeight = 3.2f;
    const Affine place = Translation({x, y, z}) * RotationY(yaw);
    // The walls start below the ground so a slope never shows a gap under them.
    Geometry walls = MakeBox({width, wallHeight + 1.0f, depth}, 0.5f);
    Transform(walls, Translation({0, (wallHeight - 1.0f) * 0.5f, 0}));
    BoxMapTexels(walls, 0.4f);
    Geometry hull = Transformed(walls, place);
    Transform(walls, place);
    kit.Solid(stoneWalls ? p.stone : p.plaster, walls, hull);
    // A gable roof: a triangular prism overhanging the walls.
    const float ridge = 2.0f + 0.12f * width;
    std::vector<CVector2> gable = {{-width * 0.5f - 0.5f, 0.0f}, {width * 0.5f + 0.5f, 0.0f}, {0.0f, ridge}};
    Geometry roof = MakeExtrusion(gable, -depth * 0.5f - 0.5f, depth * 0.5f + 0.5f, 0.4f);
    // The outline lies in x-z; stand it up so its second coordinate becomes height.
    Transform(roof, RotationX(-90.0f));
    Transform(roof, Translation({0, wallHeight, 0}));
    BoxMapTexels(roof, 0.4f);
    Transform(roof, place);
    kit.Draw(p.roof, roof);
    // Door and two windows on the front (+z side before turning).
    Geometry door =
        Transformed(MakeBox({1.1f, 2.0f, 0.12f}, 1.0f), Translation({0, 1.0f, depth * 0.5f + 0.02f}));
    Append(door, Transformed(MakeBox({0.8f, 0.8f, 0.12f}, 1.0f),
                             Translation({-width * 0.3f, 1.8f, depth * 0.5f + 0.02f})));
    Append(door, Transformed(MakeBox({0.8f, 0.8f, 0.12f}, 1.0f),
                             Translation({width * 0.3f, 1.8f, depth * 0.5f + 0.02f})));
    Transform(door, place);
    kit.Draw(p.wood, door);
}

void AddFence(LevelKit& kit, const PropPalette& p, CVector2 a, CVector2 b, const HeightFn& ground) {
    const float run = std::hypot(b.u - a.u, b.v - a.v);
    const int posts = std::max(1, static_cast<int>(run / 2.5f));
    Geometry wood;
    for (int k = 0; k <= posts; ++k) {
        const float t = static_cast<float>(k) / static_cast<float>(posts);
        const float x = a.u + (b.u - a.u) * t, z = a.v + (b.v - a.v) * t;
        Append(wood,
               Transformed(MakeBox({0.2f, 1.6f, 0.2f}, 1.0f), Translation({x, ground(x, z) + 0.5f, z})));
    }
    for (int k = 0; k < posts; ++k) {
        const float t0 = static_cast<float>(k) / static_cast<float>(posts);
        const float t1 = static_cast<float>(k + 1) / static_cast<float>(posts);
        const CVector2 p0 = {a.u + (b.u - a.u) * t0, a.v + (b.v - a.v) * t0};
        const CVector2 p1 = {a.u + (b.u - a.u) * t1, a.v + (b.v - a.v) * t1};
        const float y0 = ground(p0.u, p0.v), y1 = ground(p1.u, p1.v);
        for (float rail : {0.55f, 1.05f}) {
            const float yr = (y0 + y1) * 0.5f + rail;
            Append(wood, WallBetween(p0, p1, yr - 0.08f, yr + 0.08f, 0.1f, 1.0f));
        }
    }
    kit.Draw(p.wood, wood);
    kit.Touch(WallBetween(a, b, std::min(ground(a.u, a.v), ground(b.u, b.v)) - 1.0f,
                          std::max(ground(a.u, a.v), ground(b.u, b.v)) + 2.0f, 0.3f, 1.0f));
}

void AddRock(LevelKit& kit, int32_t material, float x, float y, float z, float size, Random& random) {
    Geometry rock = MakeSphere(size, 4, 7);
    for (MeshVertex& v : rock.vertices) {
        const float lump = 0.8f + 0.35f * random.Uniform();
        v.position = {v.position.x * lump, v.position.y * lump * 0.75f, v.position.z * lump};
    }
    BoxMapTexels(rock, 0.5f);
    Transform(rock, Translation({x, y, z}) * RotationY(random.Range(0.0f, 360.0f)));
    Geometry hull = Transformed(MakeBox({size * 1.6f, size * 2.0f, size * 1.6f}), Translation({x, y, z}));
    kit.Solid(material, rock, hull);
}

Geometry WallBetween(CVector2 a, CVector2 b, float y0, float y1, float thickness, float tpu) {
    const float run = std::hypot(b.u - a.u, b.v - a.v);
    Geometry g = MakeBox({std::max(run, 0.01f), y1 - y0, thickness}, 1.0f);
    BoxMapTexels(g, tpu);
    const float yaw = -std::atan2(b.v - a.v, b.u - a.u) * 180.0f / kPi;
    Transform(g, Translation({(a.u + b.u) * 0.5f, (y0 + y1) * 0.5f, (a.v + b.v) * 0.5f}) * RotationY(yaw));
    return g;
}

// ---------------------------------------------------------------------------

namespace {

Image PaintPath() {
    return Paint(256, [](float u, float v) {
        float dust = TileFbm(u * 8, v * 8, 8, 4, 101);
        CellSample pebble = TileCells(u * 24, v * 24, 24, 102);
        Color c = Mix(Rgb(122, 98, 66), Rgb(160, 134, 96), dust);
        float stone = SmoothStep(0.35f, 0.2f, pebble.nearest) * ((pebble.id & 3) == 0 ? 1.0f : 0.0f);
        return Mix(c, Rgb(150, 146, 138), stone * 0.7f);
    });
}

Image PaintRoof() {
    return Paint(256, [](float u, float v) {
        // Rows of overlapping clay tiles, each row shifted by half a tile.
        float row = std::floor(v * 8);
        float inRow = v * 8 - row;
        float shift = std::fmod(row, 2.0f) * 0.5f;
        float inTile = std::fmod(u * 8 + shift, 1.0f);
        float edge = SmoothStep(0.0f, 0.12f, inTile) * SmoothStep(1.0f, 0.88f, inTile);
        float lip = SmoothStep(1.0f, 0.75f, inRow);
        float tone = static_cast<float>(
                         HashCoords(static_cast<int>(u * 8 + shift), static_cast<int>(row), 103) & 0xFF) /
                     255.0f;
        Color c = Mix(Rgb(150, 60, 40), Rgb(188, 92, 58), tone);
        return Scale(c, 0.6f + 0.4f * edge * lip);
    });
}

Image PaintPlaster() {
    return Paint(256, [](float u, float v) {
        float n = TileFbm(u * 8, v * 8, 8, 4, 111);
        // Dark timber beams framing whitewashed plaster.
        float beamU = std::fmod(u * 2, 1.0f), beamV = std::fmod(v * 2, 1.0f);
        float beam = std::max(SmoothStep(0.06f, 0.03f, beamU), SmoothStep(0.06f, 0.03f, beamV));
        Color c = Mix(Rgb(214, 204, 180), Rgb(236, 228, 208), n);
        return Mix(c, Rgb(86, 58, 36), beam);
    });
}

Image PaintWater() {
    return Paint(128, [](float u, float v) {
        float n = TileFbm(u * 4, v * 4, 4, 4, 121);
        return Mix(Rgb(30, 70, 130), Rgb(60, 120, 180), n);
    });
}

} // namespace

void WriteLevelTextures(DataWriter& w) {
    w.Write("Textures/Path.tga", WriteTGA(PaintPath(), false));
    w.Write("Textures/Roof.tga", WriteTGA(PaintRoof(), false));
    w.Write("Textures/Plaster.tga", WriteTGA(PaintPlaster(), false));
    w.Write("Textures/Water.tga", WriteTGA(PaintWater(), false));
}

void BuildLevels(DataWriter& w) {
    WriteLevelTextures(w);
    BuildVorudu(w);
    BuildVoruduDungeon(w);
    BuildWorldMap(w);
    BuildForgottenForest(w);
    BuildMistilia(w);
    BuildDungeonOfTheDamned(w);
    BuildRoadPass(w);
    BuildArenas(w);
}
