// Integer arithmetic that stops at the ends of int32 instead of wrapping: a
// loaded save can hold any figures, and layout positions any size.
#pragma once

#include <algorithm>
#include <cstdint>

inline int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

inline int32_t SaturatingAdd(int32_t a, int32_t b) {
    return Saturate(int64_t{a} + b);
}
