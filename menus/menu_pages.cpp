// Drawing of the in-game menu: the four sliding panels of the top list, the
// page transition and each page's panels, texts, cursors and stones.
#include "assets/control_hints.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/text2d.h"
#include "menus/game_menu.h"
#include "menus/options_screen.h"
#include "menus/slot_list.h"
#include "platform/platform.h"
#include "records/records.h"
#include "world/level_table.h"

#include <GL/gl.h>

namespace {

template <size_t N>
int Width(const char (&)[N]) {
    return static_cast<int>(N);
}

// Texts print untextured in the material colour PrintShadowText sets.
void BeginText() {
    // Drawing a model leaves the current normal undefined, and the text's raster colour is lit.
    glNormal3f(0.0f, 0.0f, 1.0f);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
}
void EndText() {
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void Cursor(int x, int y) {
    PrintShadowText(ArialFontBase, x, y, "*");
}

const char* LevelName() {
    if (CurrentLevel < 0 || static_cast<size_t>(CurrentLevel) >= LevelTable.size()) return "";
    const char* name = LevelTable[static_cast<size_t>(CurrentLevel)].Name;
    return name ? name : "";
}

void HeroLines(int x, int y1, int y2, int y3) {
    PrintShadowText(TimesFontBase, x, y1, "%.*s LV %d", Width(Hero.Name), Hero.Name, Hero.Level);
    PrintShadowText(TimesFontBase, x, y2, "HP %d/%d", Hero.HP, Hero.MaxHP);
    PrintShadowText(TimesFontBase, x, y3, "MP %d/%d", Hero.MP, Hero.MaxMP);
}

void PageHeading(const char* title) {
    PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(25.6), "%s", title);
    HeroLines(LayoutX(5.12), 0, LayoutY(30.72), LayoutY(15.36));
}

void HeaderPanels() {
    DrawMenuPanel(0.705f, 0.85f, 0.95f, 1.0f);
    DrawMenuPanel(0.02f, 0.85f, 0.705f, 1.0f);
}

// ---- Top list ----

void DrawTopList() {
    glEnable(GL_COLOR_MATERIAL);
    glColor3f(PanelBrightness, PanelBrightness, PanelBrightness);
    const float a = PanelSlideX, b = PanelSlideY, c = PanelEdgeB, d = PanelEdgeA;
    DrawLitTexturedQuad(a + 0.68f, 0.2f, a, 0.2f, a, 1.0f, a + 0.68f, 1.0f, PanelTexture.texName);
    DrawLitTexturedQuad(0.705f, b + 0.8f, 0.95f, b + 0.8f, 0.95f, b, 0.705f, b, PanelTexture.texName);
    DrawLitTexturedQuad(0.02f, c + 0.175f, 0.7f, c + 0.175f, 0.7f, c, 0.02f, c, PanelTexture.texName);
    DrawLitTexturedQuad(d + 0.245f, 0.02f, d, 0.02f, d, 0.195f, d + 0.245f, 0.195f, PanelTexture.texName);
    glColor3f(1, 1, 1);
    if (!MenuOpened) return;

    static const char* const entries[kMenuEntryCount] = {"Item",   "Magic", "Warp", "Swarp", "Fury",
                                                         "Status", "Save",  "Load", "Quit",  "Options"};
    static const double entryRows[kMenuEntryCount] = {10.9, 6.4,  4.51, 3.49, 2.84,
                                                      2.4,  2.07, 1.82, 1.63, 1.474};
    static const double cursorRows[kMenuEntryCount] = {8.34, 5.4,  4.0,  3.17, 2.63,
                                                       2.24, 1.95, 1.73, 1.56, 1.417};
    BeginText();
    PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(15.36), "%.*s LV %d EXP %d", Width(Hero.Name),
                    Hero.Name, Hero.Level, Hero.Exp);
    PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(9.6), "HP %d/%d", Hero.HP, Hero.MaxHP);
    PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(6.98), "MP %d/%d", Hero.MP, Hero.MaxMP);
    for (int i = 0; i < kMenuEntryCount; ++i)
        PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(entryRows[i]), "%s", entries[i]);
    PrintShadowText(TimesFontBase, LayoutX(5.12), LayoutY(1.18), "Location :%s", LevelName());
    PrintShadowText(TimesFontBase, LayoutX(1.36), LayoutY(1.2), "Time  %d:%d:%d", PlayHours, PlayMinutes,
                    PlaySeconds);
    PrintShadowText(TimesFontBase, LayoutX(1.36), LayoutY(1.13), "G: %d", Hero.Gold);
    if (MenuCursor >= 0 && MenuCursor < kMenuEntryCount)
        Cursor(LayoutX(1.28), LayoutY(cursorRows[MenuCursor]));
    EndText();
    DrawHint(HintSpot::MenuTopList, {.ok = true, .cancel = true});
}

// ---- Pages ----

void DrawItemPage() {
    HeaderPanels();
    DrawMenuPanel(0.02f, 0.02f, 0.4f, 0.85f);
    DrawMenuPanel(0.4f, 0.02f, 0.95f, 0.85f);
    BeginText();
    PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(25.6), "Item");
    HeroLines(LayoutX(5.12), LayoutY(3.84), LayoutY(3.41), LayoutY(3.07));
    if (ItemMenuCursor >= 0 && ItemMenuCursor < 2) {
        const ItemRecord& item = HeldItems[ItemMenuCursor];
        if (item.Count > 0) {
            PrintShadowText(TimesFontBase, LayoutX(2.92), 0, "%.*s", Width(item.Name), item.Name);
            PrintShadowText(TimesFontBase, LayoutX(20.48), LayoutY(38.4), "%.*s", Width(item.Description),
                            item.Description);
        }
    }
    static const double rows[2] = {5.12, 4.26};
    for (int k = 0; k < 2; ++k) {
        const ItemRecord& item = HeldItems[k];
        if (item.Count <= 0) continue;
        PrintShadowText(TimesFontBase, LayoutX(1.86), LayoutY(rows[k]), "%.*s", Width(item.Name), item.Name);
        PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(rows[k]), "%d", item.Count);
    }
    Cursor(LayoutX(1.96), LayoutY(ItemMenuCursor == 0 ? 4.46 : 3.8));
    EndText();
}

void DrawMagicPage() {
    RebuildSpellLists();
    HeaderPanels();
    DrawMenuPanel(0.02f, 0.02f, 0.95f, 0.65f);
    DrawMenuPanel(0.02f, 0.65f, 0.95f, 0.85f);
    BeginText();
    PageHeading("Magic");
    const int selected = MagicMenuScroll + MagicMenuRow;
    if (selected >= 0 && selected <= LastSpellIndex && selected < kSpellListSize) {
        PrintShadowText(TimesFontBase, LayoutX(2.04), LayoutY(6.4), "%s", SpellList[selected].Name);
        PrintShadowText(TimesFontBase, LayoutX(12.8), LayoutY(5.12), "Causes %s Element Attack",
                        SpellList[selected].Name);
    }
    static const double rows[9] = {2.19, 2.02, 1.87, 1.74, 1.63, 1.53, 1.44, 1.37, 1.3};
    static const double cursorRows[9] = {2.07, 1.92, 1.78, 1.66, 1.56, 1.47, 1.39, 1.32, 1.25};
    static const double columns[3] = {4.096, 2.048, 1.36};
    static const double cursorColumns[3] = {4.55, 2.15, 1.41};
    for (int k = 0; k < 9; ++k) {
        const int i = MagicMenuScroll + k;
        if (i < 0 || i > LastSpellIndex || i >= kSpellListSize) continue;
        const SpellEntry& entry = SpellList[i];
        for (int s = 0; s < 3; ++s)
            if (s == 0 || entry.WarpLevel > s)
                PrintShadowText(TimesFontBase, LayoutX(columns[s]), LayoutY(rows[k]), "%s",
                                entry.SpellName[s]);
    }
    if (MagicMenuRow >= 0 && MagicMenuRow < 9 && MagicMenuColumn >= 0 && MagicMenuColumn < 3)
        Cursor(LayoutX(cursorColumns[MagicMenuColumn]), LayoutY(cursorRows[MagicMenuRow]));
    EndText();
}

void DrawFuryPage() {
    HeaderPanels();
    DrawMenuPanel(0.02f, 0.02f, 0.95f, 0.65f);
    DrawMenuPanel(0.02f, 0.65f, 0.95f, 0.85f);
    BeginText();
    PageHeading("Fury");
    const SkillRecord& selected = Hero.Skills[SelectedSkillIndex(Hero)];
    PrintShadowText(TimesFontBase, LayoutX(2.56), LayoutY(5.12), "%.*s", Width(selected.Name), selected.Name);
    static const double rows[2] = {2.19, 2.02};
    for (int k = 0; k < 2; ++k) {
        const SkillRecord& skill = Hero.Skills[k];
        if (!skill.Learned) continue;
        PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(rows[k]), "Level %d : %.*s", skill.SkillLevel,
                        Width(skill.Name), skill.Name);
        if (skill.Selected) PrintShadowText(TimesFontBase, LayoutX(1.7), LayoutY(rows[k]), "Selected");
    }
    static const double cursorRows[4] = {2.07, 1.92, 1.78, 1.66};
    if (FuryCursor >= 0 && FuryCursor < 4) Cursor(LayoutX(3.79), LayoutY(cursorRows[FuryCursor]));
    EndText();
}

void DrawStatusPage() {
    HeaderPanels();
    DrawMenuPanel(0.02f, 0.02f, 0.95f, 0.85f);
    BeginText();
    PageHeading("Status");
    PrintShadowText(TimesFontBase, LayoutX(1.62), LayoutY(4.51), "Swarp Status Adds");
    struct Row {
        double y;
        const char* label;
        int32_t value;
        int32_t add;
    };
    const Row rows[7] = {
        {3.84, "Attack", Hero.Attack, SwarpBonus.AddAttack},
        {3.33, "Defense", Hero.Defense, SwarpBonus.AddDefense},
        {2.95, "Dexterity", Hero.Dexterity, SwarpBonus.AddDexterity},
        {2.64, "Magic Defense", Hero.MagicDefense, SwarpBonus.AddMagicDefense},
        {2.4, "Luck", Hero.Luck, SwarpBonus.AddLuck},
        {2.19, "EXP", Hero.Exp, 0},
        {2.02, "LV UP At", Hero.NextLevelExp, 0},
    };
    for (const Row& row : rows) {
        PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(row.y), "%s", row.label);
        PrintShadowText(TimesFontBase, LayoutX(1.7), LayoutY(row.y), ": %d", row.value);
        if (row.add > 0) PrintShadowText(TimesFontBase, LayoutX(1.46), LayoutY(row.y), "%d", row.add);
    }
    PrintShadowText(TimesFontBase, LayoutX(3.41), LayoutY(1.87), "FuryBar Fill");
    PrintShadowText(TimesFontBase, LayoutX(1.7), LayoutY(1.87), ": %d %%", Hero.FuryBar);
    EndText();
}

void DrawSlotPage(bool saving) {
    DrawSlotList();
    BeginText();
    // The prompt takes the place of the hero's lines, which would print over it.
    PrintShadowText(TimesFontBase, LayoutX(1.24), LayoutY(25.6), "%s", saving ? "Save" : "Load");
    PrintShadowText(TimesFontBase, LayoutX(20.48), LayoutY(38.4), "%s",
                    saving ? "Choose the Slot you wish to Save to" : "Choose the Slot you wish to Load from");
    EndText();
}

void StonePanels() {
    HeaderPanels();
    DrawMenuPanel(0.02f, 0.65f, 0.95f, 0.85f);
    DrawMenuPanel(0.02f, 0.02f, 0.55f, 0.65f);
    DrawMenuPanel(0.56f, 0.02f, 0.95f, 0.65f);
}

const double kBagRows[kWarpBagRowsShown] = {2.4,  2.19, 2.02, 1.87, 1.74, 1.63,
                                            1.53, 1.44, 1.37, 1.3,  1.23, 1.18};
const double kBagCursorRows[kWarpBagRowsShown] = {2.25, 2.07, 1.92, 1.78, 1.66, 1.56,
                                                  1.47, 1.39, 1.32, 1.25, 1.2,  1.14};

// A stone model in a slot's colour; the model's own colour comes back after.
void DrawStone(Model3D& model, int32_t r, int32_t g, int32_t b) {
    if (model.materials.empty()) {
        DrawModel3D(model);
        return;
    }
    Material3D& material = model.materials[0];
    const Material3D saved = material;
    material.red = r;
    material.green = g;
    material.blue = b;
    DrawModel3D(model);
    material = saved;
}

void DrawSwarpStats(const SwarpRecord& swarp) {
    PrintShadowText(TimesFontBase, LayoutX(4.096), LayoutY(2.19), "%.*s", Width(swarp.Name), swarp.Name);
    const struct {
        double y;
        const char* label;
        int32_t value;
    } rows[7] = {
        {1.92, "Attack", swarp.AddAttack},
        {1.78, "Defense", swarp.AddDefense},
        {1.66, "Dexterity", swarp.AddDexterity},
        {1.56, "Luck", swarp.AddLuck},
        {1.47, "MagicDefense", swarp.AddMagicDefense},
        {1.39, "HP Plus", swarp.AddMaxHP},
        {1.32, "MP Plus", swarp.AddMaxMP},
    };
    for (const auto& row : rows) {
        if (row.value <= 0) continue;
        PrintShadowText(TimesFontBase, LayoutX(5.12), LayoutY(row.y), "%s", row.label);
        PrintShadowText(TimesFontBase, LayoutX(2.56), LayoutY(row.y), "%d", row.value);
    }
}

void DrawSword() {
    // Without the depth test only culling keeps a stone's far side from covering its near one.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glPushMatrix();
    glTranslatef(0.25f, 0.75f, 0.0f);
    glScalef(0.3f, 0.3f, 0.3f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    DrawModel3D(SwordModel);
    for (int i = 0; i < kSwordSlotCount; ++i) {
        const SwarpRecord& s = Hero.SwordSlots[i];
        if (!s.Open) continue;
        glPushMatrix();
        glTranslatef(0.3f + 0.1f * static_cast<float>(i), 0.05f, 0.0f);
        DrawStone(SwarpModel, s.ColorR, s.ColorG, s.ColorB);
        glPopMatrix();
    }
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

void DrawSwarpPage() {
    StonePanels();
    // The stones go under the cursors, not over them.
    DrawSword();
    BeginText();
    PageHeading("Swarp");
    const SwarpRecord& slot = Hero.SwordSlots[SwordSlotCursor];
    if (SwarpPicked)
        DrawSwarpStats(Hero.SwarpBag[SwarpBagCursor]);
    else if (slot.Open)
        DrawSwarpStats(slot);
    for (int k = 0; k < kSwarpBagSize; ++k)
        PrintShadowText(TimesFontBase, LayoutX(1.4), LayoutY(kBagRows[k]), "%.*s",
                        Width(Hero.SwarpBag[k].Name), Hero.SwarpBag[k].Name);
    Cursor(LayoutX(1.46), LayoutY(kBagCursorRows[SwarpBagCursor]));
    static const double slotColumns[8] = {3.3, 2.99, 2.73, 2.58, 2.39, 2.22, 2.08, 1.95};
    Cursor(LayoutX(slotColumns[SwordSlotCursor]), LayoutY(4.15));
    EndText();
}

void DrawWarpInfo(const WarpRecord& warp) {
    if (warp.Present) {
        PrintShadowText(TimesFontBase, LayoutX(4.096), LayoutY(2.19), "%.*s", Width(warp.Name), warp.Name);
        static const double rows[3] = {1.92, 1.78, 1.66};
        for (int s = 0; s < 3 && s < warp.MaxWarpLevel; ++s) {
            const int x = LayoutX(10.24), y = LayoutY(rows[s]);
            if (s == 0) {
                PrintShadowText(TimesFontBase, x, y, "%.*s", Width(warp.SpellName[s]), warp.SpellName[s]);
                continue;
            }
            glColor3f(0, 0, 0);
            PrintText(TimesFontBase, x + LayoutX(204.8), y + LayoutY(256), "%.*s", Width(warp.SpellName[s]),
                      warp.SpellName[s]);
            if (warp.WarpLevel > s)
                glColor3f(1, 1, 1);
            else
                glColor3f(0.5f, 0.5f, 0.5f);
            PrintText(TimesFontBase, x, y, "%.*s", Width(warp.SpellName[s]), warp.SpellName[s]);
            glColor3f(1, 1, 1);
        }
    }
    if (!NameIsEmpty(warp.Name)) {
        PrintShadowText(TimesFontBase, LayoutX(4.096), LayoutY(1.92), "Curent EXP");
        PrintShadowText(TimesFontBase, LayoutX(2.43), LayoutY(1.92), "%d", warp.WarpExp);
        PrintShadowText(TimesFontBase, LayoutX(4.096), LayoutY(1.78), "Next Level");
        PrintShadowText(TimesFontBase, LayoutX(2.43), LayoutY(1.78), "%d", warp.NextWarpExp);
        PrintShadowText(TimesFontBase, LayoutX(4.096), LayoutY(1.66), "Level:%d", warp.WarpLevel);
    }
}

void DrawHolders() {
    glEnable(GL_CULL_FACE);
    // The two holders one above the other beside their cursor rows, each
    // stone in a socket of the holder model just right of its slot's cursor.
    static const float socketX[8] = {0.346f, 0.431f, 0.53f, 0.635f, 0.891f, 0.99f, 1.082f, 1.184f};
    glDisable(GL_DEPTH_TEST);
    for (int h = 0; h < kWarpHolderCount; ++h) {
        glPushMatrix();
        glTranslatef(0.25f, 0.775f - 0.035f * static_cast<float>(h), 0.0f);
        glScalef(0.3f, 0.3f, 0.3f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        DrawModel3D(WarpHolderModel);
        for (int s = 0; s < kWarpHolderSlots; ++s) {
            const WarpRecord& warp = Hero.WarpHolders[h][s];
            if (!warp.Present) continue;
            glPushMatrix();
            glTranslatef(socketX[s], 0.03f, 0.0f);
            DrawStone(WarpModel, warp.ColorR, warp.ColorG, warp.ColorB);
            glPopMatrix();
        }
        glPopMatrix();
    }
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

void DrawWarpPage() {
    StonePanels();
    DrawHolders();
    BeginText();
    PageHeading("Warp");
    const int bagIndex = WarpBagScroll + WarpBagRow;
    DrawWarpInfo(WarpPicked ? Hero.WarpBag[bagIndex] : Hero.WarpHolders[HolderRow][HolderSlot]);
    PrintShadowText(TimesFontBase, LayoutX(1.36), LayoutY(1.09), "%d/30", bagIndex + 1);
    for (int k = 0; k < kWarpBagRowsShown; ++k) {
        const WarpRecord& warp = Hero.WarpBag[WarpBagScroll + k];
        PrintShadowText(TimesFontBase, LayoutX(1.4), LayoutY(kBagRows[k]), "%.*s", Width(warp.Name),
                        warp.Name);
    }
    Cursor(LayoutX(1.46), LayoutY(kBagCursorRows[WarpBagRow]));
    static const double slotColumns[8] = {3.15, 2.92, 2.69, 2.49, 2.08, 1.96, 1.86, 1.76};
    Cursor(LayoutX(slotColumns[HolderSlot]), LayoutY(HolderRow == 0 ? 4.65 : 4.0));
    EndText();
}

} // namespace

void MenuFrame(uint8_t closing) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glPushMatrix();
    EnterUnitSquare();
    HoldMenuCursors();
    // Some panels are wound clockwise, and the flat stones are seen from either side.
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D); // the last frame's stones leave it off

    switch (MenuState) {
    case MenuTopList:
        AdvanceMenuSlide(closing);
        DrawTopList();
        break;
    case MenuTransition:
        DrawMenuPanel(0.705f, PageBlend, 0.95f, 1.0f);
        AdvancePageTransition();
        break;
    case MenuItemPage:
        DrawItemPage();
        break;
    case MenuMagicPage:
        DrawMagicPage();
        break;
    case MenuFuryPage:
        DrawFuryPage();
        break;
    case MenuStatusPage:
        DrawStatusPage();
        break;
    case MenuSavePage:
        DrawSlotPage(true);
        break;
    case MenuLoadPage:
        DrawSlotPage(false);
        break;
    case MenuSwarpPage:
        DrawSwarpPage();
        break;
    case MenuWarpPage:
        DrawWarpPage();
        break;
    case MenuOptionsPage:
        AdvanceOptions();
        DrawOptions();
        break;
    default:
        break;
    }

    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    SwapScreenBuffer();
}
