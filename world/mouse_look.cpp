// The mouse step against the real cursor, kept apart from the camera math so
// that the math links without a window.
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "platform/platform.h"
#include "world/field_camera.h"

void MouseLook(CameraRecord& camera, const CVector3& hero, CVector3& heroRotation) {
    const int32_t centreX = WindowWidth >> 1;
    const int32_t centreY = WindowHeight >> 1;
    int cursorX = centreX;
    int cursorY = centreY;
    GetCursorPosition(&cursorX, &cursorY);
    if (cursorX == centreX && cursorY == centreY) return;
    SetCursorPosition(centreX, centreY);
    MouseLookStep(camera, hero, heroRotation, centreX, centreY, cursorX, cursorY);
}
