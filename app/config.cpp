#include "app/config.h"

#include "app/render_scale.h"
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/screen_area.h"
#include "assets/text_scan.h"
#include "menus/save_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void ApplyDefaults() {
    ScreenWidth = 1024;
    ScreenHeight = 768;
    ScreenBits = 32;
    ResetControlSettings();
    ResetSoundSettings();
    VSyncFlag = 0;
    PillarboxFlag = 0;
    AskRenderScale(0);
    WindowedFlag = 0;
    HintsFlag = 1;
}

// The words each render scale and mouse speed is written as.
constexpr const char* kScaleWords[kRenderScaleChoiceCount] = {"1", "0.75", "0.5", "auto"};
constexpr const char* kSpeedWords[kMouseSpeedCount] = {"0.25", "0.5", "0.75", "1", "1.5", "2", "3", "4"};

// The pattern of an optional line: at the very start of the file, or after the line before.
const char* Optional(const TextScan& scan, size_t size, const char* pattern) {
    return scan.Remaining() == size ? pattern + 1 : pattern;
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
    // A line that is not VSync gives back what it read ("Volume=" starts alike),
    // so the optional lines can still match in its place.
    const TextScan beforeVSync = scan;
    const int vsyncRead = scan.Scan(Optional(scan, size, " VSync=%d"), &vsync);
    if (vsyncRead == 1 && vsync == 1) VSyncFlag = 1;
    if (vsyncRead < 1) scan = beforeVSync;

    // Older files end before this line, and they keep the pads playing.
    int32_t gamepad = 1;
    if (scan.Scan(Optional(scan, size, " Gamepad=%d"), &gamepad) == 1 && gamepad == 0) GamepadFlag = 0;

    // Both volumes or neither: a half-read or out-of-range line keeps the defaults.
    int32_t volumes[2] = {};
    if (scan.Scan(Optional(scan, size, " Volume=%d %d"), &volumes[0], &volumes[1]) == 2 && volumes[0] >= 0 &&
        volumes[0] <= 100 && volumes[1] >= 0 && volumes[1] <= 100) {
        MusicVolume = volumes[0];
        EffectVolume = volumes[1];
    }

    // Only exactly 4:3 asks for the pillarboxed picture; anything else fills the
    // screen. The writer says "fill", read past so the lines after it still match.
    int32_t aspect[2] = {0, 0};
    if (scan.Scan(Optional(scan, size, " Aspect=%d:%d"), &aspect[0], &aspect[1]) == 2 && aspect[0] == 4 &&
        aspect[1] == 3)
        PillarboxFlag = 1;
    if (PillarboxFlag == 0) scan.Scan("fill");

    // Whole words only: "0.5x" or "automatic" leave the scene at full size.
    char word[16] = {};
    if (scan.Scan(Optional(scan, size, " RenderScale=%15s"), word) == 1)
        for (int32_t i = 0; i < kRenderScaleChoiceCount; ++i)
            if (std::string(word) == kScaleWords[i]) AskRenderScale(i);

    if (scan.Scan(Optional(scan, size, " MouseSpeed=%15s"), word) == 1)
        for (int i = 0; i < kMouseSpeedCount; ++i)
            if (std::string(word) == kSpeedWords[i]) MouseSpeedIndex = i;

    int32_t flag = 0;
    if (scan.Scan(Optional(scan, size, " InvertLook=%d"), &flag) == 1 && flag == 1) InvertLookFlag = 1;

    // Three different face buttons or shoulders, or the pad keeps its usual ones.
    char buttons[3][16] = {};
    if (scan.Scan(Optional(scan, size, " PadButtons=%15s %15s %15s"), buttons[0], buttons[1], buttons[2]) ==
        3) {
        PadButton read[3];
        bool good = true;
        for (int i = 0; i < 3; ++i) good = good && PadButtonFromWord(buttons[i], &read[i]);
        if (good && read[0] != read[1] && read[0] != read[2] && read[1] != read[2]) {
            PadOkButton = read[0];
            PadCancelButton = read[1];
            PadMenuButton = read[2];
        }
    }

    flag = 0;
    if (scan.Scan(Optional(scan, size, " Window=%d"), &flag) == 1 && flag == 1) WindowedFlag = 1;

    // Only a plain 0 hides the hints: a player who wrote anything else still sees them.
    flag = 1;
    if (scan.Scan(Optional(scan, size, " Hints=%d"), &flag) == 1 && flag == 0) HintsFlag = 0;
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

namespace {

// A key the file can hold: one printable character that is no white space.
char Writable(char key, char fallback) {
    return key > ' ' && key < 127 ? key : fallback;
}

} // namespace

std::string ConfigText() {
    const int32_t scale = AskedRenderScaleChoice();
    const int speed =
        MouseSpeedIndex >= 0 && MouseSpeedIndex < kMouseSpeedCount ? MouseSpeedIndex : kDefaultMouseSpeed;
    char text[512];
    std::snprintf(text, sizeof text,
                  "Resolution=%d %d %d\nControls=%c %c %c\nVSync=%d\nGamepad=%d\nVolume=%d %d\nAspect=%s\n"
                  "RenderScale=%s\nMouseSpeed=%s\nInvertLook=%d\nPadButtons=%s %s %s\nWindow=%d\nHints=%d\n",
                  ScreenWidth, ScreenHeight, ScreenBits, Writable(KeyOk, 'X'), Writable(KeyCancel, 'Z'),
                  Writable(KeyMenu, 'C'), VSyncFlag ? 1 : 0, GamepadFlag ? 1 : 0, MusicVolume, EffectVolume,
                  PillarboxFlag ? "4:3" : "fill", kScaleWords[scale], kSpeedWords[speed],
                  InvertLookFlag ? 1 : 0, PadButtonWord(PadOkButton), PadButtonWord(PadCancelButton),
                  PadButtonWord(PadMenuButton), WindowedFlag ? 1 : 0, HintsFlag ? 1 : 0);
    return text;
}

bool WriteConfig() {
    const std::string text = ConfigText();
    return WriteWholeFile("Game.cfg", text.data(), text.size());
}
