// The in-game menu: panels that slide in over a black screen, the nine entries
// and their pages. Every change acts on the hero record at once.
#pragma once

#include <cstdint>

enum MenuStateValue : int32_t {
    MenuTopList = 0,
    MenuTransition = 1,
    MenuItemPage = 2,
    MenuMagicPage = 3,
    MenuFuryPage = 4,
    MenuStatusPage = 5,
    MenuSavePage = 6,
    MenuLoadPage = 7,
    MenuSwarpPage = 8,
    MenuWarpPage = 9,
    MenuOptionsPage = 10,
};
// The top list's entries: Item to Quit, then Options.
constexpr int32_t kMenuEntryCount = 10;

extern int32_t MenuTarget;
extern int32_t ItemMenuCursor;
extern int32_t MagicMenuRow;
extern int32_t MagicMenuScroll;
extern int32_t MagicMenuColumn;
extern int32_t FuryCursor;
extern int32_t SwordSlotCursor;
extern int32_t SwarpBagCursor;
extern bool SwarpPicked;
extern int32_t HolderRow;
extern int32_t HolderSlot;
extern int32_t WarpBagRow;
extern int32_t WarpBagScroll;
extern bool WarpPicked;
// The Warp page lists this many of the bag's stones at a time.
constexpr int32_t kWarpBagRowsShown = 12;

extern float PanelSlideX;
extern float PanelSlideY;
extern float PanelEdgeA;
extern float PanelEdgeB;
extern float PanelBrightness;
extern float PageBlend;
extern bool MenuOpened;
extern bool PageEntered;

// Open the menu from the field: menu mode with the panels sliding in.
void OpenMenu();
// Put the menu back to its closed starting state (after a load).
void ResetMenuToClosed();

// The menu mode's frame: draws and presents.
void MenuFrame(uint8_t closing);
// Hold the page cursors inside their ranges, wherever a damaged state left them.
void HoldMenuCursors();
// One frame of the top list's slide; moves the panels and, once shut, returns to the field.
void AdvanceMenuSlide(uint8_t closing);
// One frame of the page transition.
void AdvancePageTransition();

void MenuOk();
void MenuCancel();
void MenuUp();
void MenuDown();
void MenuLeft();
void MenuRight();
