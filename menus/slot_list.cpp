#include "menus/slot_list.h"

#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/menu_layout.h"
#include "assets/text2d.h"
#include "menus/save_file.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <cstdio>
#include <vector>

SlotSummary SlotSummaries[kSaveSlotCount] = {};
uint8_t SlotInfoRead = 0;
const char* SlotRefusals[kSaveSlotCount] = {"", "", "", "", ""};

namespace {} // namespace

void ReadSlotSummaries() {
    for (int k = 0; k < kSaveSlotCount; ++k) {
        char path[32];
        SlotPath(k, path);
        SlotRefusals[k] = "";
        std::vector<uint8_t> bytes;
        if (!ReadWholeFile(path, SaveFileLength(), bytes)) continue;
        SlotSummary& summary = SlotSummaries[k];
        int32_t time[3];
        if (!DecodeSaveSummary(bytes.data(), bytes.size(), summary.Hero, time)) {
            SlotRefusals[k] = SaveRefusal;
            continue;
        }
        summary.Seconds = time[0];
        summary.Minutes = time[1];
        summary.Hours = time[2];
    }
}

SlotRowText SlotRow(int k) {
    SlotRowText row;
    if (k < 0 || k >= kSaveSlotCount) return row;
    const SlotSummary& s = SlotSummaries[k];
    if (SlotRefusals[k][0] != '\0') {
        std::snprintf(row.Middle, sizeof row.Middle, "Cannot Load: %s", SlotRefusals[k]);
        return row;
    }
    if (s.Hero.HP < 1) {
        std::snprintf(row.Middle, sizeof row.Middle, "Free Slot");
        return row;
    }
    row.Saved = true;
    // A summary may hold any bytes: never read past the name's field.
    std::snprintf(row.Name, sizeof row.Name, "%.*s LV%d", static_cast<int>(sizeof s.Hero.Name), s.Hero.Name,
                  s.Hero.Level);
    std::snprintf(row.Hp, sizeof row.Hp, "HP %d/%d", s.Hero.HP, s.Hero.MaxHP);
    std::snprintf(row.Mp, sizeof row.Mp, "MP %d/%d", s.Hero.MP, s.Hero.MaxMP);
    std::snprintf(row.Time, sizeof row.Time, "Time %d:%d:%d", s.Hours, s.Minutes, s.Seconds);
    return row;
}

void DrawSlotList() {
    if (SlotInfoRead == 0) {
        SlotInfoRead = 1;
        ReadSlotSummaries();
    }

    DrawMenuPanel(0.705f, 0.85f, 0.95f, 1.0f);
    DrawMenuPanel(0.02f, 0.85f, 0.705f, 1.0f);
    float bottom = 0.02f;
    while (bottom < 0.8f) {
        DrawMenuPanel(0.02f, bottom, 0.95f, bottom + 0.1658f);
        bottom += 0.1658f;
    }

    glColor3f(0, 0, 1);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    if (SaveSlotCursor >= 0 && SaveSlotCursor < kSaveSlotCount)
        PrintText(ArialFontBase, LayoutX(5.12), MenuLayout.SlotCursorY[SaveSlotCursor], "*");

    static const double nameRow[5] = {6.4, 3.13, 2.07, 1.53, 1.22};
    static const double hpRow[5] = {5.12, 2.79, 1.89, 1.44, 1.17};
    static const double mpRow[5] = {4.26, 2.51, 1.76, 1.37, 1.12};
    const int x = LayoutX(2.56);
    const int timeX = LayoutX(1.46);
    for (int k = 0; k < kSaveSlotCount; ++k) {
        const SlotRowText row = SlotRow(k);
        if (!row.Saved) {
            PrintText(TimesFontBase, x, LayoutY(hpRow[k]), "%s", row.Middle);
            continue;
        }
        PrintText(TimesFontBase, x, LayoutY(nameRow[k]), "%s", row.Name);
        PrintText(TimesFontBase, x, LayoutY(hpRow[k]), "%s", row.Hp);
        PrintText(TimesFontBase, x, LayoutY(mpRow[k]), "%s", row.Mp);
        PrintText(TimesFontBase, timeX, LayoutY(hpRow[k]), "%s", row.Time);
    }
    glColor3f(1, 1, 1);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
}
