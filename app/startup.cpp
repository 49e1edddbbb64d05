#include "app/startup.h"

#include "app/config.h"
#include "app/graphics.h"
#include "app/harness.h"
#include "app/main_loop.h"
#include "assets/game_state.h"
#include "assets/log.h"
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

void OpenDisplay() {
    const char* title = "Aurelant - Quillan Engine Version 3";
    const PixelFormatRequest request = {ScreenBits, ScreenBits, true};
    bool fullscreen = false;
    if (!Harness.windowed) {
        DisplayMode desktop = {};
        if (!ReadDisplayMode(&desktop)) {
            ShowMessageBox("Could Not Enum Display Settings", "Error");
        } else {
            DisplayMode wanted = desktop;
            wanted.width = ScreenWidth;
            wanted.height = ScreenHeight;
            wanted.bits = ScreenBits;
            fullscreen = ChangeDisplayMode(wanted);
            if (!fullscreen) {
                ShowMessageBox("Display Mode Not Compatible", "Error");
                PostQuitMessage(0);
            }
        }
    }
    if (OpenGameWindow(title, 0, 0, ScreenWidth, ScreenHeight, fullscreen, request)) return;
    if (fullscreen) {
        // The display granted some other size than the one asked for.
        ShowMessageBox("Display Mode Not Compatible", "Error");
        RestoreDisplayMode();
        PostQuitMessage(0);
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
    if (Harness.noCull) CullLevelObjects = false;
    if (Harness.encounterSteps) StepsToEncounter = static_cast<int32_t>(Harness.encounterSteps);
    StaticInitialise();
    InitPlatform(HarnessScripted());

    ReadConfig();
    if (GamepadFlag) UseGamepads(KeyOk, KeyCancel, KeyMenu);
    SetSoundVolumes(MusicVolume, EffectVolume);
    OpenDisplay();
    InitGraphics();
    if (VSyncFlag && !HarnessSteppedClock()) SetVerticalSync(true);
    ShowMouseCursor(false);

    const int code = RunMainLoop();
    HarnessAtExit();
    ShutdownPlatform();
    return code;
}
