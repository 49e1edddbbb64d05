// The translation of SDL events into the game's window messages.
#pragma once

#include "platform/platform.h"

#include <SDL.h>

// Alt+Enter, which switches between full screen and a window whatever the game is doing.
bool IsFullScreenToggle(const SDL_Event& event);
// Fill message from an SDL event; false when the game has no message for it.
bool TranslateEvent(const SDL_Event& event, PlatformMessage* message);
