#include "menus/game_menu.h"

#include "assets/game_state.h"
#include "assets/menu_cursor.h"
#include "assets/quit.h"
#include "menus/options_screen.h"
#include "menus/slot_actions.h"
#include "menus/slot_list.h"
#include "records/records.h"

#include <algorithm>
#include <utility>

int32_t MenuTarget = MenuItemPage;
int32_t ItemMenuCursor = 0;
int32_t MagicMenuRow = 0;
int32_t MagicMenuScroll = 0;
int32_t MagicMenuColumn = 0;
int32_t FuryCursor = 0;
int32_t SwordSlotCursor = 0;
int32_t SwarpBagCursor = 0;
bool SwarpPicked = false;
int32_t HolderRow = 0;
int32_t HolderSlot = 0;
int32_t WarpBagRow = 0;
int32_t WarpBagScroll = 0;
bool WarpPicked = false;

float PanelSlideX = -0.5f;
float PanelSlideY = -0.3f;
float PanelEdgeA = 1.205f;
float PanelEdgeB = 0.52f;
float PanelBrightness = 0.0f;
float PageBlend = 0.2f;
bool MenuOpened = false;
bool PageEntered = false;

namespace {

// Where the four panels rest, open and shut, and how far they move a frame.
constexpr float kHeroPanelOpen = 0.01f, kHeroPanelShut = -0.5f;
constexpr float kCommandPanelOpen = 0.2f, kCommandPanelShut = -0.3f;
constexpr float kTimePanelOpen = 0.715f, kTimePanelShut = 1.205f;
constexpr float kLocationPanelOpen = 0.03f, kLocationPanelShut = 0.52f;
constexpr float kPanelStep = 0.01f;

// One step of a panel toward its resting place, stopping there: a float sum
// compared with the limit would end a step past it.
float SlideToward(float value, float rest, float step) {
    return value < rest ? std::min(value + step, rest) : std::max(value - step, rest);
}

// A row cursor over a scrolled list: past the last row the list scrolls.
void ScrollStep(int32_t& row, int32_t& scroll, int delta, int32_t lastRow, int32_t lastScroll) {
    if (delta > 0 && row == lastRow) {
        if (scroll < lastScroll) ++scroll;
        return;
    }
    if (delta < 0 && row == 1 && scroll > 0) {
        --scroll;
        return;
    }
    StepCursor(row, delta, 0, lastRow);
}

void Vertical(int delta) {
    switch (MenuState) {
    case MenuTopList:
        StepCursor(MenuCursor, delta, 0, kMenuEntryCount - 1);
        break;
    case MenuItemPage:
        StepCursor(ItemMenuCursor, delta, 0, 1);
        break;
    case MenuMagicPage:
        ScrollStep(MagicMenuRow, MagicMenuScroll, delta, 8, 7);
        break;
    case MenuSavePage:
    case MenuLoadPage:
        StepCursor(SaveSlotCursor, delta, 0, kSaveSlotCount - 1);
        break;
    case MenuFuryPage:
        StepCursor(FuryCursor, delta, 0, kSkillCount - 1);
        break;
    case MenuSwarpPage:
        if (SwarpPicked) StepCursor(SwarpBagCursor, delta, 0, kSwarpBagSize - 1);
        break;
    case MenuWarpPage:
        if (!WarpPicked)
            StepCursor(HolderRow, delta, 0, kWarpHolderCount - 1);
        else
            ScrollStep(WarpBagRow, WarpBagScroll, delta, kWarpBagRowsShown - 1,
                       kWarpBagSize - kWarpBagRowsShown);
        break;
    default:
        break;
    }
}

void Horizontal(int delta) {
    switch (MenuState) {
    case MenuMagicPage:
        StepCursor(MagicMenuColumn, delta, 0, 2);
        break;
    case MenuSwarpPage:
        if (!SwarpPicked) StepCursor(SwordSlotCursor, delta, 0, kSwordSlotCount - 1);
        break;
    case MenuWarpPage:
        if (!WarpPicked) StepCursor(HolderSlot, delta, 0, kWarpHolderSlots - 1);
        break;
    default:
        break;
    }
}

void UseItem() {
    if (ItemMenuCursor < 0 || ItemMenuCursor > 1) return;
    ItemRecord& item = HeldItems[ItemMenuCursor];
    if (item.Count <= 0) return;
    // Counted in 64 bits: a loaded hero may sit near the top of the range.
    const int64_t hp = int64_t{Hero.HP} + item.HpRestore;
    const int64_t mp = int64_t{Hero.MP} + item.MpRestore;
    Hero.HP = static_cast<int32_t>(hp > Hero.MaxHP ? Hero.MaxHP : hp);
    Hero.MP = static_cast<int32_t>(mp > Hero.MaxMP ? Hero.MaxMP : mp);
    item.Count -= 1;
}

void SelectSkill() {
    if (FuryCursor < 0 || FuryCursor >= kSkillCount || !Hero.Skills[FuryCursor].Learned) return;
    Hero.Skills[SelectedSkillIndex(Hero)].Selected = 0;
    Hero.Skills[FuryCursor].Selected = 1;
}

void PickOrSwapSwarp() {
    SwarpRecord& slot = Hero.SwordSlots[SwordSlotCursor];
    if (!SwarpPicked) {
        SwarpPicked = slot.Open != 0;
        return;
    }
    std::swap(slot, Hero.SwarpBag[SwarpBagCursor]);
    SwarpPicked = false;
}

void PickOrSwapWarp() {
    WarpRecord& slot = Hero.WarpHolders[HolderRow][HolderSlot];
    if (!WarpPicked) {
        WarpPicked = slot.Present != 0;
        return;
    }
    std::swap(slot, Hero.WarpBag[WarpBagScroll + WarpBagRow]);
    WarpPicked = false;
}

} // namespace

void HoldMenuCursors() {
    const auto hold = [](int32_t& value, int32_t lo, int32_t hi) { value = std::clamp(value, lo, hi); };
    hold(SwordSlotCursor, 0, kSwordSlotCount - 1);
    hold(SwarpBagCursor, 0, kSwarpBagSize - 1);
    hold(HolderRow, 0, kWarpHolderCount - 1);
    hold(HolderSlot, 0, kWarpHolderSlots - 1);
    hold(WarpBagRow, 0, kWarpBagRowsShown - 1);
    hold(WarpBagScroll, 0, kWarpBagSize - kWarpBagRowsShown);
}

void OpenMenu() {
    GameMode = ModeMenu;
    MenuClosing = 0;
}

void ResetMenuToClosed() {
    MenuState = MenuTopList;
    MenuCursor = 0;
    ItemMenuCursor = 0;
    MenuTarget = MenuItemPage;
    MenuOpened = false;
    PageEntered = false;
    PanelSlideX = kHeroPanelShut;
    PanelSlideY = kCommandPanelShut;
    PanelEdgeA = kTimePanelShut;
    PanelEdgeB = kLocationPanelShut;
    PanelBrightness = 0.0f;
    PageBlend = 0.2f;
    MenuClosing = 0;
}

void AdvanceMenuSlide(uint8_t closing) {
    if (!closing) {
        if (PanelSlideX < kHeroPanelOpen) PanelBrightness += 0.02f;
        PanelSlideX = SlideToward(PanelSlideX, kHeroPanelOpen, kPanelStep);
        PanelSlideY = SlideToward(PanelSlideY, kCommandPanelOpen, kPanelStep);
        PanelEdgeA = SlideToward(PanelEdgeA, kTimePanelOpen, kPanelStep);
        if (PanelEdgeB <= kLocationPanelOpen)
            MenuOpened = true;
        else
            PanelEdgeB = SlideToward(PanelEdgeB, kLocationPanelOpen, kPanelStep);
        return;
    }
    MenuOpened = false;
    if (PanelSlideX > kHeroPanelShut) PanelBrightness -= 0.02f;
    PanelSlideX = SlideToward(PanelSlideX, kHeroPanelShut, kPanelStep);
    PanelSlideY = SlideToward(PanelSlideY, kCommandPanelShut, kPanelStep);
    PanelEdgeA = SlideToward(PanelEdgeA, kTimePanelShut, kPanelStep);
    if (PanelEdgeB >= kLocationPanelShut)
        GameMode = ModeField;
    else
        PanelEdgeB = SlideToward(PanelEdgeB, kLocationPanelShut, kPanelStep);
}

void AdvancePageTransition() {
    if (!PageEntered) {
        PageBlend += 0.01f;
        if (PageBlend >= 0.84f) {
            MenuState = MenuTarget;
            PageEntered = true;
        }
        return;
    }
    PageBlend -= 0.01f;
    if (PageBlend <= 0.2f) {
        PageEntered = false;
        MenuState = MenuTopList;
    }
}

void MenuOk() {
    static const int32_t targets[8] = {MenuItemPage, MenuMagicPage,  MenuWarpPage, MenuSwarpPage,
                                       MenuFuryPage, MenuStatusPage, MenuSavePage, MenuLoadPage};
    switch (MenuState) {
    case MenuTopList:
        if (MenuCursor >= 0 && MenuCursor < 8) {
            MenuTarget = targets[MenuCursor];
            MenuState = MenuTransition;
        } else if (MenuCursor == 8) {
            QuitSequence();
        } else if (MenuCursor == 9) {
            OpenOptions();
            MenuTarget = MenuOptionsPage;
            MenuState = MenuTransition;
        }
        break;
    case MenuItemPage:
        UseItem();
        break;
    case MenuFuryPage:
        SelectSkill();
        break;
    case MenuSavePage:
        SaveSlotAction();
        break;
    case MenuLoadPage:
        LoadSlotIntoField(SaveSlotCursor);
        break;
    case MenuSwarpPage:
        PickOrSwapSwarp();
        break;
    case MenuWarpPage:
        PickOrSwapWarp();
        break;
    default:
        break;
    }
}

void MenuCancel() {
    switch (MenuState) {
    case MenuTopList:
        MenuClosing = 1;
        break;
    case MenuItemPage:
    case MenuMagicPage:
    case MenuFuryPage:
    case MenuStatusPage:
        MenuState = MenuTransition;
        break;
    case MenuSavePage:
    case MenuLoadPage:
        SlotInfoRead = 0;
        MenuState = MenuTransition;
        break;
    case MenuSwarpPage:
        if (SwarpPicked)
            SwarpPicked = false;
        else
            MenuState = MenuTransition;
        break;
    case MenuWarpPage:
        if (WarpPicked)
            WarpPicked = false;
        else
            MenuState = MenuTransition;
        break;
    case MenuOptionsPage:
        if (OptionsCancel()) MenuState = MenuTransition;
        break;
    default:
        break;
    }
}

void MenuUp() {
    Vertical(-1);
}
void MenuDown() {
    Vertical(1);
}
void MenuLeft() {
    Horizontal(-1);
}
void MenuRight() {
    Horizontal(1);
}
