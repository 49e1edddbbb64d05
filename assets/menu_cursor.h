// Menu cursors, in the battle and out of it, move one row at a time and stay
// put at either end.
#pragma once

#include <cstdint>

inline void StepCursor(int32_t& cursor, int32_t delta, int32_t lo, int32_t hi) {
    const int32_t next = cursor + delta;
    if (next >= lo && next <= hi) cursor = next;
}
