// Walk areas, and the floor meshed over them: the ground a level is walked on.
#include "content/levels_common.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

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
