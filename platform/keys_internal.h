// Translation between SDL's keys and the game's virtual keys. Pure tables, so
// they work without a window.
#pragma once

#include <cstdint>

// The virtual key for an SDL keycode; 0 for a key the game has no code for.
int VirtualKeyFromKeycode(int32_t keycode);
// The SDL scancodes that hold a virtual key down (up to two: main and keypad
// or left and right); returns how many were written.
int ScancodesForVirtualKey(int key, int scancodes[2]);
