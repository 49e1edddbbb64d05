// The translation of SDL events into the game's window messages.
#pragma once

#include "platform/platform.h"

#include <SDL.h>

// Fill message from an SDL event; false when the game has no message for it.
bool TranslateEvent(const SDL_Event& event, PlatformMessage* message);
