#include "app/main_loop.h"

#include "app/boot.h"
#include "app/floor_frames.h"
#include "app/harness.h"
#include "app/mode_frames.h"
#include "app/overdraw.h"
#include "app/render_scale.h"
#include "app/window_proc.h"
#include "assets/game_state.h"
#include "assets/model3d.h"
#include "assets/scene_scale.h"
#include "assets/screen_area.h"
#include "platform/platform.h"

#include <GL/gl.h>

#include <chrono>
#include <cmath>

bool FrameDue(float now, float last) {
    const float elapsed = now - last;
    return elapsed > kFrameInterval; // false for NaN as well
}

uint32_t MillisecondsUntilFrame(float now, float last) {
    const float remaining = last + kFrameInterval - now;
    if (!(remaining > 0.0f)) return 1;
    const float ms = std::ceil(remaining * 1000.0f);
    return ms < 1.0f ? 1u : ms > 1000.0f ? 1000u : static_cast<uint32_t>(ms);
}

void AdvancePlayClock(uint32_t tickMs) {
    if (PlayClockStarted == 0) {
        PlayClockStarted = 1;
        PlayClockMark = static_cast<float>(tickMs);
    }
    if (static_cast<float>(tickMs) - PlayClockMark >= 1000.0f) {
        PlaySeconds += 1;
        PlayClockMark = static_cast<float>(tickMs);
    }
    if (PlaySeconds > 59) {
        PlaySeconds = 0;
        PlayMinutes += 1;
    }
    if (PlayMinutes > 59) {
        PlayMinutes = 0;
        PlayHours += 1;
    }
}

namespace {

// A hidden window still runs every frame's logic, which reads back GL state
// such as the view matrices, but draws nothing: models are skipped whole, an
// empty scissor box stops the clears and the few quads left before they cost
// fill, and no buffer is swapped.
void RunHiddenFrameWork() {
    ModelDrawingOn = false;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 0, 0);
    RunFrameWork();
    glDisable(GL_SCISSOR_TEST);
    // Without a swap nothing would hand the frame's commands on and let them go.
    glFlush();
    ModelDrawingOn = true;
}

// The modes whose frames begin with the 3D scene.
bool SceneMode(int mode) {
    return mode == ModeField || mode == ModeBattle || mode == ModeVictory;
}

void RunShownFrame() {
    const bool scene = SceneMode(GameMode);
    const auto start = std::chrono::steady_clock::now();
    BeginPictureFrame();
    BeginScaledScene(scene ? RenderScale : 1.0f);
    RunFrameWork();
    FinishScaledScene();
    if (scene)
        NoteSceneFrame(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
}

} // namespace

void RunFrameWork() {
    switch (GameMode) {
    case ModeBoot:
        DrawLogoFrame();
        LoadEverything();
        break;
    default:
        RunModeFrame(GameMode);
        break;
    }
}

int RunMainLoop() {
    for (;;) {
        AdvanceSteppedClock();
        PlatformMessage message;
        if (PeekPlatformMessage(&message)) {
            if (message.type == MessageType::Quit) return message.exitCode;
            WindowProcedure(message);
            continue;
        }
        const float now = static_cast<float>(GetTickCount()) * 0.001f;
        if (!FrameDue(now, LastFrameTime)) {
            // Sleep instead of spinning; a message wakes the loop at once.
            if (!HarnessSteppedClock()) WaitPlatformMessage(MillisecondsUntilFrame(now, LastFrameTime));
            continue;
        }
        LastFrameTime = now;
        HarnessBeforeFrame();
        const bool counted = OverdrawCounted();
        if (counted) BeginOverdrawFrame();
        if (Harness.bareFrame && GameMode != ModeBoot)
            BareFrame();
        else if (Harness.fillFrame && GameMode != ModeBoot)
            FillFrame();
        else if (!GameWindowShown())
            RunHiddenFrameWork();
        else
            RunShownFrame();
        if (counted) EndOverdrawFrame();
        if (GameMode > ModeTitle) AdvancePlayClock(GetTickCount());
        HarnessAfterFrame();
    }
}
