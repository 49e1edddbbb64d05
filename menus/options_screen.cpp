#include "menus/options_screen.h"

#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/log.h"
#include "assets/screen_area.h"
#include "assets/settings.h"
#include "assets/sound_effects.h"
#include "menus/game_menu.h"
#include "menus/options_rows.h"
#include "menus/title.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

OptionsHooks OptionsShell = {};
int32_t OptionsPage = OptionsDisplay;
int32_t OptionsRow = 0;
int32_t OptionsWaitingKey = -1;
int32_t OptionsConfirmLeft = 0;
int32_t OptionsDisplayChoice = 0;
int32_t OptionsSaveFailures = 0;
char OptionsMessage[128] = "";
DisplayMode OptionsModes[kMaxOptionsModes] = {};
int32_t OptionsModeCount = 0;

namespace {

bool Dirty = false;
bool LeaveRefused = false;   // a failed write keeps the screen up once, to be read
int32_t ConfirmFallback = 0; // the display choice a mode not kept goes back to

void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(OptionsMessage, sizeof OptionsMessage, format, args);
    va_end(args);
}

constexpr GameAction kActions[3] = {GameAction::Ok, GameAction::Cancel, GameAction::Menu};

void TellPads() {
    SetPadActionButtons(PadOkButton, PadCancelButton, PadMenuButton);
    if (GamepadFlag) UseGamepads(KeyOk, KeyCancel, KeyMenu);
}

// The choice that matches the window as it is now.
int32_t CurrentDisplayChoice() {
    if (!GameWindowFullScreen()) return 1;
    if (!GameWindowInDisplayMode()) return 0;
    for (int32_t i = 0; i < OptionsModeCount; ++i)
        if (OptionsModes[i].width == WindowWidth && OptionsModes[i].height == WindowHeight) return 2 + i;
    return 0;
}

// Make the window what the choice says, on the same window and context.
bool ApplyDisplay(int32_t choice) {
    if (choice == 1) {
        if (GameWindowFullScreen()) ToggleFullScreen();
        WindowedFlag = 1;
        return true;
    }
    if (choice == 0) {
        if (GameWindowInDisplayMode()) ToggleFullScreen(); // leaving a mode puts the desktop's back
        if (!GameWindowFullScreen()) ToggleFullScreen();
        WindowedFlag = 0;
        ScreenWidth = ScreenHeight = 0;
        return true;
    }
    const int32_t mode = choice - 2;
    if (mode < 0 || mode >= OptionsModeCount || !SwitchDisplayMode(OptionsModes[mode])) return false;
    WindowedFlag = 0;
    ScreenWidth = OptionsModes[mode].width;
    ScreenHeight = OptionsModes[mode].height;
    return true;
}

void Save() {
    if (!Dirty || OptionsShell.save == nullptr) return;
    if (OptionsShell.save()) {
        Dirty = false;
        return;
    }
    ++OptionsSaveFailures;
    LeaveRefused = true;
    Say("Game.cfg could not be written: kept until you quit");
    AppendLog("Could not write Game.cfg");
}

void SetVolumes() {
    SetSoundVolumes(MusicVolume, EffectVolume);
}

void RestoreDefaults() {
    switch (OptionsPage) {
    case OptionsDisplay:
        OptionsDisplayChoice = 0;
        ApplyDisplay(0);
        if (PillarboxFlag) {
            PillarboxFlag = 0;
            if (OptionsShell.relayout) OptionsShell.relayout();
        }
        if (OptionsShell.setRenderScale) OptionsShell.setRenderScale(0);
        VSyncFlag = 0;
        if (OptionsShell.setVSync) OptionsShell.setVSync(false);
        break;
    case OptionsSound:
        ResetSoundSettings();
        SetVolumes();
        break;
    default:
        ResetControlSettings();
        TellPads();
        break;
    }
    Dirty = true;
    Say("This page is back to its first settings");
}

// Move a pad action onto the next face button or shoulder, swapping with the action that holds it.
void StepPadButton(int32_t action, int delta) {
    constexpr PadButton order[6] = {PadButton::South, PadButton::East,      PadButton::West,
                                    PadButton::North, PadButton::ShoulderL, PadButton::ShoulderR};
    PadButton& mine = ActionPadButtonOf(kActions[action]);
    int at = 0;
    for (int i = 0; i < 6; ++i)
        if (order[i] == mine) at = i;
    const PadButton next = order[(at + delta + 6) % 6];
    const PadButton old = mine;
    for (int32_t other = 0; other < 3; ++other)
        if (other != action && ActionPadButtonOf(kActions[other]) == next) {
            ActionPadButtonOf(kActions[other]) = old;
            Say("%s is now on %s", ActionName(kActions[other]), PadButtonName(old, LastPadType()));
        }
    mine = next;
    TellPads();
}

// Left or Right on a setting row: the value moves at once.
void ChangeValue(int delta) {
    const OptionsRowKind kind = OptionsRowKindAt(OptionsPage, OptionsRow);
    switch (kind) {
    case OptionsRowKind::Display:
        OptionsDisplayChoice = std::clamp(OptionsDisplayChoice + delta, 0, 1 + OptionsModeCount);
        return; // chosen here, made so by OK
    case OptionsRowKind::Aspect:
        PillarboxFlag = delta > 0 ? 1 : 0;
        if (OptionsShell.relayout) OptionsShell.relayout();
        break;
    case OptionsRowKind::RenderScale:
        if (OptionsShell.setRenderScale && OptionsShell.renderScale)
            OptionsShell.setRenderScale(std::clamp(OptionsShell.renderScale() + delta, 0, 3));
        break;
    case OptionsRowKind::VSync:
        VSyncFlag = delta > 0 ? 1 : 0;
        if (OptionsShell.setVSync) OptionsShell.setVSync(VSyncFlag != 0);
        break;
    case OptionsRowKind::Music:
        MusicVolume = std::clamp((MusicVolume / 5 + delta) * 5, 0, 100);
        SetVolumes();
        break;
    case OptionsRowKind::Effects:
        EffectVolume = std::clamp((EffectVolume / 5 + delta) * 5, 0, 100);
        SetVolumes();
        break;
    case OptionsRowKind::MouseSpeed:
        MouseSpeedIndex = std::clamp(MouseSpeedIndex + delta, 0, kMouseSpeedCount - 1);
        break;
    case OptionsRowKind::InvertLook:
        InvertLookFlag = delta > 0 ? 1 : 0;
        break;
    case OptionsRowKind::Gamepads:
        GamepadFlag = delta > 0 ? 1 : 0;
        if (GamepadFlag)
            TellPads();
        else
            StopGamepads();
        break;
    case OptionsRowKind::PadOk:
    case OptionsRowKind::PadCancel:
    case OptionsRowKind::PadMenu:
        OptionsMessage[0] = '\0';
        StepPadButton(static_cast<int32_t>(kind) - static_cast<int32_t>(OptionsRowKind::PadOk), delta);
        break;
    default:
        return;
    }
    Dirty = true;
}

void EndConfirm(bool keep) {
    OptionsConfirmLeft = 0;
    if (keep) {
        Dirty = true;
        Say("Display kept");
        return;
    }
    OptionsDisplayChoice = ConfirmFallback;
    ApplyDisplay(ConfirmFallback);
    Say("Display put back");
}

} // namespace

void OpenOptions() {
    OptionsPage = OptionsDisplay;
    OptionsRow = 0;
    OptionsWaitingKey = -1;
    OptionsConfirmLeft = 0;
    OptionsMessage[0] = '\0';
    Dirty = false;
    LeaveRefused = false;
    OptionsModeCount = ListDisplayModes(OptionsModes, kMaxOptionsModes);
    OptionsDisplayChoice = CurrentDisplayChoice();
}

bool OptionsShown() {
    return (GameMode == ModeTitle && TitlePage == kTitleOptionsPage) ||
           (GameMode == ModeMenu && MenuState == MenuOptionsPage);
}

void OptionsOk() {
    if (OptionsConfirmLeft > 0) {
        EndConfirm(true);
        return;
    }
    if (OptionsWaitingKey >= 0) return;
    const OptionsRowKind kind = OptionsRowKindAt(OptionsPage, OptionsRow);
    switch (kind) {
    case OptionsRowKind::Display: {
        const int32_t before = CurrentDisplayChoice();
        if (OptionsDisplayChoice == before) return;
        if (!ApplyDisplay(OptionsDisplayChoice)) {
            Say("The display cannot show that mode");
            OptionsDisplayChoice = before;
            return;
        }
        if (OptionsDisplayChoice >= 2) {
            ConfirmFallback = before;
            OptionsConfirmLeft = kDisplayConfirmFrames;
            OptionsMessage[0] = '\0';
        } else {
            Dirty = true;
        }
        break;
    }
    case OptionsRowKind::KeyOk:
    case OptionsRowKind::KeyCancel:
    case OptionsRowKind::KeyMenu:
        OptionsWaitingKey = static_cast<int32_t>(kind) - static_cast<int32_t>(OptionsRowKind::KeyOk);
        Say("Press a key for %s", ActionName(kActions[OptionsWaitingKey]));
        break;
    case OptionsRowKind::Restore:
        RestoreDefaults();
        break;
    default:
        ChangeValue(1);
        break;
    }
}

bool OptionsCancel() {
    if (OptionsConfirmLeft > 0) {
        EndConfirm(false);
        return false;
    }
    if (OptionsWaitingKey >= 0) {
        OptionsWaitingKey = -1;
        OptionsMessage[0] = '\0';
        return false;
    }
    Save();
    if (LeaveRefused) {
        LeaveRefused = false;
        if (Dirty) {
            Dirty = false; // the message has been seen; the next Cancel leaves
            return false;
        }
    }
    return true;
}

void OptionsArrow(int key) {
    if (OptionsConfirmLeft > 0 || OptionsWaitingKey >= 0) return;
    const int vertical = key == KeyUp ? -1 : key == KeyDown ? 1 : 0;
    const int horizontal = key == KeyLeft ? -1 : key == KeyRight ? 1 : 0;
    if (vertical != 0) {
        OptionsRow = std::clamp(OptionsRow + vertical, 0, OptionsRowCount(OptionsPage) - 1);
        if (OptionsRowKindAt(OptionsPage, OptionsRow) == OptionsRowKind::Display)
            OptionsDisplayChoice = CurrentDisplayChoice();
        return;
    }
    if (horizontal == 0) return;
    if (OptionsRow == 0) {
        const int32_t page = std::clamp(OptionsPage + horizontal, 0, kOptionsPageCount - 1);
        if (page == OptionsPage) return;
        OptionsMessage[0] = '\0';
        Save();
        LeaveRefused = false;
        OptionsPage = page;
        return;
    }
    const std::string before = OptionsRowValue(OptionsRowKindAt(OptionsPage, OptionsRow));
    ChangeValue(horizontal);
    // A value that moved clicks, after the change: a new effects volume is heard at its own level.
    if (OptionsRowValue(OptionsRowKindAt(OptionsPage, OptionsRow)) != before) PlayEffect(SoundEffect::Cursor);
}

bool OptionsTakeKey(int key) {
    if (OptionsWaitingKey >= 0 && !OptionsShown()) OptionsWaitingKey = -1;
    if (OptionsWaitingKey < 0) return false;
    const int32_t action = OptionsWaitingKey;
    if (key == KeyEscape) {
        OptionsWaitingKey = -1;
        Say("%s keeps %s", ActionName(kActions[action]), KeyName(ActionKey(kActions[action])).c_str());
        PlayEffect(SoundEffect::Cancel);
        return true;
    }
    if (const char* why = RebindRefusal(key)) {
        Say("%s: %s", KeyName(key).c_str(), why);
        PlayEffect(SoundEffect::Cancel);
        return true;
    }
    char keys[3] = {KeyOk, KeyCancel, KeyMenu};
    const int32_t swapped = RebindKey(keys, action, key);
    const char old = ActionKeyOf(kActions[action]);
    KeyOk = keys[0];
    KeyCancel = keys[1];
    KeyMenu = keys[2];
    if (swapped >= 0)
        Say("%s was %s: %s is now %c", KeyName(key).c_str(), ActionName(kActions[swapped]),
            ActionName(kActions[swapped]), old);
    else
        Say("%s is now %s", ActionName(kActions[action]), KeyName(key).c_str());
    OptionsWaitingKey = -1;
    Dirty = true;
    TellPads();
    PlayEffect(SoundEffect::Ok);
    return true;
}

void AdvanceOptions() {
    if (OptionsConfirmLeft > 0 && --OptionsConfirmLeft == 0) EndConfirm(false);
}

const char* RebindRefusal(int key) {
    if (key >= KeyLeft && key <= KeyDown) return "the arrows move the cursor";
    if (key == KeyEscape) return "Escape quits the game";
    if (key == 'Y' || key == '1' || key == '2') return "Y, 1 and 2 are the villagers' services";
    if (!((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')))
        return "only a letter or a digit will do";
    return nullptr;
}

int32_t RebindKey(char (&keys)[3], int32_t action, int key) {
    if (action < 0 || action > 2 || RebindRefusal(key) != nullptr) return -1;
    const char code = static_cast<char>(key);
    int32_t swapped = -1;
    for (int32_t other = 0; other < 3; ++other)
        if (other != action && keys[other] == code) {
            keys[other] = keys[action];
            swapped = other;
        }
    keys[action] = code;
    return swapped;
}
