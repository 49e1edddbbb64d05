// The harness's input script: one event a line, "FRAME press X", "FRAME hold
// Up 90", "FRAME pad stick left 0 -32767" and the rest, '#' starting a
// comment. Reading it touches nothing else, so any bytes can be fed to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ScriptAction {
    Press,
    Hold,
    Click,
    Move,
    PadPlug,
    PadUnplug,
    PadHold,
    PadStick,
    Hide,
    Show,
    Resize,
    AltEnter
};

struct ScriptEvent {
    uint32_t frame;
    ScriptAction action;
    int key;    // Press, Hold: virtual key; Click: 0 left, 1 right, 2 middle; PadHold: PadButton; PadStick:
                // PadStick
    int count;  // Hold, PadHold: frames held
    int dx, dy; // Move; PadStick: the stick's x and y
};

// Read an input script, its events sorted by frame; false with the failing line number in the reason.
bool ParseInputScript(const std::string& text, std::vector<ScriptEvent>& events, std::string* error);
// Turn a key name of the script into a virtual key; 0 when unknown.
int ScriptKeyCode(const std::string& name);
// Turn a pad button name of the script into its PadButton number; -1 when unknown.
int ScriptPadButton(const std::string& name);
// The numbers of the script and of the command line: up to nine digits, and
// for a signed one a leading '-'.
bool ParseScriptCount(const std::string& text, uint32_t* value);
bool ParseScriptNumber(const std::string& text, int* value);
