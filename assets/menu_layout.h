// Screen positions for the slot list and the battle command menu, computed
// from the layout area at start-up and again whenever the window's size
// changes. Each is trunc(size / divisor) in double precision.
#pragma once

#include <cstdint>

struct MenuLayoutTable {
    int32_t SlotCursorY[5];
    int32_t CommandCursorY[4];
    int32_t TargetCursorY[3];
    int32_t ItemCursorY[5];
    int32_t SpellCursorX[3];
    int32_t SpellCursorY[3];
};

extern MenuLayoutTable MenuLayout;

// Compute every position from the layout area.
void ComputeMenuLayout();
