#include "app/screen_actions.h"

#include "app/window_proc.h"
#include "assets/game_state.h"
#include "assets/quit.h"
#include "assets/sound_effects.h"
#include "battle/battle_state.h"
#include "battle/command_menu.h"
#include "battle/victory.h"
#include "menus/game_menu.h"
#include "menus/options_screen.h"
#include "menus/slot_actions.h"
#include "menus/title.h"
#include "platform/platform.h"
#include "world/services.h"

#include <array>
#include <iterator>

namespace {

// Every cursor of every menu: an arrow that moves one of them clicks.
int32_t* const kCursors[] = {
    &TitleCursor,  &SaveSlotCursor,  &CommandCursor,   &TargetCursor,  &ItemCursor,      &SpellRow,
    &SpellScroll,  &SpellColumn,     &SummonRow,       &SummonScroll,  &MenuCursor,      &ItemMenuCursor,
    &MagicMenuRow, &MagicMenuScroll, &MagicMenuColumn, &FuryCursor,    &SwordSlotCursor, &SwarpBagCursor,
    &HolderRow,    &HolderSlot,      &WarpBagRow,      &WarpBagScroll, &OptionsPage,     &OptionsRow};

std::array<int32_t, std::size(kCursors)> CursorPositions() {
    std::array<int32_t, std::size(kCursors)> at{};
    for (size_t i = 0; i < at.size(); ++i) at[i] = *kCursors[i];
    return at;
}

// The battle menu takes OK only while it is shown, and Cancel only when a list or target is up.
bool BattleMenuTakes(bool cancel) {
    if (!BattleRunning || !MenuOpen) return false;
    return !cancel || BattleMenuCancelSteps();
}

} // namespace

int ClampedStep(int cursor, int delta, int lo, int hi) {
    const int next = cursor + delta;
    return (next < lo || next > hi) ? cursor : next;
}

void OkAction() {
    if (OptionsShown()) {
        // While a rebind waits, only its key answers.
        if (OptionsWaitingKey < 0) PlayEffect(SoundEffect::Ok);
        OptionsOk();
        return;
    }
    switch (GameMode) {
    case ModeTitle:
        PlayEffect(SoundEffect::Ok);
        // The load list answers OK whichever button brought it up.
        if (TitlePage == 1) {
            LoadSlotIntoField(SaveSlotCursor);
            break;
        }
        switch (TitleCursor) {
        case 0:
            NewGame();
            break;
        case 1:
            TitlePage = 1;
            break;
        case 2:
            TitlePage = 2;
            break;
        case 3:
            QuitSequence();
            break;
        case 4:
            OpenOptions();
            TitlePage = kTitleOptionsPage;
            break;
        }
        break;
    case ModeField:
        if (DialogueOpen)
            DialogueOpen = 0;
        else
            FieldOkAction();
        break;
    case ModeBattle:
        if (BattleMenuTakes(false)) PlayEffect(SoundEffect::Ok);
        BattleMenuOk();
        break;
    case ModeVictory:
        VictoryOk();
        break;
    case ModeMenu:
        PlayEffect(SoundEffect::Ok);
        MenuOk();
        break;
    default:
        break;
    }
}

void CancelAction() {
    switch (GameMode) {
    case ModeTitle:
        if (TitlePage != 0) PlayEffect(SoundEffect::Cancel);
        if (TitlePage != kTitleOptionsPage || OptionsCancel()) TitlePage = 0;
        break;
    case ModeBattle:
        if (BattleMenuTakes(true)) PlayEffect(SoundEffect::Cancel);
        BattleMenuCancel();
        break;
    case ModeMenu:
        PlayEffect(SoundEffect::Cancel);
        MenuCancel();
        break;
    default:
        break;
    }
}

void ArrowAction(int key) {
    const int vertical = key == KeyUp ? -1 : key == KeyDown ? 1 : 0;
    const auto before = CursorPositions();
    if (OptionsShown()) {
        OptionsArrow(key);
        if (CursorPositions() != before) PlayEffect(SoundEffect::Cursor);
        return;
    }
    switch (GameMode) {
    case ModeTitle:
        if (TitlePage == 0) TitleCursor = ClampedStep(TitleCursor, vertical, 0, kTitleButtonCount - 1);
        if (TitlePage == 1) SaveSlotCursor = ClampedStep(SaveSlotCursor, vertical, 0, 4);
        break;
    case ModeBattle:
        if (key == KeyUp) BattleMenuUp();
        if (key == KeyDown) BattleMenuDown();
        if (key == KeyLeft) BattleMenuLeft();
        if (key == KeyRight) BattleMenuRight();
        break;
    case ModeMenu:
        if (key == KeyUp) MenuUp();
        if (key == KeyDown) MenuDown();
        if (key == KeyLeft) MenuLeft();
        if (key == KeyRight) MenuRight();
        break;
    default:
        break;
    }
    if (CursorPositions() != before) PlayEffect(SoundEffect::Cursor);
}
