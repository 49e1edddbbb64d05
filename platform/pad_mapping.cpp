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

int PadJobKey(PadButton button, const PadKeys& keys) {
    constexpr PadButton order[6] = {PadButton::South, PadButton::East,      PadButton::West,
                                    PadButton::North, PadButton::ShoulderL, PadButton::ShoulderR};
    int jobs[6] = {};
    bool taken[6] = {};
    auto place = [&](PadButton b, int key) {
        for (int i = 0; i < 6; ++i)
            if (order[i] == b && !taken[i]) {
                jobs[i] = key;
                taken[i] = true;
                return true;
            }
        return false;
    };
    place(keys.okButton, keys.ok);
    place(keys.cancelButton, keys.cancel);
    place(keys.menuButton, keys.menu);
    // The villager's services (heal, first offer, second offer) keep their own
    // buttons while free; one whose button an action took moves to the first left over.
    const int services[3] = {'Y', '1', '2'};
    bool placed[3] = {place(PadButton::West, services[0]), place(PadButton::ShoulderL, services[1]),
                      place(PadButton::ShoulderR, services[2])};
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 6 && !placed[s]; ++i) placed[s] = place(order[i], services[s]);
    for (int i = 0; i < 6; ++i)
        if (order[i] == button) return jobs[i];
    return 0;
}

int PadButtonKey(int button, const PadKeys& keys) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadJobKey(PadButton::South, keys);
    case SDL_CONTROLLER_BUTTON_B:
        return PadJobKey(PadButton::East, keys);
    case SDL_CONTROLLER_BUTTON_X:
        return PadJobKey(PadButton::West, keys);
    case SDL_CONTROLLER_BUTTON_Y:
        return PadJobKey(PadButton::North, keys);
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return PadJobKey(PadButton::ShoulderL, keys);
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return PadJobKey(PadButton::ShoulderR, keys);
    case SDL_CONTROLLER_BUTTON_START:
        return keys.menu;
    case SDL_CONTROLLER_BUTTON_BACK:
        return KeyEscape;
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

PadType PadTypeFromSdl(int sdlType) {
    switch (sdlType) {
    case SDL_CONTROLLER_TYPE_XBOX360:
    case SDL_CONTROLLER_TYPE_XBOXONE:
        return PadType::Xbox;
    case SDL_CONTROLLER_TYPE_PS3:
    case SDL_CONTROLLER_TYPE_PS4:
    case SDL_CONTROLLER_TYPE_PS5:
        return PadType::PlayStation;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
        return PadType::Nintendo;
    default:
        return PadType::Unknown;
    }
}
