// What the options screen asks of the shell, wired up once at start.
#include "app/config.h"
#include "app/harness.h"
#include "app/render_scale.h"
#include "app/window_size.h"
#include "menus/options_screen.h"
#include "platform/platform.h"

namespace {

void SetVSync(bool on) {
    // The stepped clock already runs every frame as fast as it can; a sync would only slow it.
    if (!HarnessSteppedClock()) SetVerticalSync(on);
}

} // namespace

void InstallOptionsShell() {
    OptionsShell = {RelayoutWindow, AskRenderScale, AskedRenderScaleChoice, SetVSync, WriteConfig};
}
