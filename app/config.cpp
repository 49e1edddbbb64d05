#include "app/config.h"

#include "app/render_scale.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "assets/text_scan.h"

#include <string>
#include <vector>

uint8_t GamepadFlag = 1;
int32_t MusicVolume = kDefaultVolume;
int32_t EffectVolume = kDefaultVolume;

namespace {

void ApplyDefaults() {
    ScreenWidth = 1024;
    ScreenHeight = 768;
    ScreenBits = 32;
    KeyOk = 'X';
    KeyCancel = 'Z';
    KeyMenu = 'C';
    VSyncFlag = 0;
    GamepadFlag = 1;
    PillarboxFlag = 0;
    MusicVolume = kDefaultVolume;
    EffectVolume = kDefaultVolume;
    RenderScaleAsked = RenderScale = 1.0f;
}

// The exit box hides above the screen until an exit is near. Until the window
// exists, the size asked for stands in for it; the desktop's own size is not
// known yet, and the window's arrival rescales the box.
void HideExitBox() {
    if (ScreenWidth > 0 && ScreenHeight > 0) SetWindowSize(ScreenWidth, ScreenHeight);
    DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
}

void ScanConfig(const char* text, size_t size) {
    TextScan scan(text, size);
    int32_t resolution[3] = {ScreenWidth, ScreenHeight, ScreenBits};
    // A file without it gives back the "Re" it read, so RenderScale can still match.
    const TextScan start = scan;
    if (scan.Scan("Resolution=%d %d %d\n", &resolution[0], &resolution[1], &resolution[2]) < 1) scan = start;
    ScreenWidth = resolution[0];
    ScreenHeight = resolution[1];
    ScreenBits = resolution[2];

    char words[3][64] = {};
    const int keys = scan.Scan("Controls=%63s %63s %63s", words[0], words[1], words[2]);
    char* targets[3] = {&KeyOk, &KeyCancel, &KeyMenu};
    for (int i = 0; i < keys && i < 3; ++i) *targets[i] = words[i][0];

    // The Controls pattern stops before its line end; let the VSync line follow
    // it on the next line, but still match nothing in a file that starts blank.
    int32_t vsync = 0;
    const char* pattern = scan.Remaining() == size ? "VSync=%d" : " VSync=%d";
    // A line that is not VSync gives back what it read ("Volume=" starts alike),
    // so the optional lines can still match in its place.
    const TextScan beforeVSync = scan;
    const int vsyncRead = scan.Scan(pattern, &vsync);
    if (vsyncRead == 1 && vsync == 1) VSyncFlag = 1;
    if (vsyncRead < 1) scan = beforeVSync;

    // Older files end before this line, and they keep the pads playing.
    int32_t gamepad = 1;
    pattern = scan.Remaining() == size ? "Gamepad=%d" : " Gamepad=%d";
    if (scan.Scan(pattern, &gamepad) == 1 && gamepad == 0) GamepadFlag = 0;

    // Both volumes or neither: a half-read or out-of-range line keeps the defaults.
    int32_t volumes[2] = {};
    pattern = scan.Remaining() == size ? "Volume=%d %d" : " Volume=%d %d";
    if (scan.Scan(pattern, &volumes[0], &volumes[1]) == 2 && volumes[0] >= 0 && volumes[0] <= 100 &&
        volumes[1] >= 0 && volumes[1] <= 100) {
        MusicVolume = volumes[0];
        EffectVolume = volumes[1];
    }

    // Only exactly 4:3 asks for the pillarboxed picture; anything else fills the screen.
    int32_t aspect[2] = {0, 0};
    pattern = scan.Remaining() == size ? "Aspect=%d:%d" : " Aspect=%d:%d";
    if (scan.Scan(pattern, &aspect[0], &aspect[1]) == 2 && aspect[0] == 4 && aspect[1] == 3)
        PillarboxFlag = 1;

    // Whole words only: "0.5x" or "automatic" leave the scene at full size.
    char scale[16] = {};
    pattern = scan.Remaining() == size ? "RenderScale=%15s" : " RenderScale=%15s";
    if (scan.Scan(pattern, scale) == 1) {
        const std::string word = scale;
        if (word == "0.5") RenderScaleAsked = RenderScale = 0.5f;
        if (word == "auto") RenderScaleAsked = 0.0f;
    }
}

} // namespace

void ApplyConfigText(const char* text, size_t size) {
    ApplyDefaults();
    ScanConfig(text, size);
    HideExitBox();
}

void ReadConfig() {
    std::vector<char> bytes;
    if (ReadGameFile("Game.cfg", bytes))
        ApplyConfigText(bytes.data(), bytes.size());
    else
        ApplyConfigText("", 0);
}
