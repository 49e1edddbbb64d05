#include "platform/pad_internal.h"

#include "platform/platform.h"

#include <SDL_gamecontroller.h>

#include <cmath>

namespace {

constexpr float kFullTravel = 32767.0f;
// cos 67.5 degrees: a direction is held while the stick points within 67.5
// degrees of it, so diagonals hold two arrows and the rest exactly one.
constexpr float kSectorCosine = 0.38268343f;

uint8_t ArrowBit(int key) {
    return static_cast<uint8_t>(1u << (key - KeyLeft));
}

} // namespace

StickTravel ApplyDeadZone(int rawX, int rawY) {
    const float x = static_cast<float>(rawX);
    const float y = static_cast<float>(rawY);
    const float length = std::sqrt(x * x + y * y);
    if (!(length > kStickDeadZone)) return {0.0f, 0.0f};
    // Corners of a square gate reach past full travel: clip them to the circle.
    const float stretched = std::fmin((length - kStickDeadZone) / (kFullTravel - kStickDeadZone), 1.0f);
    return {x / length * stretched, y / length * stretched};
}

uint8_t StickArrows(StickTravel stick) {
    const float length = std::sqrt(stick.x * stick.x + stick.y * stick.y);
    if (!(length > 0.0f)) return 0;
    const float limit = kSectorCosine * length;
    uint8_t arrows = 0;
    if (stick.x < -limit) arrows |= ArrowBit(KeyLeft);
    if (stick.x > limit) arrows |= ArrowBit(KeyRight);
    if (stick.y < -limit) arrows |= ArrowBit(KeyUp);
    if (stick.y > limit) arrows |= ArrowBit(KeyDown);
    return arrows;
}

float StickTurnPixels(float travel) {
    // Squared, so a small push aims finely and a full one turns fast.
    const float t = std::fmax(-1.0f, std::fmin(travel, 1.0f));
    return t * std::fabs(t) * kStickTurnPixels;
}

int PadButtonKey(int button, const PadKeys& keys) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return keys.ok;
    case SDL_CONTROLLER_BUTTON_B:
        return keys.cancel;
    case SDL_CONTROLLER_BUTTON_Y:
    case SDL_CONTROLLER_BUTTON_START:
        return keys.menu;
    case SDL_CONTROLLER_BUTTON_BACK:
        return KeyEscape;
    // The villager's services: heal, first offer, second offer.
    case SDL_CONTROLLER_BUTTON_X:
        return 'Y';
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return '1';
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return '2';
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return KeyLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return KeyUp;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return KeyRight;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return KeyDown;
    default:
        return 0;
    }
}
