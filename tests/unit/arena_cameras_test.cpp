// Every camera a battle flies, from every key and halfway between keys, looks
// out on its arena's own walls, roof or sky in every direction: nothing is
// left open for the clear colour, and no wall stands so close that the near
// plane would cut through it.
#include "assets/camera_script.h"
#include "assets/model3d.h"
#include "assets/vector.h"
#include "content/output.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr float kNearPlane = 0.5f, kFarPlane = 1000.0f;

std::string ReadData(const std::string& gamePath) {
    std::ifstream in(DataFilePath(AURELANT_BUILT_DATA, gamePath), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Triangle {
    CVector3 a, b, c;
};

std::vector<Triangle> ArenaTriangles(const std::string& gamePath) {
    const std::string text = ReadData(gamePath);
    Model3D model;
    std::vector<Triangle> out;
    ParseModel3D(text.data(), text.size(), model, nullptr);
    for (const Object3D& o : model.objects)
        for (size_t i = 0; i + 2 < o.indices.size(); i += 3) {
            const auto at = [&](size_t k) {
                const int32_t v = o.indices[i + k];
                return v >= 0 && static_cast<size_t>(v) < o.vertices.size()
                           ? o.vertices[static_cast<size_t>(v)]
                           : CVector3{0, 0, 0};
            };
            out.push_back({at(0), at(1), at(2)});
        }
    return out;
}

// The nearest distance along the ray at which it meets a triangle, either side facing.
float NearestHit(const std::vector<Triangle>& triangles, CVector3 from, CVector3 dir) {
    float best = INFINITY;
    for (const Triangle& t : triangles) {
        const CVector3 e1 = t.b - t.a, e2 = t.c - t.a, p = Cross(dir, e2);
        const float det = Dot(e1, p);
        if (std::fabs(det) < 1e-9f) continue;
        const CVector3 s = from - t.a;
        const float u = Dot(s, p) / det;
        if (u < 0.0f || u > 1.0f) continue;
        const CVector3 q = Cross(s, e1);
        const float v = Dot(dir, q) / det;
        if (v < 0.0f || u + v > 1.0f) continue;
        const float d = Dot(e2, q) / det;
        if (d > 0.0f && d < best) best = d;
    }
    return best;
}

// Every key's eye and the eye halfway to the next.
std::vector<CVector3> Eyes(const std::string& gamePath) {
    const std::string text = ReadData(gamePath);
    CameraKey keys[kCameraKeyCount];
    int32_t last = -1;
    ParseCameraScript(text.data(), text.size(), keys, last);
    std::vector<CVector3> eyes;
    for (int32_t k = 0; k <= last && k < kCameraKeyCount; ++k) {
        eyes.push_back(keys[k].Position);
        if (k > 0) {
            const CVector3 a = keys[k - 1].Position, b = keys[k].Position;
            eyes.push_back({(a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f, (a.z + b.z) * 0.5f});
        }
    }
    return eyes;
}

// The axes and the diagonals between them.
std::vector<CVector3> Directions() {
    std::vector<CVector3> out;
    for (int x = -1; x <= 1; ++x)
        for (int y = -1; y <= 1; ++y)
            for (int z = -1; z <= 1; ++z) {
                if (x == 0 && y == 0 && z == 0) continue;
                // Turned a little off the grid, so that no ray runs exactly
                // through the seam where two wall quads meet.
                const CVector3 d = {x + 0.0137f, y - 0.0071f, z + 0.0093f};
                const float n = std::sqrt(Dot(d, d));
                out.push_back({d.x / n, d.y / n, d.z / n});
            }
    return out;
}

void ExpectClosedAround(const std::string& arena, const std::vector<std::string>& scripts) {
    const std::vector<Triangle> triangles = ArenaTriangles(arena);
    ASSERT_GT(triangles.size(), 100u) << arena;
    const std::vector<CVector3> directions = Directions();
    int open = 0;
    std::string first;
    for (const std::string& script : scripts) {
        const std::vector<CVector3> eyes = Eyes(script);
        ASSERT_GE(eyes.size(), 2u) << script;
        for (const CVector3& eye : eyes)
            for (const CVector3& dir : directions) {
                const float hit = NearestHit(triangles, eye, dir);
                if (hit > kNearPlane && hit < kFarPlane) continue;
                if (open++ == 0)
                    first = script + ": from (" + std::to_string(eye.x) + ", " + std::to_string(eye.y) +
                            ", " + std::to_string(eye.z) + ") along (" + std::to_string(dir.x) + ", " +
                            std::to_string(dir.y) + ", " + std::to_string(dir.z) + ") the first wall is at " +
                            std::to_string(hit);
            }
    }
    EXPECT_EQ(open, 0) << arena << ", first " << first;
}

// What every battle may play: the spells', the summon's and the fury skill's flights and the victory turn.
const std::vector<std::string> kEveryBattle = {
    "Scripts\\Ice0.scp",    "Scripts\\Ice1.scp",    "Scripts\\Ice2.scp",       "Scripts//Fire.scp",
    "Scripts\\Kintos0.scp", "Scripts\\Kintos1.scp", "Scripts\\AngelCrush.scp", "Scripts/BGWon.scp"};

std::vector<std::string> WithOpenings(const std::vector<std::string>& prefixes) {
    std::vector<std::string> out = kEveryBattle;
    for (const std::string& prefix : prefixes)
        for (int v = 0; v < 3; ++v) out.push_back(prefix + std::to_string(v) + ".scp");
    return out;
}

TEST(ArenaCameras, TheDungeonHallIsClosedAroundEveryCamera) {
    ExpectClosedAround("Levels\\Vorudu DungeonBG.m3d", WithOpenings({"Scripts\\TDBGIntro"}));
}

TEST(ArenaCameras, TheOpenArenaIsClosedAroundEveryCamera) {
    ExpectClosedAround("Levels\\World MapBG.m3d", WithOpenings({"Scripts\\TBGIntro", "Scripts\\WMBGIntro"}));
}

} // namespace
