#include "app/mode_frames.h"

#include "app/game_state.h"
#include "menus/title.h"

void RunModeFrame(int mode) {
    switch (mode) {
    case ModeTitle:
        TitleFrame(TitlePage);
        break;
    default:
        break; // no frame work for a mode without a screen
    }
}
