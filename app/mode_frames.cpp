#include "app/mode_frames.h"

#include "app/game_state.h"
#include "menus/title.h"
#include "world/camera.h"
#include "world/field_camera.h"
#include "world/field_frame.h"
#include "world/field_movement.h"

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
    default:
        break; // no frame work for a mode without a screen
    }
}
