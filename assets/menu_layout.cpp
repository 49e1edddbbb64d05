#include "assets/menu_layout.h"

#include "assets/game_state.h"

MenuLayoutTable MenuLayout = {};

namespace {

template <int N>
void Fill(int32_t (&out)[N], int32_t size, const double (&divisors)[N]) {
    for (int i = 0; i < N; ++i) out[i] = static_cast<int32_t>(size / divisors[i]);
}

} // namespace

void ComputeMenuLayout() {
    Fill(MenuLayout.SlotCursorY, ScreenHeight, {4.26, 2.51, 1.78, 1.38, 1.12});
    Fill(MenuLayout.CommandCursorY, ScreenHeight, {1.2, 1.15, 1.105, 1.067});
    Fill(MenuLayout.TargetCursorY, ScreenHeight, {1.15, 1.105, 1.067});
    Fill(MenuLayout.ItemCursorY, ScreenHeight, {1.72, 1.65, 1.58, 1.49, 1.4});
    Fill(MenuLayout.SpellCursorX, ScreenWidth, {4.65, 3.2, 2.43});
    Fill(MenuLayout.SpellCursorY, ScreenHeight, {1.72, 1.55, 1.4});
}
