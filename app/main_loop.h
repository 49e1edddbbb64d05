// The fixed-rate loop: window messages are handled as they come, and a frame
// of the current game mode starts on the first pass after more than 1/45 s
// since the last one began. A late frame runs late; nothing catches up.
#pragma once

#include <cstdint>

// 1/45 s, held as a 32-bit float.
constexpr float kFrameInterval = 0.022222223f;

// Tell whether a frame is due at this time (seconds) after one that began at last.
bool FrameDue(float now, float last);
// Milliseconds to sleep before the next frame can be due (at least 1).
uint32_t MillisecondsUntilFrame(float now, float last);
// Count play time after a frame of a mode above the title.
void AdvancePlayClock(uint32_t tickMs);
// Run one frame of the current game mode.
void RunFrameWork();
// Handle messages and run frames until the quit message arrives; returns its exit code.
int RunMainLoop();
