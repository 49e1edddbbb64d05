#include "assets/menu_layout.h"

#include "assets/game_state.h"
#include "assets/screen_area.h"

MenuLayoutTable MenuLayout = {};

namespace {

template <int N>
void Fill(int32_t (&out)[N], int32_t size, const double (&divisors)[N]) {
    for (int i = 0; i < N; ++i) out[i] = static_cast<int32_t>(size / divisors[i]);
}

} // namespace

void ComputeMenuLayout() {
    Fill(MenuLayout.SlotCursorY, LayoutArea.height, {4.26, 2.51, 1.78, 1.38, 1.12});
    Fill(MenuLayout.CommandCursorY, LayoutArea.height, {1.2, 1.15, 1.105, 1.067});
    Fill(MenuLayout.TargetCursorY, LayoutArea.height, {1.15, 1.105, 1.067});
    Fill(MenuLayout.ItemCursorY, LayoutArea.height, {1.72, 1.65, 1.58, 1.49, 1.4});
    Fill(MenuLayout.SpellCursorX, LayoutArea.width, {4.65, 3.2, 2.43});
    Fill(MenuLayout.SpellCursorY, LayoutArea.height, {1.72, 1.55, 1.4});
}
