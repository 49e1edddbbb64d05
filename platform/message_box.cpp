#include "platform/platform_internal.h"

void ShowMessageBox(const char* text, const char* title) {
    if (text == nullptr) text = "";
    if (title == nullptr) title = "";
    // A scripted run has nobody to press OK, and a machine without a display cannot show the box.
    if (!PlatformScripted && SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title, text, nullptr) == 0)
        return;
    std::fprintf(stderr, "%s: %s\n", title, text);
}
