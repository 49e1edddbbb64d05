#include "menus/slot_list.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/menu_layout.h"
#include "assets/text2d.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <cstdio>

SlotSummary SlotSummaries[kSaveSlotCount] = {};
uint8_t SlotInfoRead = 0;

namespace {

void Panel(float x1, float y1, float x2, float y2) {
    DrawLitTexturedQuad(x1, y1, x2, y1, x2, y2, x1, y2, PanelTexture.texName);
}

int Row(double divisor) {
    return static_cast<int>(ScreenHeight / divisor);
}

} // namespace

void ReadSlotSummaries() {
    for (int k = 0; k < kSaveSlotCount; ++k) {
        char path[32];
        std::snprintf(path, sizeof path, "Save/Slot%d.sav", k + 1);
        FILE* file = OpenGameFile(path, "rb");
        if (!file) continue;
        SlotSummary& summary = SlotSummaries[k];
        if (std::fread(&summary.Hero, 1, sizeof summary.Hero, file) == sizeof summary.Hero) {
            int32_t time[3] = {summary.Hours, summary.Minutes, summary.Seconds};
            const size_t got = std::fread(time, sizeof time[0], 3, file);
            if (got > 0) summary.Hours = time[0];
            if (got > 1) summary.Minutes = time[1];
            if (got > 2) summary.Seconds = time[2];
        }
        std::fclose(file);
    }
}

void DrawSlotList() {
    if (SlotInfoRead == 0) {
        SlotInfoRead = 1;
        ReadSlotSummaries();
    }

    Panel(0.705f, 0.85f, 0.95f, 1.0f);
    Panel(0.02f, 0.85f, 0.705f, 1.0f);
    float bottom = 0.02f;
    while (bottom < 0.8f) {
        Panel(0.02f, bottom, 0.95f, bottom + 0.1658f);
        bottom += 0.1658f;
    }

    glColor3f(0, 0, 1);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    if (SaveSlotCursor >= 0 && SaveSlotCursor < kSaveSlotCount)
        PrintText(ArialFontBase, static_cast<int>(ScreenWidth / 5.12), MenuLayout.SlotCursorY[SaveSlotCursor],
                  "*");

    static const double nameRow[5] = {6.4, 3.13, 2.07, 1.53, 1.22};
    static const double hpRow[5] = {5.12, 2.79, 1.89, 1.44, 1.17};
    static const double mpRow[5] = {4.26, 2.51, 1.76, 1.37, 1.12};
    const int x = static_cast<int>(ScreenWidth / 2.56);
    const int timeX = static_cast<int>(ScreenWidth / 1.46);
    for (int k = 0; k < kSaveSlotCount; ++k) {
        const SlotSummary& s = SlotSummaries[k];
        if (s.Hero.HP >= 1) {
            // A slot file may hold any bytes: never read past the name's field.
            PrintText(TimesFontBase, x, Row(nameRow[k]), "%.*s LV%d", static_cast<int>(sizeof s.Hero.Name),
                      s.Hero.Name, s.Hero.Level);
            PrintText(TimesFontBase, x, Row(hpRow[k]), "HP %d/%d", s.Hero.HP, s.Hero.MaxHP);
            PrintText(TimesFontBase, x, Row(mpRow[k]), "MP %d/%d", s.Hero.MP, s.Hero.MaxMP);
            PrintText(TimesFontBase, timeX, Row(hpRow[k]), "Time %d:%d:%d", s.Hours, s.Minutes, s.Seconds);
        } else {
            PrintText(TimesFontBase, x, Row(hpRow[k]), "Free Slot");
        }
    }
    glColor3f(1, 1, 1);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
}
