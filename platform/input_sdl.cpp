#include "platform/keys_internal.h"
#include "platform/platform_internal.h"

namespace {

bool ScriptedKeys[256];
int VirtualCursorX = 0;
int VirtualCursorY = 0;

bool KeyboardRunning() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

} // namespace

bool IsKeyDown(int key) {
    if (key < 0 || key > 255) return false;
    if (ScriptedKeys[key] || PadHoldsKey(key)) return true;
    if (!KeyboardRunning()) return false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    int scancodes[2];
    const int n = ScancodesForVirtualKey(key, scancodes);
    for (int i = 0; i < n; ++i)
        if (scancodes[i] < count && state[scancodes[i]]) return true;
    return false;
}

void SetScriptedKey(int key, bool down) {
    if (key >= 0 && key <= 255) ScriptedKeys[key] = down;
}

void ReleaseScriptedKeys() {
    for (bool& key : ScriptedKeys) key = false;
}

void CentreVirtualCursor(int width, int height) {
    VirtualCursorX = width / 2;
    VirtualCursorY = height / 2;
}

namespace {

void ReadMouse(int* x, int* y) {
    *x = VirtualCursorX;
    *y = VirtualCursorY;
    // A scripted run must not feel whatever the real mouse does.
    if (!PlatformScripted && KeyboardRunning()) SDL_GetMouseState(x, y);
}

} // namespace

void GetCursorPosition(int* x, int* y) {
    int cx = 0;
    int cy = 0;
    ReadMouse(&cx, &cy);
    PadCursorPush(&cx, &cy);
    if (x != nullptr) *x = cx;
    if (y != nullptr) *y = cy;
}

void SetCursorPosition(int x, int y) {
    if (PlatformScripted || GameWindow == nullptr) {
        VirtualCursorX = x;
        VirtualCursorY = y;
        return;
    }
    SDL_WarpMouseInWindow(GameWindow, x, y);
}

void NudgeCursor(int dx, int dy) {
    int x = 0;
    int y = 0;
    ReadMouse(&x, &y);
    SetCursorPosition(x + dx, y + dy);
}

void ShowMouseCursor(bool show) {
    if (KeyboardRunning()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}
