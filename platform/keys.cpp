#include "platform/keys_internal.h"

#include "platform/platform.h"

#include <SDL_keycode.h>
#include <SDL_scancode.h>

namespace {

constexpr int KeyF1 = 112;
constexpr int FunctionKeyCount = 12;

// SDL numbers the keypad 1..9 then 0, so index by digit.
constexpr SDL_Keycode KeypadDigitKeys[10] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                             SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
constexpr SDL_Scancode KeypadDigitScancodes[10] = {
    SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3, SDL_SCANCODE_KP_4,
    SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7, SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
constexpr SDL_Scancode TopRowScancodes[10] = {SDL_SCANCODE_0, SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3,
                                              SDL_SCANCODE_4, SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7,
                                              SDL_SCANCODE_8, SDL_SCANCODE_9};

} // namespace

int VirtualKeyFromKeycode(int32_t keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + (keycode - SDLK_0);
    for (int digit = 0; digit < 10; ++digit)
        if (keycode == KeypadDigitKeys[digit]) return '0' + digit;
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return KeyF1 + (keycode - SDLK_F1);
    switch (keycode) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return KeyEnter;
    case SDLK_ESCAPE:
        return KeyEscape;
    case SDLK_SPACE:
        return KeySpace;
    case SDLK_LEFT:
        return KeyLeft;
    case SDLK_UP:
        return KeyUp;
    case SDLK_RIGHT:
        return KeyRight;
    case SDLK_DOWN:
        return KeyDown;
    case SDLK_BACKSPACE:
        return KeyBackspace;
    case SDLK_TAB:
        return KeyTab;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return KeyShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return KeyControl;
    default:
        return 0;
    }
}

int ScancodesForVirtualKey(int key, int scancodes[2]) {
    auto one = [&](SDL_Scancode a) {
        scancodes[0] = a;
        return 1;
    };
    auto two = [&](SDL_Scancode a, SDL_Scancode b) {
        scancodes[0] = a;
        scancodes[1] = b;
        return 2;
    };
    if (key >= 'A' && key <= 'Z') return one(static_cast<SDL_Scancode>(SDL_SCANCODE_A + (key - 'A')));
    if (key >= '0' && key <= '9') return two(TopRowScancodes[key - '0'], KeypadDigitScancodes[key - '0']);
    if (key >= KeyF1 && key < KeyF1 + FunctionKeyCount)
        return one(static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + (key - KeyF1)));
    switch (key) {
    case KeyEnter:
        return two(SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER);
    case KeyEscape:
        return one(SDL_SCANCODE_ESCAPE);
    case KeySpace:
        return one(SDL_SCANCODE_SPACE);
    case KeyLeft:
        return one(SDL_SCANCODE_LEFT);
    case KeyUp:
        return one(SDL_SCANCODE_UP);
    case KeyRight:
        return one(SDL_SCANCODE_RIGHT);
    case KeyDown:
        return one(SDL_SCANCODE_DOWN);
    case KeyBackspace:
        return one(SDL_SCANCODE_BACKSPACE);
    case KeyTab:
        return one(SDL_SCANCODE_TAB);
    case KeyShift:
        return two(SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT);
    case KeyControl:
        return two(SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL);
    default:
        return 0;
    }
}
