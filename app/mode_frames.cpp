#include "app/mode_frames.h"

#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/quit.h"
#include "battle/battle_flow.h"
#include "battle/battle_state.h"
#include "battle/victory.h"
#include "menus/game_menu.h"
#include "menus/slot_actions.h"
#include "menus/title.h"
#include "world/field_camera.h"
#include "world/field_frame.h"
#include "world/field_movement.h"

namespace {

// The fallen hero has sunk away: the selected save brings him back, or the game ends.
void FinishDefeat() {
    DefeatFinished = 0;
    LeaveLostBattle();
    if (!LoadSlotIntoField(SaveSlotCursor)) QuitSequence();
}

} // namespace

void RunModeFrame(int mode) {
    switch (mode) {
    case ModeTitle:
        TitleFrame(TitlePage);
        break;
    case ModeField:
        if (PlayerHasControl != 0) {
            MouseLook(Camera, HeroPosition);
            FieldMovement();
        }
        FieldFrame();
        break;
    case ModeBattle:
        BattleFrame();
        if (DefeatFinished) FinishDefeat();
        break;
    case ModeVictory:
        VictoryModeFrame();
        break;
    case ModeMenu:
        MenuFrame(MenuClosing);
        break;
    default:
        break; // no frame work for a mode without a screen
    }
}
