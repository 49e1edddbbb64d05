#include "app/render_scale.h"

#include "app/main_loop.h"

#include <algorithm>
#include <cmath>

float RenderScaleAsked = 1.0f;
float RenderScale = 1.0f;

namespace {

// A late window steps to where the frame's mean leaves this share of the
// budget for the frames that cost more than the mean.
constexpr double kFitShare = 0.85;
// A step up is taken only when its frames would leave more room still, so
// that the step just taken down is not taken back up at once.
constexpr double kRaiseShare = 0.7;
// When no step fits, a smaller one is worth its blur only if it saves this share.
constexpr double kWorthwhileSaving = 0.1;

AutoScaleState AutoScale;

double Area(int32_t step) {
    const double side = kRenderScaleSteps[step];
    return side * side;
}

// The fixed part from two windows at different steps, within what either
// cost; -1 when the smaller scene's window was not the cheaper, which says the
// scene itself changed between them (a walk into a heavier view), not what a
// step saves.
double FixedFrom(int32_t stepA, double meanA, int32_t stepB, double meanB) {
    const bool aSmaller = Area(stepA) < Area(stepB);
    if ((aSmaller ? meanA : meanB) >= (aSmaller ? meanB : meanA)) return -1.0;
    const double fixed = (meanA * Area(stepB) - meanB * Area(stepA)) / (Area(stepB) - Area(stepA));
    return std::clamp(fixed, 0.0, std::min(meanA, meanB));
}

// What a frame at step `at` is expected to cost, from a window's mean at step.
// Unknown, the fixed part is taken as nothing: steps up then look dearer than
// they are, never cheaper.
double ExpectedMs(double fixedMs, double meanMs, int32_t step, int32_t at) {
    const double fixed = std::min(fixedMs > 0.0 ? fixedMs : 0.0, meanMs);
    return fixed + (meanMs - fixed) / Area(step) * Area(at);
}

// The step for a window: where the model says to go, or -1 to stay.
int32_t WindowVerdict(AutoScaleState& state, double meanMs, double budgetMs) {
    const int32_t step = state.step;
    if (state.late >= kLateFramesToLower) {
        state.roomyWindows = 0;
        // Late frames say this step does not fit, whatever its mean: the
        // largest smaller one that does, else whichever costs least for its blur.
        int32_t target = -1;
        for (int32_t i = step + 1; i < kRenderScaleStepCount && target < 0; ++i)
            if (ExpectedMs(state.fixedMs, meanMs, step, i) <= budgetMs * kFitShare) target = i;
        if (target < 0) target = ChooseScaleStep(state.fixedMs, meanMs, step, budgetMs * kFitShare);
        state.lateWindowsHere += 1;
        // Frames kept late this long say the model may be wrong: forget the
        // fixed part and measure one step down again.
        if (target == step && state.lateWindowsHere >= state.retryAfter && step < kLowestUnfittedStep) {
            state.retryAfter = std::min(state.retryAfter * 2, kMostLateWindowsToRetry);
            state.fixedMs = -1.0;
            target = step + 1;
        }
        // Until the fixed part is known, every step down is also a measurement.
        if (state.fixedMs < 0.0) target = std::min(target, std::min(step + 1, kRenderScaleStepCount - 1));
        if (target > kLowestUnfittedStep && state.lateWindowsHere < kLateWindowsBelowHalf)
            target = std::max(step, kLowestUnfittedStep);
        return target != step ? target : -1;
    }
    state.lateWindowsHere = 0;
    const int32_t up = ChooseScaleStep(state.fixedMs, meanMs, step, budgetMs * kRaiseShare);
    const bool roomy = up < step && ExpectedMs(state.fixedMs, meanMs, step, up) <= budgetMs * kRaiseShare;
    if (state.late > 0 || !roomy) {
        state.roomyWindows = 0;
        return -1;
    }
    state.roomyWindows += 1;
    if (state.roomyWindows < kRoomyWindowsToRaise) return -1;
    state.roomyWindows = 0;
    return up;
}

} // namespace

void AskRenderScale(int32_t choice) {
    if (choice < 0 || choice >= kRenderScaleChoiceCount) return;
    RenderScaleAsked = kRenderScaleChoices[choice];
    RenderScale = RenderScaleAsked > 0.0f ? RenderScaleAsked : 1.0f;
}

int32_t AskedRenderScaleChoice() {
    for (int32_t i = 0; i < kRenderScaleChoiceCount; ++i)
        if (RenderScaleAsked == kRenderScaleChoices[i]) return i;
    return 0;
}

int32_t ChooseScaleStep(double fixedMs, double meanMs, int32_t step, double fitMs) {
    if (step < 0 || step >= kRenderScaleStepCount || !(meanMs >= 0.0)) return 0;
    double cost[kRenderScaleStepCount];
    for (int32_t i = 0; i < kRenderScaleStepCount; ++i) {
        cost[i] = ExpectedMs(fixedMs, meanMs, step, i);
        if (cost[i] <= fitMs) return i;
    }
    // Nothing fits: the frames will be late at any step, so blur only as far as
    // the smallest step a player may ask for, never to one that would not fit either.
    int32_t best = 0;
    for (int32_t i = 1; i <= kLowestUnfittedStep; ++i)
        if (cost[i] < cost[best] * (1.0 - kWorthwhileSaving)) best = i;
    return best;
}

float NextAutoScale(AutoScaleState& state, double frameMs, double budgetMs) {
    if (state.step < 0 || state.step >= kRenderScaleStepCount || state.lastStep >= kRenderScaleStepCount ||
        state.retryAfter < 1)
        state = {};
    // A clock that jumped says nothing about the frame.
    if (!(frameMs >= 0.0) || !std::isfinite(frameMs)) return kRenderScaleSteps[state.step];
    state.frames += 1;
    if (frameMs > budgetMs) state.late += 1;
    state.totalMs += frameMs;
    if (state.frames < kAutoScaleWindow) return kRenderScaleSteps[state.step];

    const double mean = state.totalMs / state.frames;
    if (state.lastStep >= 0 && state.lastStep != state.step) {
        const double fixed = FixedFrom(state.lastStep, state.lastMeanMs, state.step, mean);
        if (fixed >= 0.0) state.fixedMs = state.fixedMs < 0.0 ? fixed : (state.fixedMs + fixed) / 2.0;
    }
    state.lastStep = state.step;
    state.lastMeanMs = mean;
    const int32_t target = WindowVerdict(state, mean, budgetMs);
    if (target >= 0) {
        state.step = target;
        state.lateWindowsHere = 0;
    }
    state.frames = state.late = 0;
    state.totalMs = 0.0;
    return kRenderScaleSteps[state.step];
}

void NoteSceneFrame(double frameMs) {
    if (RenderScaleAsked > 0.0f) {
        RenderScale = RenderScaleAsked;
        return;
    }
    RenderScale = NextAutoScale(AutoScale, frameMs, kFrameInterval * 1000.0);
}
