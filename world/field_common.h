// Small helpers every piece of field mode shares: being near something, and the
// current level's record with its lists cut to what they really hold.
#pragma once

#include "assets/saturate.h"
#include "assets/vector.h"
#include "world/level_table.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

// Half-widths of the squares around a villager or chest, and around an exit.
constexpr float TalkReach = 3.0f;
constexpr float ExitReach = 5.0f;

// Near means a square in x and z with strict bounds; height never matters.
inline bool WithinReach(const CVector3& hero, const CVector3& place, float reach) {
    return std::fabs(hero.x - place.x) < reach && std::fabs(hero.z - place.z) < reach;
}

inline bool InSquare(const CVector3& point, const CVector3& centre, float half) {
    return centre.x - half < point.x && point.x < centre.x + half && centre.z - half < point.z &&
           point.z < centre.z + half;
}

// A count field as far as its array really reaches.
inline size_t UsedCount(int32_t count, size_t size) {
    return std::min(size, static_cast<size_t>(std::max(count, 0)));
}

// The level at index, or null when there is no such level.
inline LevelRecord* LevelAt(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= LevelTable.size()) return nullptr;
    return &LevelTable[static_cast<size_t>(index)];
}
