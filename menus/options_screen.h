// The options screen, opened from the title and from the in-game menu: three
// pages (display, sound, controls) of settings that act at once, the wait for
// a key to rebind, the "Keep this display?" question after a display-mode
// change, and Game.cfg written whenever a page is left.
#pragma once

#include <cstdint>

enum OptionsPageValue : int32_t { OptionsDisplay = 0, OptionsSound = 1, OptionsControls = 2 };
constexpr int32_t kOptionsPageCount = 3;

// What the shell does for the screen: lay the picture out again for a new
// aspect, set and read the 3D render scale (0 1, 1 0.75, 2 0.5, 3 auto), set
// vertical sync, and write Game.cfg (false when it could not be written).
struct OptionsHooks {
    void (*relayout)();
    void (*setRenderScale)(int32_t choice);
    int32_t (*renderScale)();
    void (*setVSync)(bool on);
    bool (*save)();
};
extern OptionsHooks OptionsShell;

extern int32_t OptionsPage;
extern int32_t OptionsRow;           // 0 the page names, then the page's settings
extern int32_t OptionsWaitingKey;    // -1, or the action (0 OK, 1 Cancel, 2 Menu) waiting for its key
extern int32_t OptionsConfirmLeft;   // frames until a new display mode is given up; 0 when none waits
extern int32_t OptionsDisplayChoice; // 0 desktop full screen, 1 window, 2 on: the display's modes
extern int32_t OptionsSaveFailures;  // writes of Game.cfg that failed this run
extern char OptionsMessage[128];     // the line under the settings

// A display mode not kept with OK goes back by itself after this many frames (15 seconds).
constexpr int32_t kDisplayConfirmFrames = 675;

// Open the screen on its first page.
void OpenOptions();
// Whether the screen is up in the current mode.
bool OptionsShown();
// OK and Cancel on the screen; Cancel returns true once the screen is to close.
void OptionsOk();
bool OptionsCancel();
void OptionsArrow(int key);
// While a rebind waits, every key comes here; true when it was taken.
bool OptionsTakeKey(int key);
// One frame of the screen's clock (the display question's count-down).
void AdvanceOptions();
// Draw the screen in the unit square, over whatever the caller drew.
void DrawOptions();

// Why a key cannot be an action key, or nullptr when it can.
const char* RebindRefusal(int key);
// Give action (0 OK, 1 Cancel, 2 Menu) the key; a key another action holds
// swaps with it. Returns that other action, or -1.
int32_t RebindKey(char (&keys)[3], int32_t action, int key);
// The rows of a page, the page names' row included.
int32_t OptionsRowCount(int32_t page);
