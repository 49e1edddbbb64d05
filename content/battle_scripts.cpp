// The battle's camera flights.
//
// Every opening starts where the battle puts the camera, at (-3, 3, 0) looking
// down -z, and turns to a view of the hero's stand (4, 0, 10) and the monsters'
// row (x 0 to 8 at z 20) with the figures in the upper two thirds, over the
// command panel and the gauges. The victory turns around the hero and ends
// facing him, high in the frame above the results panel.
#include "content/battle.h"

#include <cmath>

namespace {

constexpr CVector3 kUp = {0, 1, 0};
constexpr CVector3 kBattleEye = {-3, 3, 0}, kBattleView = {-3, 3, -6};

CameraFlightKey Key(CVector3 eye, CVector3 view, int steps) {
    return {eye, view, kUp, steps};
}

// Three ways in. Each ends behind the hero and to his right, so that he
// stands clear of the command panel in the lower left; the dungeon's walls
// keep every camera within 18 units of the arena's middle (4, 0, 15).
std::vector<std::vector<CameraFlightKey>> Openings() {
    const CameraFlightKey start = Key(kBattleEye, kBattleView, 1);
    return {
        // Turning round on the left, then swinging in behind him from high up.
        {start, Key({-3.5f, 4, 0.5f}, {-7, 3, 5}, 25), Key({-6, 7, 6}, {2, 0, 16}, 30),
         Key({4, 7, -2.8f}, {6, -2, 19}, 40)},
        // Across behind him to the right and low, down the monsters' row.
        {start, Key({-2, 4, -2}, {2, 2.5f, 2}, 25), Key({6, 5, -3}, {6, 0, 12}, 30),
         Key({14, 5, 2}, {4, 0, 17}, 25), Key({15, 4.5f, 4}, {2.5f, -0.5f, 19}, 20)},
        // Up and over, then down onto the stand from the right.
        {start, Key({-3, 7, -1}, {-2, 2, 4}, 25), Key({3, 14, 2}, {4, 0, 14}, 35),
         Key({13.8f, 9, 0.3f}, {3, -2, 19}, 40)},
    };
}

std::vector<CameraFlightKey> VictoryTurn() {
    // Round his right side from behind him to before him, drawing back so
    // that he ends high in the middle of the frame, raised sword and all.
    std::vector<CameraFlightKey> keys;
    const CVector3 hero = {4, 0, 10};
    const int steps[5] = {1, 30, 30, 30, 32};
    for (int k = 0; k < 5; ++k) {
        const float t = static_cast<float>(k) / 4.0f, a = Radians(180.0f * t);
        const float radius = 7.0f + 3.0f * t, height = 3.4f - 1.4f * t, look = 1.0f - 2.0f * t;
        keys.push_back(Key({hero.x + radius * std::sin(a), height, hero.z - radius * std::cos(a)},
                           {hero.x, look, hero.z}, steps[k]));
    }
    return keys;
}

} // namespace

std::vector<CameraFlight> BuildBattleFlights() {
    std::vector<CameraFlight> out;
    for (const char* prefix : {"Scripts\\TBGIntro", "Scripts\\TDBGIntro", "Scripts\\WMBGIntro"}) {
        const auto openings = Openings();
        for (size_t v = 0; v < openings.size(); ++v)
            out.push_back({std::string(prefix) + std::to_string(v) + ".scp", openings[v]});
    }
    out.push_back({"Scripts/BGWon.scp", VictoryTurn()});
    return out;
}

std::string WriteCameraScript(const std::vector<CameraFlightKey>& keys) {
    std::string out;
    for (size_t k = 0; k < keys.size(); ++k) {
        const CameraFlightKey& key = keys[k];
        const CVector3 v[3] = {key.position, key.viewPoint, key.up};
        out += std::to_string(k) + " ";
        for (int i = 0; i < 3; ++i)
            out += FormatFloat(v[i].x) + "," + FormatFloat(v[i].y) + "," + FormatFloat(v[i].z) + ",";
        out += std::to_string(key.steps) + "\n";
    }
    return out;
}
