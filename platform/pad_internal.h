// How the game reads a game controller: the dead zone, the arrows a stick
// holds, how far the turning stick pushes the cursor and which key each
// button presses. Pure functions, so they work without a device.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// Raw travel (of 32767) inside this radius is play in the stick, not a push.
constexpr int kStickDeadZone = 8000;
// Cursor pixels a fully pushed turning stick moves per cursor read: mouse look
// reads once a field frame, so this turns 2.75 degrees a frame, a brisk mouse.
constexpr float kStickTurnPixels = 48.0f;

// A held direction presses again after this long, then at this interval, as
// a held arrow key does; the action buttons never repeat.
constexpr uint32_t kArrowRepeatDelayMs = 500;
constexpr uint32_t kArrowRepeatIntervalMs = 100;

// A stick's travel with the dead zone taken out: -1..1 each way, y down.
struct StickTravel {
    float x;
    float y;
};

// The keys the action buttons press (the configured OK, Cancel and Menu keys).
// The buttons that press them: three different ones among the face buttons and shoulders.
struct PadKeys {
    int ok;
    int cancel;
    int menu;
    PadButton okButton = PadButton::South;
    PadButton cancelButton = PadButton::East;
    PadButton menuButton = PadButton::North;
};

// Take the dead zone out of a raw stick position and stretch the rest to full travel.
StickTravel ApplyDeadZone(int rawX, int rawY);
// The arrows a stick holds, as bits 1 << (key - KeyLeft): eight sectors of 45 degrees.
uint8_t StickArrows(StickTravel stick);
// Cursor pixels the turning stick pushes per read along one axis of its travel.
float StickTurnPixels(float travel);
// The virtual key an SDL controller button presses; 0 for a button that presses none.
int PadButtonKey(int button, const PadKeys& keys);
// The key a face button or shoulder presses: an action's, or a villager's service key
// (Y, 1, 2 on west and the shoulders until an action takes one; then on the buttons left over).
int PadJobKey(PadButton button, const PadKeys& keys);
// The pad family SDL's controller type (SDL_GameControllerType) belongs to.
PadType PadTypeFromSdl(int sdlType);
