#include "battle/battle_numbers.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/screen_area.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "records/battle_slots.h"
#include "records/records.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

struct ShownNumber {
    int32_t value;
    TextPoint at;
    float r, g, b;
};

// Three slots' damage at most, or a heal's two lines and one blow.
constexpr int kMostShown = 8;
ShownNumber Shown[kMostShown];
int ShownCount = 0;

void Show(int32_t value, const TextPoint& at, float r, float g, float b) {
    if (ShownCount < kMostShown) Shown[ShownCount++] = {value, at, r, g, b};
}

int32_t TruncWindow(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return -100000; // far off the screen
    return static_cast<int32_t>(value);
}

// A number in black with a lighter copy behind it, to the right and below.
void PrintNumber(int32_t value, const TextPoint& at, float r, float g, float b) {
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    const TextPoint offset = NumberShadowOffset(LayoutArea.width, LayoutArea.height);
    glColor3f(r, g, b);
    PrintText(ArialFontBase, at.x + offset.x, at.y + offset.y, "%d", value);
    glColor3f(0, 0, 0);
    PrintText(ArialFontBase, at.x, at.y, "%d", value);
    glColor3f(1, 1, 1);
}

void Panel(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    DrawPanel(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x1), static_cast<float>(y2),
              static_cast<float>(x2), static_cast<float>(y2), static_cast<float>(x2), static_cast<float>(y1),
              PanelTexture.texName);
}

} // namespace

TextPoint ProjectToScreen(const CVector3& point) {
    GLdouble model[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // The whole picture's viewport, even while the 3D is drawn smaller.
    GLint viewport[4];
    PictureViewport(viewport);
    GLdouble wx = 0, wy = 0, wz = 0;
    if (gluProject(point.x, point.y, point.z, model, projection, viewport, &wx, &wy, &wz) != GL_TRUE)
        return {-100000, -100000};
    // Window pixels to layout pixels, as the printer takes them.
    const LayoutPoint at = LayoutPointOfWindow(TruncWindow(wx), TruncWindow(wy));
    return {at.x, at.y};
}

TextPoint NumberShadowOffset(int32_t screenWidth, int32_t screenHeight) {
    return {LayoutDiv(screenWidth, 204.8), screenHeight / 256};
}

void PrintShownNumbers() {
    for (int i = 0; i < ShownCount; ++i)
        PrintNumber(Shown[i].value, Shown[i].at, Shown[i].r, Shown[i].g, Shown[i].b);
    ShownCount = 0;
}

void ShowDamageAt(const CVector3& point) {
    Show(DamageShown[0], ProjectToScreen(point), 1, 1, 1);
}

void ShowDamageAll() {
    for (int i = 0; i < kBattleSlotCount; ++i)
        if (!BattleSlots[i].Dead) Show(DamageShown[i], ProjectToScreen(BattleSlots[i].Position), 1, 1, 1);
}

void ShowHealAt(const CVector3& point) {
    if (!ItemInUse) return;
    const TextPoint at = ProjectToScreen(point);
    if (ItemInUse->HpRestore > 0) Show(ItemInUse->HpRestore, at, 0, 1, 0);
    if (ItemInUse->MpRestore > 0) Show(ItemInUse->MpRestore, {at.x, at.y + LayoutY(25.6)}, 0, 0, 1);
}

void DrawBattleGauges() {
    const int32_t w = LayoutArea.width;
    const float top = static_cast<float>(LayoutY(1.25));
    const float bottom = static_cast<float>(LayoutY(1.2));
    Panel(LayoutX(1.13), LayoutY(1.25), LayoutX(1.02), LayoutY(1.2));
    Panel(LayoutX(1.31), LayoutY(1.25), LayoutX(1.16), LayoutY(1.2));

    const float timeLeft = static_cast<float>(LayoutX(1.13));
    const float timeRight = timeLeft + HeroGaugeWidth;
    DrawGradientQuad(timeLeft, top, timeLeft, bottom, timeRight, bottom, timeRight, top, true);
    const float furyLeft = static_cast<float>(LayoutX(1.31));
    const int32_t fury = Hero.FuryBar < 0 ? 0 : (Hero.FuryBar > 100 ? 100 : Hero.FuryBar);
    const float furyRight = furyLeft + static_cast<float>(w * fury / 1024);
    DrawGradientQuad(furyLeft, top, furyLeft, bottom, furyRight, bottom, furyRight, top, false);
    glDisable(GL_TEXTURE_2D);

    PrintShadowText(TimesFontBase, LayoutX(1.11), LayoutY(1.34), "Time");
    PrintShadowText(TimesFontBase, LayoutX(1.28), LayoutY(1.34), "Fury");
    PrintShadowText(TimesFontBase, LayoutX(1.93), LayoutY(1.28), "%d/%d  %d/%d", Hero.HP, Hero.MaxHP, Hero.MP,
                    Hero.MaxMP);
    PrintShadowText(TimesFontBase, LayoutX(2.49), LayoutY(1.28), "%.*s", static_cast<int>(sizeof Hero.Name),
                    Hero.Name);
}
