#include "battle/command_menu.h"

#include "assets/control_hints.h"
#include "assets/game_state.h"
#include "assets/loaded_assets.h"
#include "assets/menu_cursor.h"
#include "assets/menu_layout.h"
#include "assets/text2d.h"
#include "battle/battle_numbers.h"
#include "battle/battle_state.h"
#include "battle/effects.h"
#include "records/battle_slots.h"
#include "records/records.h"

#include <GL/gl.h>

int32_t CommandCursor = 0;
int32_t TargetCursor = 0;
int32_t ItemCursor = 0;
int32_t SpellRow = 0;
int32_t SpellScroll = 0;
int32_t SpellColumn = 0;
int32_t SummonRow = 0;
int32_t SummonScroll = 0;
uint8_t TargetSelect = 0;
uint8_t ItemListOpen = 0;
uint8_t SpellListOpen = 0;
uint8_t SummonListOpen = 0;
int32_t MenuSlide = 0;
float HeroGaugeWidth = 0.0f;

namespace {

enum Command : int32_t { CommandAttack = 0, CommandMagic, CommandSummon, CommandItem };

// The command menu slides in from the left.
int32_t MenuX(double c) {
    return LayoutX(c) + MenuSlide;
}

void Panel(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    DrawPanel(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x1), static_cast<float>(y2),
              static_cast<float>(x2), static_cast<float>(y2), static_cast<float>(x2), static_cast<float>(y1),
              PanelTexture.texName);
}

void Cursor(int32_t x, int32_t y) {
    PrintText(ArialFontBase, x, y, "*");
}

bool CanSpend(int32_t cost) {
    return Hero.MP >= cost;
}

// A live slot under the target cursor becomes the target.
bool TakeTarget() {
    if (TargetCursor < 0 || TargetCursor >= kBattleSlotCount) return false;
    MonsterRecord& slot = BattleSlots[TargetCursor];
    if (slot.Dead) return false;
    TargetMonster = &slot;
    return true;
}

void CommonEnd() {
    MenuSlide = MenuSlideStart();
    Hero.AttackTimer = 0;
    TargetSelect = ItemListOpen = SpellListOpen = SummonListOpen = 0;
    HeroGaugeWidth = 0.0f;
    MenuOpen = 0;
}

void OkAttack() {
    if (!TargetSelect) {
        TargetSelect = 1;
        return;
    }
    if (!TakeTarget()) return;
    if (FuryReady)
        FuryCommand = 1;
    else
        AttackCommand = 1;
    CommonEnd();
}

void OkMagic() {
    if (LastSpellIndex < 0) return;
    if (!SpellListOpen) {
        SpellListOpen = 1;
        return;
    }
    const int32_t i = SpellScroll + SpellRow;
    if (i < 0 || i > LastSpellIndex || i >= kSpellListSize) return;
    const SpellEntry& entry = SpellList[i];
    if (SpellColumn < 0 || SpellColumn > 2 || SpellColumn > entry.WarpLevel - 1) return;
    if (!CanSpend(entry.MpCost[SpellColumn])) return;
    // A spell without a scene of its own would end the turn doing nothing.
    if (!SpellHasScene(entry.SpellName[SpellColumn])) return;
    if (!TargetSelect) {
        TargetSelect = 1;
        return;
    }
    if (!TakeTarget() || !ChooseSpell(entry, SpellColumn)) return;
    CommonEnd();
}

void OkSummon() {
    if (LastSummonIndex < 0) return;
    if (!SummonListOpen) {
        SummonListOpen = 1;
        return;
    }
    const int32_t i = SummonScroll + SummonRow;
    // An empty row, like a summon without a scene, would end the turn doing nothing.
    if (i < 0 || i > LastSummonIndex || i >= kSummonListSize) return;
    const SpellEntry& entry = SummonList[i];
    if (!CanSpend(entry.MpCost[0]) || !SpellHasScene(entry.SpellName[0])) return;
    if (!TargetSelect) {
        TargetSelect = 1;
        return;
    }
    if (!TakeTarget() || !ChooseSpell(entry, 0)) return;
    CommonEnd();
}

void OkItem() {
    if (!ItemListOpen) {
        ItemListOpen = 1;
        return;
    }
    if (ItemCursor < 0 || ItemCursor >= kItemCount) return;
    ItemRecord& item = HeldItems[ItemCursor];
    if (item.Count < 1) return;
    ItemInUse = &item;
    ItemCommand = 1;
    CommonEnd();
}

// Down and Up in a scrolling list of three visible rows.
void ListDown(int32_t& row, int32_t& scroll, int32_t lastIndex, int32_t lastRow) {
    if (row == 2 && scroll < lastIndex - 2)
        scroll += 1;
    else if (row < lastRow)
        row += 1;
}

void ListUp(int32_t& row, int32_t& scroll) {
    if (row == 1 && scroll > 0)
        scroll -= 1;
    else if (row > 0)
        row -= 1;
}

void Vertical(int32_t delta) {
    if (TargetSelect) {
        StepCursor(TargetCursor, delta, 0, kBattleSlotCount - 1);
    } else if (ItemListOpen) {
        StepCursor(ItemCursor, delta, 0, kItemCount - 1);
    } else if (SpellListOpen) {
        if (delta > 0)
            ListDown(SpellRow, SpellScroll, LastSpellIndex, 2);
        else
            ListUp(SpellRow, SpellScroll);
    } else if (SummonListOpen) {
        if (delta > 0)
            ListDown(SummonRow, SummonScroll, LastSummonIndex, 4);
        else
            ListUp(SummonRow, SummonScroll);
    } else {
        StepCursor(CommandCursor, delta, CommandAttack, CommandItem);
    }
}

const double kRowY[3] = {1.82, 1.63, 1.47};

void DrawCommandPanel() {
    Panel(MenuX(5.12), LayoutY(1.28), MenuX(2.56), LayoutY(1.01));
    const SkillRecord& skill = Hero.Skills[SelectedSkillIndex(Hero)];
    if (FuryReady)
        PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(1.24), "%.*s",
                        static_cast<int>(sizeof skill.Name), skill.Name);
    else
        PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(1.24), "Attack");
    if (LastSpellIndex >= 0) PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(1.19), "Magic");
    if (LastSummonIndex >= 0) PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(1.14), "Summon");
    PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(1.1), "Item");
    Cursor(MenuX(4.65), MenuLayout.CommandCursorY[CommandCursor]);
}

void DrawTargetPanel() {
    Panel(MenuX(2.27), LayoutY(1.2), MenuX(1.57), LayoutY(1.01));
    const double rows[kBattleSlotCount] = {1.19, 1.14, 1.1};
    for (int i = 0; i < kBattleSlotCount; ++i)
        if (!BattleSlots[i].Dead)
            PrintShadowText(TimesFontBase, MenuX(2.04), LayoutY(rows[i]), "%.*s",
                            static_cast<int>(sizeof BattleSlots[i].Name), BattleSlots[i].Name);
    Cursor(MenuX(2.17), MenuLayout.TargetCursorY[TargetCursor]);
}

void DrawItemPanel() {
    Panel(MenuX(5.12), LayoutY(1.92), MenuX(2.56), LayoutY(1.32));
    const double rows[2] = {1.82, 1.72};
    for (int i = 0; i < 2; ++i) {
        const ItemRecord& item = HeldItems[i];
        if (item.Count <= 0) continue;
        PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(rows[i]), "%.*s",
                        static_cast<int>(sizeof item.Name), item.Name);
        PrintShadowText(TimesFontBase, MenuX(2.84), LayoutY(rows[i]), "%d", item.Count);
    }
    Cursor(MenuX(4.65), MenuLayout.ItemCursorY[ItemCursor]);
}

void DrawSpellPanel() {
    Panel(MenuX(5.12), LayoutY(1.92), MenuX(1.86), LayoutY(1.32));
    Panel(MenuX(1.76), LayoutY(1.92), MenuX(1.4), LayoutY(1.32));
    for (int k = 0; k < 3; ++k) {
        const int32_t i = SpellScroll + k;
        if (i < 0 || i > LastSpellIndex || i >= kSpellListSize) continue;
        const SpellEntry& entry = SpellList[i];
        PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(kRowY[k]), "%s", entry.SpellName[0]);
        if (AllTargets) PrintShadowText(TimesFontBase, MenuX(3.1), LayoutY(kRowY[k]), ">");
        if (entry.WarpLevel > 1)
            PrintShadowText(TimesFontBase, MenuX(2.92), LayoutY(kRowY[k]), "%s", entry.SpellName[1]);
        if (entry.WarpLevel > 2)
            PrintShadowText(TimesFontBase, MenuX(2.27), LayoutY(kRowY[k]), "%s", entry.SpellName[2]);
    }
    const int32_t chosen = SpellScroll + SpellRow;
    if (chosen >= 0 && chosen <= LastSpellIndex && chosen < kSpellListSize && SpellColumn >= 0 &&
        SpellColumn <= 2 && SpellColumn <= SpellList[chosen].WarpLevel - 1) {
        PrintShadowText(TimesFontBase, MenuX(1.7), LayoutY(1.82), "MP Cost");
        PrintShadowText(TimesFontBase, MenuX(1.65), LayoutY(1.7), "%d/%d",
                        SpellList[chosen].MpCost[SpellColumn], Hero.MP);
    }
    if (LastSpellIndex > 2)
        PrintShadowText(TimesFontBase, MenuX(2.089), LayoutY(1.42), "%d/%d", chosen + 1, LastSpellIndex + 1);
    Cursor(MenuLayout.SpellCursorX[SpellColumn] + MenuSlide, MenuLayout.SpellCursorY[SpellRow]);
}

void DrawSummonPanel() {
    Panel(MenuX(5.12), LayoutY(1.92), MenuX(2.56), LayoutY(1.32));
    Panel(MenuX(2.43), LayoutY(1.92), MenuX(1.79), LayoutY(1.32));
    for (int k = 0; k < 3; ++k) {
        const int32_t i = SummonScroll + k;
        if (i < 0 || i > LastSummonIndex || i >= kSummonListSize) continue;
        PrintShadowText(TimesFontBase, MenuX(4.09), LayoutY(kRowY[k]), "%s", SummonList[i].Name);
    }
    const int32_t chosen = SummonScroll + SummonRow;
    if (chosen >= 0 && chosen <= LastSummonIndex && chosen < kSummonListSize) {
        PrintShadowText(TimesFontBase, MenuX(2.32), LayoutY(1.82), "MP Cost");
        PrintShadowText(TimesFontBase, MenuX(2.22), LayoutY(1.7), "%d/%d", SummonList[chosen].MpCost[0],
                        Hero.MP);
    }
    if (LastSummonIndex > 2)
        PrintShadowText(TimesFontBase, MenuX(2.089), LayoutY(1.42), "%d/%d", chosen + 1, LastSummonIndex + 1);
    Cursor(MenuX(4.65), MenuLayout.ItemCursorY[SummonRow]);
}

} // namespace

int32_t MenuSlideStart() {
    return LayoutX(4.09) * -2;
}

void ResetCommandMenu() {
    CommandCursor = 0;
    SpellRow = 0;
    SpellScroll = 0;
    TargetSelect = ItemListOpen = SpellListOpen = SummonListOpen = 0;
    MenuOpen = 0;
    MenuSlide = MenuSlideStart();
    HeroGaugeWidth = 0.0f;
}

void StepHeroGauge() {
    if (HeroActing || AttackCommand || ItemCommand || FuryCommand || AnySpellCast() || Hero.HP <= 0) return;
    if (LayoutX(1.02) <= HeroGaugeWidth + LayoutX(1.13)) {
        MenuOpen = 1;
    } else {
        HeroGaugeWidth += LayoutArea.width / 1050.0f;
        Hero.AttackTimer += 1;
    }
}

void BattleMenuFrame() {
    OrthoMode(0, 0, LayoutArea.width, LayoutArea.height);
    glDisable(GL_DEPTH_TEST);
    // Panels leave texturing off and colour material on, which the printer needs.
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    if (MenuOpen) {
        DrawCommandPanel();
        if (MenuSlide < 0) MenuSlide += LayoutArea.width / 40;
        if (MenuSlide > 0) MenuSlide = 0;
        if (TargetSelect) DrawTargetPanel();
        if (ItemListOpen) DrawItemPanel();
        DrawHint(HintSpot::BattleCommands, {.ok = true, .cancel = BattleMenuCancelSteps()});
    }
    if (SpellListOpen) DrawSpellPanel();
    if (SummonListOpen) DrawSummonPanel();
    DrawBattleGauges();
    StepHeroGauge();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    PerspectiveMode();
}

void BattleMenuOk() {
    if (!BattleRunning || !MenuOpen) return;
    switch (CommandCursor) {
    case CommandAttack:
        OkAttack();
        break;
    case CommandMagic:
        OkMagic();
        break;
    case CommandSummon:
        OkSummon();
        break;
    case CommandItem:
        OkItem();
        break;
    default:
        break;
    }
}

bool BattleMenuCancelSteps() {
    return TargetSelect || ItemListOpen || SpellListOpen || SummonListOpen;
}

void BattleMenuCancel() {
    if (TargetSelect) {
        TargetSelect = 0;
        return;
    }
    ItemListOpen = SpellListOpen = SummonListOpen = 0;
}

void BattleMenuUp() {
    Vertical(-1);
}

void BattleMenuDown() {
    Vertical(1);
}

void BattleMenuLeft() {
    if (SpellListOpen) StepCursor(SpellColumn, -1, 0, 2);
}

void BattleMenuRight() {
    if (SpellListOpen) StepCursor(SpellColumn, 1, 0, 2);
}
