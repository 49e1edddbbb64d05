// How large the 3D scene is drawn: the Game.cfg choice, and for "auto" a
// controller that lowers the scale while frames run late and raises it again
// once they have room.
#pragma once

#include <cstdint>

// The sizes "auto" moves between, largest first.
constexpr float kRenderScaleSteps[] = {1.0f, 0.75f, 0.5f, 0.35f};
constexpr int32_t kRenderScaleStepCount = 4;

// Frames judged together before the scale moves.
constexpr int32_t kAutoScaleWindow = 30;
// Late frames in a window that lower the scale.
constexpr int32_t kLateFramesToLower = 3;
// Windows in a row with room to spare before the scale rises.
constexpr int32_t kRoomyWindowsToRaise = 2;

// The scale asked for: 1 or 0.5, or 0 for "auto".
extern float RenderScaleAsked;
// The scale the 3D of the next frame is drawn at.
extern float RenderScale;

struct AutoScaleState {
    int32_t step = 0; // into kRenderScaleSteps
    int32_t frames = 0;
    int32_t late = 0;
    double totalMs = 0.0;
    int32_t roomyWindows = 0;
};

// One 3D frame's cost in, the scale for the next out. A window with a few late
// frames steps down; a window whose mean, grown by the pixels the next step up
// adds, still fits well inside the budget counts as roomy.
float NextAutoScale(AutoScaleState& state, double frameMs, double budgetMs);

// The main loop's word after a frame with 3D, that took frameMs.
void NoteSceneFrame(double frameMs);
