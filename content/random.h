// The builder's own random numbers: fixed seeds give the same data on every run
// and every machine, whatever the C library's generator does.
#pragma once

#include <cstdint>

class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    // SplitMix64: tiny, fast and well mixed.
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    float Uniform() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }
    float Range(float low, float high) { return low + (high - low) * Uniform(); }
    // In [0, n); 0 when n is not positive.
    int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint64_t>(n)) : 0; }

  private:
    uint64_t state_;
};

// A hash of lattice coordinates, for noise that needs no state.
inline uint32_t HashCoords(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h =
        seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^ static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}
