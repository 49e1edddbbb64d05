// The window procedure: every input except walking arrives here as a window
// message and acts at once on the game state, between frames. The configured
// OK, Cancel and Menu keys are tested before the fixed keys, so a configured
// key that equals a fixed one acts only as the configured key.
#pragma once

#include "platform/platform.h"

// Handle one window message.
void WindowProcedure(const PlatformMessage& message);
// Handle a key press by its virtual key.
void KeyDownAction(int key);
// The OK action of the current mode (OK key or left button).
void OkAction();
// The Cancel action of the current mode (Cancel key or right button).
void CancelAction();
// Open the in-game menu when the hero has control in the field.
void MenuAction();
// Move the cursor of the current screen by an arrow key.
void ArrowAction(int key);
