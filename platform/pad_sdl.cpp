// Game controllers: every pad SDL's mapping database knows, opened as it is
// plugged in and dropped as it is pulled out. Its buttons and d-pad arrive as
// the key presses the keyboard makes, its directions as held arrows, and its
// right stick pushes the cursor that mouse look reads.
#include "platform/pad_internal.h"
#include "platform/platform_internal.h"

namespace {

constexpr int kMaxPads = 8;

struct PadRecord {
    SDL_GameController* controller;
    SDL_JoystickID id;
    uint8_t dpad;           // arrow bits the d-pad holds
    uint8_t arrows;         // arrow bits the d-pad and the left stick hold together
    int16_t sticks[4];      // left x, y, right x, y, raw
    float turnCarry[2];     // fractions of a pixel not yet pushed
    uint32_t nextRepeat[4]; // when each held arrow presses again
    PadType type;
};

PadRecord Pads[kMaxPads];
bool PadsOpen = false;
PadKeys ActionKeys = {'X', 'Z', 'C'};
SDL_Joystick* VirtualPad = nullptr;
PadType LastType = PadType::Unknown;
InputDevice LastDevice = InputDevice::Keyboard;

PadRecord* FindPad(SDL_JoystickID id) {
    for (PadRecord& pad : Pads)
        if (pad.controller != nullptr && pad.id == id) return &pad;
    return nullptr;
}

const char* PadName(SDL_GameController* controller) {
    const char* name = SDL_GameControllerName(controller);
    return name != nullptr ? name : "unnamed pad";
}

// Press every arrow that has just come down; a held one presses again only by repeating.
void UpdateArrows(PadRecord& pad) {
    const StickTravel stick = ApplyDeadZone(pad.sticks[0], pad.sticks[1]);
    const uint8_t arrows = static_cast<uint8_t>(pad.dpad | StickArrows(stick));
    const uint8_t pressed = static_cast<uint8_t>(arrows & ~pad.arrows);
    pad.arrows = arrows;
    for (int i = 0; i < 4; ++i) {
        if (!(pressed & (1u << i))) continue;
        PostPlatformMessage({MessageType::KeyDown, KeyLeft + i, 0});
        pad.nextRepeat[i] = GetTickCount() + kArrowRepeatDelayMs;
    }
}

void OpenPad(int deviceIndex) {
    // A scripted run must not feel whatever a real pad does.
    if (PlatformScripted && !SDL_JoystickIsVirtual(deviceIndex)) return;
    if (FindPad(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) return;
    PadRecord* slot = nullptr;
    for (PadRecord& pad : Pads)
        if (pad.controller == nullptr && slot == nullptr) slot = &pad;
    if (slot == nullptr) {
        PlatformWarning("gamepad ignored: %d are open already", kMaxPads);
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        PlatformWarning("cannot open gamepad: %s", SDL_GetError());
        return;
    }
    // Whatever is held while it is plugged in counts as held, but presses nothing.
    *slot = PadRecord{};
    slot->controller = controller;
    slot->id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    slot->type = PadTypeFromSdl(SDL_GameControllerGetType(controller));
    LastType = slot->type;
    const SDL_GameControllerAxis axes[4] = {SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY,
                                            SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY};
    for (int i = 0; i < 4; ++i) slot->sticks[i] = SDL_GameControllerGetAxis(controller, axes[i]);
    for (int button = SDL_CONTROLLER_BUTTON_DPAD_UP; button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++button) {
        const int key = PadButtonKey(button, ActionKeys);
        if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)))
            slot->dpad |= static_cast<uint8_t>(1u << (key - KeyLeft));
    }
    slot->arrows =
        static_cast<uint8_t>(slot->dpad | StickArrows(ApplyDeadZone(slot->sticks[0], slot->sticks[1])));
    for (uint32_t& next : slot->nextRepeat) next = GetTickCount() + kArrowRepeatDelayMs;
    PlatformWarning("gamepad connected: %s", PadName(controller));
}

void ClosePad(PadRecord& pad, bool announce) {
    if (announce) PlatformWarning("gamepad disconnected: %s", PadName(pad.controller));
    SDL_GameControllerClose(pad.controller);
    pad = PadRecord{};
    // The names follow a pad still in hand, or none.
    LastType = PadType::Unknown;
    for (const PadRecord& other : Pads)
        if (other.controller != nullptr) LastType = other.type;
}

void PadButtonEvent(SDL_JoystickID id, int button, bool down) {
    PadRecord* pad = FindPad(id);
    if (pad == nullptr) return;
    if (down) {
        LastType = pad->type;
        LastDevice = InputDevice::Pad;
    }
    const int key = PadButtonKey(button, ActionKeys);
    // By button, not by key: a configured key may share an arrow's code.
    if (button >= SDL_CONTROLLER_BUTTON_DPAD_UP && button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT) {
        const uint8_t bit = static_cast<uint8_t>(1u << (key - KeyLeft));
        pad->dpad = static_cast<uint8_t>(down ? pad->dpad | bit : pad->dpad & ~bit);
        UpdateArrows(*pad);
    } else if (key != 0 && down) {
        PostPlatformMessage({MessageType::KeyDown, key, 0});
    }
}

void PadAxisEvent(SDL_JoystickID id, int axis, int16_t value) {
    PadRecord* pad = FindPad(id);
    if (pad == nullptr || axis < 0 || axis > 3) return; // the triggers do nothing
    pad->sticks[axis] = value;
    if (axis < 2) UpdateArrows(*pad);
}

int VirtualPadIndex() {
    if (VirtualPad == nullptr) return -1;
    const SDL_JoystickID id = SDL_JoystickInstanceID(VirtualPad);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    return -1;
}

} // namespace

bool UseGamepads(int okKey, int cancelKey, int menuKey) {
    ActionKeys.ok = okKey;
    ActionKeys.cancel = cancelKey;
    ActionKeys.menu = menuKey;
    if (PadsOpen) return true;
    // South is south on every pad: SDL would otherwise swap a Nintendo pad's A and B to match their labels.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        PlatformWarning("cannot start gamepads: %s", SDL_GetError());
        return false;
    }
    // Pads already plugged in arrive as added devices, like the ones plugged in later.
    PadsOpen = true;
    return true;
}

void SetPadActionButtons(PadButton ok, PadButton cancel, PadButton menu) {
    if (ok == cancel || ok == menu || cancel == menu) return;
    ActionKeys.okButton = ok;
    ActionKeys.cancelButton = cancel;
    ActionKeys.menuButton = menu;
}

void StopGamepads() {
    for (PadRecord& pad : Pads)
        if (pad.controller != nullptr) ClosePad(pad, false);
    if (PadsOpen) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    PadsOpen = false;
}

PadType LastPadType() {
    return LastType;
}

InputDevice LastInputDevice() {
    return LastDevice;
}

void NoteKeyboardUsed() {
    LastDevice = InputDevice::Keyboard;
}

bool HandlePadEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        if (PadsOpen) OpenPad(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (PadRecord* pad = FindPad(event.cdevice.which)) ClosePad(*pad, true);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        PadButtonEvent(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        PadAxisEvent(event.caxis.which, event.caxis.axis, event.caxis.value);
        return true;
    default:
        return false;
    }
}

void RepeatPadArrows() {
    const uint32_t now = GetTickCount();
    for (PadRecord& pad : Pads) {
        if (pad.controller == nullptr) continue;
        for (int i = 0; i < 4; ++i) {
            // Signed against the clock wrapping; a late pump presses once, not in a burst.
            if (!(pad.arrows & (1u << i)) || static_cast<int32_t>(now - pad.nextRepeat[i]) < 0) continue;
            PostPlatformMessage({MessageType::KeyDown, KeyLeft + i, 0});
            pad.nextRepeat[i] = now + kArrowRepeatIntervalMs;
        }
    }
}

bool PadHoldsKey(int key) {
    if (key < KeyLeft || key > KeyDown) return false;
    for (const PadRecord& pad : Pads)
        if (pad.controller != nullptr && (pad.arrows & (1u << (key - KeyLeft)))) return true;
    return false;
}

void PadCursorPush(int* dx, int* dy) {
    int* push[2] = {dx, dy};
    for (PadRecord& pad : Pads) {
        if (pad.controller == nullptr) continue;
        const StickTravel stick = ApplyDeadZone(pad.sticks[2], pad.sticks[3]);
        const float travel[2] = {stick.x, stick.y};
        for (int axis = 0; axis < 2; ++axis) {
            if (travel[axis] == 0.0f) {
                pad.turnCarry[axis] = 0.0f;
                continue;
            }
            const float pixels = pad.turnCarry[axis] + StickTurnPixels(travel[axis]);
            const int whole = static_cast<int>(pixels);
            pad.turnCarry[axis] = pixels - static_cast<float>(whole);
            *push[axis] += whole;
        }
    }
}

void ClosePads() {
    StopGamepads();
    UnplugVirtualPad();
}

bool PlugVirtualPad() {
    if (VirtualPad != nullptr) return true;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        PlatformWarning("cannot start joysticks: %s", SDL_GetError());
        return false;
    }
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0);
    if (index >= 0) VirtualPad = SDL_JoystickOpen(index);
    if (VirtualPad == nullptr) {
        PlatformWarning("cannot plug in a virtual pad: %s", SDL_GetError());
        if (index >= 0) SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    return true;
}

void UnplugVirtualPad() {
    if (VirtualPad == nullptr) return;
    const int index = VirtualPadIndex();
    SDL_JoystickClose(VirtualPad);
    VirtualPad = nullptr;
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SetVirtualPadButton(PadButton button, bool down) {
    static const SDL_GameControllerButton buttons[] = {SDL_CONTROLLER_BUTTON_A,
                                                       SDL_CONTROLLER_BUTTON_B,
                                                       SDL_CONTROLLER_BUTTON_X,
                                                       SDL_CONTROLLER_BUTTON_Y,
                                                       SDL_CONTROLLER_BUTTON_BACK,
                                                       SDL_CONTROLLER_BUTTON_START,
                                                       SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                                       SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
                                                       SDL_CONTROLLER_BUTTON_DPAD_UP,
                                                       SDL_CONTROLLER_BUTTON_DPAD_DOWN,
                                                       SDL_CONTROLLER_BUTTON_DPAD_LEFT,
                                                       SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
    const auto i = static_cast<size_t>(button);
    if (VirtualPad != nullptr && i < sizeof buttons / sizeof buttons[0])
        SDL_JoystickSetVirtualButton(VirtualPad, buttons[i], down ? 1 : 0);
}

void SetVirtualPadStick(PadStick stick, int x, int y) {
    if (VirtualPad == nullptr) return;
    auto clamp = [](int v) { return static_cast<Sint16>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); };
    const int first = stick == PadStick::Left ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_RIGHTX;
    SDL_JoystickSetVirtualAxis(VirtualPad, first, clamp(x));
    SDL_JoystickSetVirtualAxis(VirtualPad, first + 1, clamp(y));
}
