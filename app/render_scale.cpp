#include "app/render_scale.h"

#include "app/main_loop.h"

float RenderScaleAsked = 1.0f;
float RenderScale = 1.0f;

namespace {

// A step up is taken only when its frames would still leave this share of the budget free.
constexpr double kRaiseShare = 0.75;

AutoScaleState AutoScale;

} // namespace

float NextAutoScale(AutoScaleState& state, double frameMs, double budgetMs) {
    if (state.step < 0 || state.step >= kRenderScaleStepCount) state = {};
    state.frames += 1;
    if (frameMs > budgetMs) state.late += 1;
    state.totalMs += frameMs;
    if (state.frames >= kAutoScaleWindow) {
        const float scale = kRenderScaleSteps[state.step];
        if (state.late >= kLateFramesToLower) {
            if (state.step + 1 < kRenderScaleStepCount) state.step += 1;
            state.roomyWindows = 0;
        } else if (state.step > 0) {
            const float up = kRenderScaleSteps[state.step - 1];
            const double grown = state.totalMs / state.frames * (up * up) / (scale * scale);
            state.roomyWindows =
                state.late == 0 && grown < budgetMs * kRaiseShare ? state.roomyWindows + 1 : 0;
            if (state.roomyWindows >= kRoomyWindowsToRaise) {
                state.step -= 1;
                state.roomyWindows = 0;
            }
        }
        state.frames = state.late = 0;
        state.totalMs = 0.0;
    }
    return kRenderScaleSteps[state.step];
}

void NoteSceneFrame(double frameMs) {
    if (RenderScaleAsked > 0.0f) {
        RenderScale = RenderScaleAsked;
        return;
    }
    RenderScale = NextAutoScale(AutoScale, frameMs, kFrameInterval * 1000.0);
}
