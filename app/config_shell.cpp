// What the options screen asks of the shell, wired up once at start.
#include "app/config.h"
#include "app/harness.h"
#include "app/render_scale.h"
#include "app/window_size.h"
#include "menus/options_screen.h"
#include "platform/platform.h"

namespace {

constexpr float kScaleChoices[4] = {1.0f, 0.75f, 0.5f, 0.0f};

void SetRenderScaleChoice(int32_t choice) {
    if (choice < 0 || choice > 3) return;
    RenderScaleAsked = kScaleChoices[choice];
    // "auto" starts from full size and finds its own way down.
    RenderScale = RenderScaleAsked > 0.0f ? RenderScaleAsked : 1.0f;
}

int32_t RenderScaleChoice() {
    for (int32_t i = 0; i < 4; ++i)
        if (RenderScaleAsked == kScaleChoices[i]) return i;
    return 0;
}

void SetVSync(bool on) {
    // The stepped clock already runs every frame as fast as it can; a sync would only slow it.
    if (!HarnessSteppedClock()) SetVerticalSync(on);
}

} // namespace

void InstallOptionsShell() {
    OptionsShell = {RelayoutWindow, SetRenderScaleChoice, RenderScaleChoice, SetVSync, WriteConfig};
}
