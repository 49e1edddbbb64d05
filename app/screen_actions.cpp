#include "app/screen_actions.h"

#include "assets/quit.h"
#include "app/window_proc.h"
#include "assets/game_state.h"
#include "battle/command_menu.h"
#include "battle/victory.h"
#include "menus/game_menu.h"
#include "menus/slot_actions.h"
#include "menus/title.h"
#include "platform/platform.h"
#include "world/services.h"

int ClampedStep(int cursor, int delta, int lo, int hi) {
    const int next = cursor + delta;
    return (next < lo || next > hi) ? cursor : next;
}

void OkAction() {
    switch (GameMode) {
    case ModeTitle:
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
        }
        break;
    case ModeField:
        if (DialogueOpen)
            DialogueOpen = 0;
        else
            FieldOkAction();
        break;
    case ModeBattle:
        BattleMenuOk();
        break;
    case ModeVictory:
        VictoryOk();
        break;
    case ModeMenu:
        MenuOk();
        break;
    default:
        break;
    }
}

void CancelAction() {
    switch (GameMode) {
    case ModeTitle:
        TitlePage = 0;
        break;
    case ModeBattle:
        BattleMenuCancel();
        break;
    case ModeMenu:
        MenuCancel();
        break;
    default:
        break;
    }
}

void ArrowAction(int key) {
    const int vertical = key == KeyUp ? -1 : key == KeyDown ? 1 : 0;
    switch (GameMode) {
    case ModeTitle:
        if (TitlePage == 0) TitleCursor = ClampedStep(TitleCursor, vertical, 0, 3);
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
}
