#include "menus/options_rows.h"

#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/screen_area.h"
#include "assets/settings.h"
#include "menus/options_screen.h"

namespace {

constexpr OptionsRowKind kDisplayRows[] = {OptionsRowKind::Pages,  OptionsRowKind::Display,
                                           OptionsRowKind::Aspect, OptionsRowKind::RenderScale,
                                           OptionsRowKind::VSync,  OptionsRowKind::Restore};
constexpr OptionsRowKind kSoundRows[] = {OptionsRowKind::Pages, OptionsRowKind::Music,
                                         OptionsRowKind::Effects, OptionsRowKind::Restore};
constexpr OptionsRowKind kControlRows[] = {
    OptionsRowKind::Pages,    OptionsRowKind::KeyOk,      OptionsRowKind::KeyCancel,
    OptionsRowKind::KeyMenu,  OptionsRowKind::MouseSpeed, OptionsRowKind::InvertLook,
    OptionsRowKind::Gamepads, OptionsRowKind::PadOk,      OptionsRowKind::PadCancel,
    OptionsRowKind::PadMenu,  OptionsRowKind::Restore};

struct PageRows {
    const OptionsRowKind* rows;
    int32_t count;
};

PageRows Rows(int32_t page) {
    if (page == OptionsSound) return {kSoundRows, static_cast<int32_t>(std::size(kSoundRows))};
    if (page == OptionsControls) return {kControlRows, static_cast<int32_t>(std::size(kControlRows))};
    return {kDisplayRows, static_cast<int32_t>(std::size(kDisplayRows))};
}

const char* OnOff(bool on) {
    return on ? "On" : "Off";
}

} // namespace

int32_t OptionsRowCount(int32_t page) {
    return Rows(page).count;
}

OptionsRowKind OptionsRowKindAt(int32_t page, int32_t row) {
    const PageRows rows = Rows(page);
    return row >= 0 && row < rows.count ? rows.rows[row] : OptionsRowKind::Pages;
}

const char* OptionsPageName(int32_t page) {
    static const char* const names[kOptionsPageCount] = {"Display", "Sound", "Controls"};
    return page >= 0 && page < kOptionsPageCount ? names[page] : "";
}

const char* OptionsRowLabel(OptionsRowKind kind) {
    switch (kind) {
    case OptionsRowKind::Display:
        return "Display";
    case OptionsRowKind::Aspect:
        return "Picture";
    case OptionsRowKind::RenderScale:
        return "3D render scale";
    case OptionsRowKind::VSync:
        return "Vertical sync";
    case OptionsRowKind::Music:
        return "Music volume";
    case OptionsRowKind::Effects:
        return "Effects volume";
    case OptionsRowKind::KeyOk:
        return "OK key";
    case OptionsRowKind::KeyCancel:
        return "Cancel key";
    case OptionsRowKind::KeyMenu:
        return "Menu key";
    case OptionsRowKind::MouseSpeed:
        return "Mouse look speed";
    case OptionsRowKind::InvertLook:
        return "Invert vertical look";
    case OptionsRowKind::Gamepads:
        return "Gamepads";
    case OptionsRowKind::PadOk:
        return "Pad OK button";
    case OptionsRowKind::PadCancel:
        return "Pad Cancel button";
    case OptionsRowKind::PadMenu:
        return "Pad Menu button";
    case OptionsRowKind::Restore:
        return "Restore defaults";
    case OptionsRowKind::Pages:
        break;
    }
    return "";
}

std::string OptionsRowValue(OptionsRowKind kind) {
    static const char* const scales[4] = {"1", "0.75", "0.5", "Auto"};
    static const char* const speeds[kMouseSpeedCount] = {"0.25x", "0.5x", "0.75x", "1x",
                                                         "1.5x",  "2x",   "3x",    "4x"};
    switch (kind) {
    case OptionsRowKind::Display: {
        if (OptionsDisplayChoice == 0) return "Desktop full screen";
        if (OptionsDisplayChoice == 1) return "Window";
        const int32_t mode = OptionsDisplayChoice - 2;
        if (mode < 0 || mode >= OptionsModeCount) return "";
        return std::to_string(OptionsModes[mode].width) + " x " + std::to_string(OptionsModes[mode].height);
    }
    case OptionsRowKind::Aspect:
        return PillarboxFlag ? "Classic 4:3" : "Fill the screen";
    case OptionsRowKind::RenderScale: {
        const int32_t choice = OptionsShell.renderScale ? OptionsShell.renderScale() : 0;
        return scales[choice >= 0 && choice < 4 ? choice : 0];
    }
    case OptionsRowKind::VSync:
        return OnOff(VSyncFlag != 0);
    case OptionsRowKind::Music:
        return std::to_string(MusicVolume);
    case OptionsRowKind::Effects:
        return std::to_string(EffectVolume);
    case OptionsRowKind::KeyOk:
        return KeyName(ActionKey(GameAction::Ok));
    case OptionsRowKind::KeyCancel:
        return KeyName(ActionKey(GameAction::Cancel));
    case OptionsRowKind::KeyMenu:
        return KeyName(ActionKey(GameAction::Menu));
    case OptionsRowKind::MouseSpeed:
        return speeds[MouseSpeedIndex >= 0 && MouseSpeedIndex < kMouseSpeedCount ? MouseSpeedIndex
                                                                                 : kDefaultMouseSpeed];
    case OptionsRowKind::InvertLook:
        return OnOff(InvertLookFlag != 0);
    case OptionsRowKind::Gamepads:
        return OnOff(GamepadFlag != 0);
    case OptionsRowKind::PadOk:
        return PadButtonName(PadOkButton, LastPadType());
    case OptionsRowKind::PadCancel:
        return PadButtonName(PadCancelButton, LastPadType());
    case OptionsRowKind::PadMenu:
        return PadButtonName(PadMenuButton, LastPadType());
    case OptionsRowKind::Restore:
    case OptionsRowKind::Pages:
        break;
    }
    return "";
}
