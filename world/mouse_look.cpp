// The mouse step against the real cursor, kept apart from the camera math so
// that the math links without a window.
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "assets/settings.h"
#include "platform/platform.h"
#include "world/field_camera.h"

namespace {

// Fractions of a pixel a slow speed has not yet turned by.
float CarryX = 0.0f;
float CarryY = 0.0f;

int32_t Scaled(int32_t offset, float speed, float& carry) {
    const float pixels = static_cast<float>(offset) * speed + carry;
    const auto whole = static_cast<int32_t>(pixels);
    carry = pixels - static_cast<float>(whole);
    return whole;
}

} // namespace

void MouseLook(CameraRecord& camera, const CVector3& hero, CVector3& heroRotation) {
    const int32_t centreX = WindowWidth >> 1;
    const int32_t centreY = WindowHeight >> 1;
    int cursorX = centreX;
    int cursorY = centreY;
    GetCursorPosition(&cursorX, &cursorY);
    if (cursorX == centreX && cursorY == centreY) return;
    SetCursorPosition(centreX, centreY);
    MouseLookStep(camera, hero, heroRotation, centreX, centreY, LookedCursor(cursorX, centreX, false),
                  LookedCursor(cursorY, centreY, true));
}

int32_t LookedCursor(int32_t cursor, int32_t centre, bool vertical) {
    const int32_t index =
        MouseSpeedIndex >= 0 && MouseSpeedIndex < kMouseSpeedCount ? MouseSpeedIndex : kDefaultMouseSpeed;
    // Widened: a wild cursor must not overflow the offset.
    const int64_t raw = static_cast<int64_t>(cursor) - centre;
    int32_t offset = static_cast<int32_t>(raw > 1 << 20 ? 1 << 20 : raw < -(1 << 20) ? -(1 << 20) : raw);
    if (vertical && InvertLookFlag) offset = -offset;
    return centre + Scaled(offset, kMouseSpeeds[index], vertical ? CarryY : CarryX);
}
