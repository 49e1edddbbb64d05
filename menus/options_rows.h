// What each row of the options screen is, its label and the value it shows.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>

enum class OptionsRowKind {
    Pages,
    Display,
    Aspect,
    RenderScale,
    VSync,
    Music,
    Effects,
    KeyOk,
    KeyCancel,
    KeyMenu,
    MouseSpeed,
    InvertLook,
    Gamepads,
    PadOk,
    PadCancel,
    PadMenu,
    Restore,
};

// The display's modes as the screen offers them.
constexpr int32_t kMaxOptionsModes = 32;
extern DisplayMode OptionsModes[kMaxOptionsModes];
extern int32_t OptionsModeCount;

OptionsRowKind OptionsRowKindAt(int32_t page, int32_t row);
// "Music volume", "OK key"...; "" for the page names' row.
const char* OptionsRowLabel(OptionsRowKind kind);
// What the row is set to now: "80", "X", "Cross", "Classic 4:3"...
std::string OptionsRowValue(OptionsRowKind kind);
// The page's name: "Display", "Sound", "Controls".
const char* OptionsPageName(int32_t page);
