// State the SDL-backed platform files share among themselves. Game code never
// includes this: it would pull SDL into the game.
#pragma once

#include "platform/platform.h"

#include <SDL.h>

extern bool PlatformScripted;
extern SDL_Window* GameWindow;
extern SDL_GLContext GameContext;

// 1 when the window was created with a GL-capable pixel format, 0 when not.
extern int WindowPixelFormat;
// Which of the chooser's attempts gave the window its format (-1: none).
extern int WindowFormatAttempt;
// The colour and depth bits that attempt asked for.
extern PixelFormatRequest WindowFormatAsked;

// Read the drawable's size; true only when it differs from the size last reported to the game.
bool TakeNewWindowSize(int* width, int* height);
// Queue a SizeChanged message when the drawable's size has changed.
void QueueWindowSize();
// Give the window the game's icon from the data; a missing one only warns.
void SetGameWindowIcon();
// Put the scripted cursor in the middle of a new window.
void CentreVirtualCursor(int width, int height);
// Release every scripted key.
void ReleaseScriptedKeys();
// Drop every queued message.
void ClearMessageQueue();
// Stop the music and close the audio device.
void ShutdownSound();
// Forget the display mode kept for the full-screen window.
void ForgetDisplayMode();
// Whether ChangeDisplayMode granted a mode, and which.
bool KeptDisplayMode(SDL_DisplayMode* mode);
// Take a game-controller event into the pads' state; false for any other event.
bool HandlePadEvent(const SDL_Event& event);
// Press again every arrow a pad has held long enough to repeat.
void RepeatPadArrows();
// Whether any pad holds this arrow key.
bool PadHoldsKey(int key);
// Add the pixels the pads' right sticks push the cursor by on this read.
void PadCursorPush(int* dx, int* dy);
// The keyboard or the mouse was pressed: names follow the keys again.
void NoteKeyboardUsed();
// Close every pad and pull out the virtual one.
void ClosePads();
