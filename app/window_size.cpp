#include "app/window_size.h"

#include "assets/game_state.h"
#include "assets/menu_layout.h"
#include "assets/screen_area.h"
#include "assets/text2d.h"
#include "battle/command_menu.h"
#include "battle/victory.h"
#include "platform/platform.h"

#include <GL/gl.h>

namespace {

void RebuildFonts() {
    // The lists keep their names, so nothing that holds a font base notices.
    const int cell = FontCellHeight();
    if (TimesFontBase != 0) BuildBitmapFont("Times New Roman", cell, 700, TimesFontBase);
    if (ArialFontBase != 0) BuildBitmapFont("Arial", 2 * cell, 700, ArialFontBase);
}

} // namespace

void LayOutForWindow(int32_t width, int32_t height) {
    SetWindowSize(width, height);
    SetPictureViewport();
    LoadGamePerspective();
}

int32_t CarrySlide(int32_t value, int32_t start, int32_t newStart) {
    if (value >= 0 || start >= 0) return value >= 0 ? value : newStart;
    if (value <= start) return newStart;
    return static_cast<int32_t>(static_cast<int64_t>(value) * newStart / start);
}

void ApplyWindowSize(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || (width == WindowWidth && height == WindowHeight)) return;
    const int oldCell = FontCellHeight();
    const int32_t oldLayoutWidth = LayoutArea.width;
    const int32_t oldExitBox = HiddenDialogueSlide(LayoutArea.height);
    const int32_t oldMenuStart = MenuSlideStart();
    const int32_t oldVictoryStart = VictoryPanelStart();

    LayOutForWindow(width, height);
    // Mouse look reads the cursor against the window's centre: moved with the
    // centre, the cursor would turn the hero by half the change in size.
    SetCursorPosition(WindowWidth >> 1, WindowHeight >> 1);
    if (FontCellHeight() != oldCell) RebuildFonts();
    ComputeMenuLayout();

    DialogueSlide = CarrySlide(DialogueSlide, oldExitBox, HiddenDialogueSlide(LayoutArea.height));
    MenuSlide = CarrySlide(MenuSlide, oldMenuStart, MenuSlideStart());
    VictoryPanelY = CarrySlide(VictoryPanelY, oldVictoryStart, VictoryPanelStart());
    HeroGaugeWidth *= static_cast<float>(LayoutArea.width) / static_cast<float>(oldLayoutWidth);
}

void RelayoutWindow() {
    const int32_t width = WindowWidth;
    WindowWidth = 0; // not the size it was told of, so it is laid out anew
    ApplyWindowSize(width, WindowHeight);
}
