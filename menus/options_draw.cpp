// Drawing of the options screen: the page names over the settings panel, each
// row's label and value, the message line, and the display question.
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/loaded_assets.h"
#include "assets/text2d.h"
#include "menus/options_rows.h"
#include "menus/options_screen.h"

#include <GL/gl.h>

#include <string>

namespace {

// Row k's text top, in layout pixels: the rows start below the page names, 48 apart at 768.
int RowY(int32_t row) {
    return LayoutY(5.6) + (row - 1) * LayoutY(16.0);
}

void Grey(int x, int y, const char* text) {
    glColor3f(0.5f, 0.5f, 0.5f);
    PrintText(TimesFontBase, x, y, "%s", text);
    glColor3f(1, 1, 1);
}

// The line under the settings says what a row does, with the keys or buttons the player holds.
std::string RowHelp(OptionsRowKind kind) {
    const std::string ok = ActionControlName(GameAction::Ok);
    switch (kind) {
    case OptionsRowKind::Pages:
        return "Left and Right turn the page";
    case OptionsRowKind::Display:
        return ok + " makes it so";
    case OptionsRowKind::KeyOk:
    case OptionsRowKind::KeyCancel:
    case OptionsRowKind::KeyMenu:
        return ok + " and then the new key";
    case OptionsRowKind::Restore:
        return ok + " puts this page back";
    default:
        return "Left and Right change it";
    }
}

void DrawQuestion() {
    DrawMenuPanel(0.12f, 0.2f, 0.88f, 0.42f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    PrintShadowText(TimesFontBase, LayoutX(6.83), LayoutY(1.62), "Keep this display?");
    const int seconds = (OptionsConfirmLeft + 44) / 45;
    PrintShadowText(TimesFontBase, LayoutX(6.83), LayoutY(1.4), "%s keeps it, %s goes back: %d",
                    ActionControlName(GameAction::Ok).c_str(), ActionControlName(GameAction::Cancel).c_str(),
                    seconds);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

} // namespace

void DrawOptions() {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    DrawMenuPanel(0.705f, 0.85f, 0.95f, 1.0f);
    DrawMenuPanel(0.02f, 0.85f, 0.705f, 1.0f);
    DrawMenuPanel(0.02f, 0.02f, 0.95f, 0.85f);

    glNormal3f(0.0f, 0.0f, 1.0f);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(25.6), "Options");
    static const double tabs[kOptionsPageCount] = {12.8, 4.1, 2.3};
    for (int32_t page = 0; page < kOptionsPageCount; ++page) {
        if (page == OptionsPage)
            PrintShadowText(TimesFontBase, LayoutX(tabs[page]), LayoutY(25.6), "%s", OptionsPageName(page));
        else
            Grey(LayoutX(tabs[page]), LayoutY(25.6), OptionsPageName(page));
    }
    if (OptionsRow == 0)
        PrintShadowText(ArialFontBase, LayoutX(tabs[OptionsPage]) - LayoutX(25.6),
                        LayoutY(25.6) + LayoutY(34.9), "*");

    for (int32_t row = 1; row < OptionsRowCount(OptionsPage); ++row) {
        const OptionsRowKind kind = OptionsRowKindAt(OptionsPage, row);
        PrintShadowText(TimesFontBase, LayoutX(10.24), RowY(row), "%s", OptionsRowLabel(kind));
        const std::string value = OptionsRowValue(kind);
        const bool waiting = OptionsWaitingKey >= 0 && row == OptionsRow;
        if (waiting)
            Grey(LayoutX(2.05), RowY(row), "...");
        else if (!value.empty())
            PrintShadowText(TimesFontBase, LayoutX(2.05), RowY(row), "%s", value.c_str());
        if (row == OptionsRow) PrintShadowText(ArialFontBase, LayoutX(20.48), RowY(row) + LayoutY(34.9), "*");
    }
    if (OptionsMessage[0] != '\0')
        PrintShadowText(TimesFontBase, LayoutX(10.24), LayoutY(1.19), "%s", OptionsMessage);
    if (OptionsWaitingKey < 0 && OptionsConfirmLeft == 0)
        Grey(LayoutX(10.24), LayoutY(1.11), RowHelp(OptionsRowKindAt(OptionsPage, OptionsRow)).c_str());
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    if (OptionsConfirmLeft > 0) DrawQuestion();
}
