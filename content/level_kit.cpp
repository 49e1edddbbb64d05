// A level's materials, drawn geometry and collision hull, and tiled meshes.
#include "content/levels_common.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

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
