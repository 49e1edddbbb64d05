#include "app/startup.h"

#include "app/config.h"
#include "app/graphics.h"
#include "app/harness.h"
#include "app/main_loop.h"
#include "app/new_player.h"
#include "app/overdraw.h"
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/log.h"
#include "assets/screen_area.h"
#include "battle/battle_flow.h"
#include "platform/platform.h"
#include "world/encounters.h"
#include "world/field_frame.h"

#include <cstdio>
#include <cstdlib>
#include <string>

void StaticInitialise() {
    StartBattleFromField = StartBattle;
    CreateLog();
    std::srand(GetTickCount());
}

namespace {

// A size no display could give is refused like a mode the display lacks.
bool RequestCouldBeShown() {
    const bool desktop = ScreenWidth == 0 && ScreenHeight == 0;
    const bool sized = ScreenWidth > 0 && ScreenHeight > 0 && ScreenWidth <= kLargestScreenSide &&
                       ScreenHeight <= kLargestScreenSide;
    return (desktop || sized) && ScreenBits >= 0 && ScreenBits <= 64;
}

void RefuseDisplayMode() {
    ShowMessageBox("Display Mode Not Compatible", "Error");
    PostQuitMessage(0);
}

} // namespace

void OpenDisplay() {
    const char* title = "Aurelant - Quillan Engine Version 3";
    const PixelFormatRequest request = {ScreenBits, ScreenBits, true};
    // The player's Window line asks for what --windowed does.
    const bool windowed = Harness.windowed || WindowedFlag != 0;
    if (!RequestCouldBeShown()) {
        RefuseDisplayMode();
        return;
    }
    if (ScreenWidth == 0 && ScreenHeight == 0) {
        DisplayMode desktop = {};
        if (windowed && ReadDisplayMode(&desktop) &&
            OpenGameWindow(title, 0, 0, desktop.width, desktop.height, false, request))
            return;
        if (!windowed && OpenDesktopWindow(title, request)) return;
        PostQuitMessage(0);
        return;
    }
    bool fullscreen = false;
    if (!windowed) {
        DisplayMode desktop = {};
        if (!ReadDisplayMode(&desktop)) {
            ShowMessageBox("Could Not Enum Display Settings", "Error");
        } else {
            DisplayMode wanted = desktop;
            wanted.width = ScreenWidth;
            wanted.height = ScreenHeight;
            wanted.bits = ScreenBits;
            fullscreen = ChangeDisplayMode(wanted);
            if (!fullscreen) RefuseDisplayMode();
        }
    }
    if (OpenGameWindow(title, 0, 0, ScreenWidth, ScreenHeight, fullscreen, request)) return;
    if (fullscreen) {
        // The display granted some other size than the one asked for.
        RestoreDisplayMode();
        RefuseDisplayMode();
        if (OpenGameWindow(title, 0, 0, ScreenWidth, ScreenHeight, false, request)) return;
    }
    PostQuitMessage(0);
}

int RunGame(int argc, char** argv) {
    std::string error;
    if (!ParseHarnessArgs(argc, argv, &error) || !LoadHarnessScript(&error)) {
        std::fprintf(stderr, "aurelant: %s\n", error.c_str());
        return 2;
    }
    if (HarnessSteppedClock()) UseSteppedClock(23);
    if (Harness.plainDraw) FieldDrawShortcuts = false;
    if (Harness.overdraw) WantStencilBuffer();
    if (Harness.encounterSteps) StepsToEncounter = static_cast<int32_t>(Harness.encounterSteps);
    ChooseGameFolders();
    StaticInitialise();
    InitPlatform(HarnessScripted());

    WriteNewPlayerConfig();
    ReadConfig();
    InstallOptionsShell();
    SetPadActionButtons(PadOkButton, PadCancelButton, PadMenuButton);
    if (GamepadFlag) UseGamepads(KeyOk, KeyCancel, KeyMenu);
    SetSoundVolumes(MusicVolume, EffectVolume);
    OpenDisplay();
    if (InitGraphics() && VSyncFlag && !HarnessSteppedClock()) SetVerticalSync(true);
    ShowMouseCursor(false);

    const int code = RunMainLoop();
    HarnessAtExit();
    PrintOverdraw();
    ShutdownPlatform();
    return code;
}
