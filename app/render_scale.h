// How large the 3D scene is drawn: the Game.cfg choice, and for "auto" a
// controller that picks the largest scale whose frames fit the frame budget.
//
// It models a frame as a fixed part (the stretch to the picture, the 2D, the
// game's own work, the swap) plus a part in proportion to the scene's area.
// The fixed part is learnt whenever the scale changes, from the windows of
// frames just before and just after (unless the scene itself changed more than
// the step); the area part from every window.
#pragma once

#include <cstdint>

// The sizes "auto" moves between, largest first.
constexpr float kRenderScaleSteps[] = {1.0f, 0.75f, 0.5f, 0.35f};
constexpr int32_t kRenderScaleStepCount = 4;
// The smallest step taken when no step fits the budget (0.5): below it only a
// step that fits is worth its blur.
constexpr int32_t kLowestUnfittedStep = 2;

// Frames judged together before the scale moves.
constexpr int32_t kAutoScaleWindow = 30;
// Late frames in a window that make it late.
constexpr int32_t kLateFramesToLower = 3;
// Windows in a row with room to spare before the scale rises.
constexpr int32_t kRoomyWindowsToRaise = 2;
// Late windows in a row at one step before a step below 0.5 is taken: a
// lone late window at 0.5 is noise too often to blur the picture further.
constexpr int32_t kLateWindowsBelowHalf = 2;
// Late windows in a row at one step before the model is doubted and a step
// down is measured again; each time that changes nothing, twice as many.
constexpr int32_t kLateWindowsToRetry = 8;
constexpr int32_t kMostLateWindowsToRetry = 64;

// The scale asked for: 1, 0.75 or 0.5, or 0 for "auto".
extern float RenderScaleAsked;
// The scale the 3D of the next frame is drawn at.
extern float RenderScale;

// The scales a player can ask for, in Game.cfg and on the options screen; 0 is "auto".
constexpr int32_t kRenderScaleChoiceCount = 4;
constexpr float kRenderScaleChoices[kRenderScaleChoiceCount] = {1.0f, 0.75f, 0.5f, 0.0f};
// Ask for one of them; "auto" starts from full size and finds its own way down.
// A choice out of range changes nothing.
void AskRenderScale(int32_t choice);
// Which of them is asked for now (0, full size, for anything else).
int32_t AskedRenderScaleChoice();

struct AutoScaleState {
    int32_t step = 0; // into kRenderScaleSteps
    int32_t frames = 0;
    int32_t late = 0;
    double totalMs = 0.0;
    int32_t roomyWindows = 0;
    // The window before this one: its step and mean, to learn the fixed part
    // from when the step changes.
    int32_t lastStep = -1;
    double lastMeanMs = 0.0;
    // The fixed part of a frame; below 0 until frames at two steps were seen.
    double fixedMs = -1.0;
    // Late windows in a row since the step last changed, and how many of them
    // it takes before the model is doubted and measured again.
    int32_t lateWindowsHere = 0;
    int32_t retryAfter = kLateWindowsToRetry;
};

// The step the model picks for a window whose mean was meanMs at step: the
// largest whose frame is expected to fit fitMs; when none does, the largest
// down to 0.5 that is not a tenth dearer than any smaller one.
int32_t ChooseScaleStep(double fixedMs, double meanMs, int32_t step, double fitMs);

// One 3D frame's cost in, the scale for the next out. A late window steps to
// the step the model picks (one step at a time until the fixed part is
// known); a window without late frames whose model finds a larger step with
// plenty of room, as the one before it did, steps up to it. A model that
// keeps late frames where they are for kLateWindowsToRetry windows (a fixed
// part learnt while the view itself changed) is forgotten and measured anew
// one step down, no lower than 0.5.
float NextAutoScale(AutoScaleState& state, double frameMs, double budgetMs);

// The main loop's word after a frame with 3D, that took frameMs.
void NoteSceneFrame(double frameMs);
