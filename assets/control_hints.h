// The small lines that tell the player what to press: the OK, Cancel and Menu
// controls in hand (the keys Game.cfg sets, or the buttons of the pad pressed
// last, in its own lettering) on the title, under the in-game menu's list and
// beside the battle's commands, and the marker in the dialogue box while a
// page waits for OK. Every spot is laid out here, in layout pixels, so the
// screens only say which actions apply.
#pragma once

#include "assets/input_names.h"
#include "assets/settings.h"
#include "assets/text2d.h"

#include <cstdint>
#include <string>
#include <vector>

enum class HintSpot { Title, MenuTopList, BattleCommands };

// The actions a screen's hint names; it names them in this order.
struct HintActions {
    bool ok = false;
    bool cancel = false;
    bool menu = false;
};

// Where a hint may lie: its lines end at `right`, the lowest at `y` (the top
// of a Times line), and none may start left of `left`.
struct HintBox {
    int32_t left;
    int32_t right;
    int32_t y;
    int32_t lineStep;
};

struct HintLine {
    std::string text;
    TextPoint at;
};

// Pixel columns a text covers in the Times font of a layout w pixels wide.
using HintMeasure = int32_t (*)(int32_t w, const char* text);
// The game's own fonts, measured as they draw.
int32_t MeasureHintText(int32_t w, const char* text);

// "X: OK", or "Cross: OK" once a PlayStation pad was pressed last.
std::string HintEntry(GameAction action, InputDevice device, PadType type);
std::vector<std::string> HintEntries(HintActions actions, InputDevice device = LastInputDevice(),
                                     PadType type = LastPadType());

HintBox HintBoxAt(HintSpot spot, int32_t w, int32_t h);
// One line right-aligned in the box when it fits; else one entry a line,
// stacked upward from the box's row.
std::vector<HintLine> LayOutHint(const std::vector<std::string>& entries, const HintBox& box, int32_t w,
                                 HintMeasure measure);

// The dialogue box's marker on its speaker row: the OK control's name, then a
// small arrow that bobs, both ending at the panel's inner edge.
struct OkMarker {
    std::string name;
    TextPoint nameAt;
    int32_t arrowLeft, arrowRight, arrowTop, arrowBottom;
};
OkMarker LayOutOkMarker(const std::string& name, int32_t w, int32_t rowY, int32_t frame, HintMeasure measure);

// Draw a screen's hint in the layout area, in any projection; nothing when
// hints are off or no action applies. Leaves the GL state as it found it.
void DrawHint(HintSpot spot, HintActions actions);
// Draw the dialogue box's marker on the row whose text starts at rowY; needs
// the box's pixel projection (OrthoMode). Each call is a frame of its bob.
void DrawOkMarker(int32_t rowY);
