// The game's whole view of the operating system.
//
// Everything the game needs from the machine goes through these functions:
// one window with an OpenGL 1.x context, a queue of window messages, the key
// state and cursor for walking and mouse look, game controllers that press
// the same keys and push the same cursor, a millisecond clock, bitmap fonts
// built into display lists, looping music with short effects over it,
// message boxes and files.
// The game itself draws with OpenGL directly; it never calls SDL, FreeType,
// fontconfig or SDL_mixer. A feature the machine lacks (no sound device, no
// exact display mode, no font face) logs one warning line to standard error
// and the game goes on as it would on a machine that refused the request.
//
// Key codes are the game's virtual keys: letters as capitals 'A'..'Z', digits
// as themselves, Enter 13, Escape 27, Space 32, arrows Left 37, Up 38,
// Right 39, Down 40.
#pragma once

#include <cstdint>
#include <cstdio>

enum VirtualKey : int {
    KeyBackspace = 8,
    KeyTab = 9,
    KeyEnter = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyEscape = 27,
    KeySpace = 32,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

enum class MessageType {
    Paint,
    Close,
    KeyDown,
    LeftButtonDown,
    RightButtonDown,
    MiddleButtonDown,
    SystemCommand,
    Quit,
    SizeChanged
};

struct PlatformMessage {
    MessageType type;
    int key;       // KeyDown: the virtual key
    int exitCode;  // Quit: the code the program ends with
    int width = 0; // SizeChanged: the drawable's new size in pixels
    int height = 0;
};

// The buttons of a virtual pad, in the layout of the usual controller (south is A or Cross).
enum class PadButton { South, East, West, North, Back, Start, ShoulderL, ShoulderR, Up, Down, Left, Right };
enum class PadStick { Left, Right };
// The family of a pad, for the names printed on its buttons.
enum class PadType { Unknown, Xbox, PlayStation, Nintendo };
// What the player pressed last: keyboard or mouse, or a game controller.
enum class InputDevice { Keyboard, Pad };

struct DisplayMode {
    int width;
    int height;
    int bits;
    int refreshRate;
};

struct PixelFormatRequest {
    int colorBits;
    int depthBits;
    bool doubleBuffer;
};

// Start the platform; scripted runs send message boxes to standard error.
bool InitPlatform(bool scripted);
// Release everything the platform holds (window, context, audio, fonts).
void ShutdownPlatform();
// Tell whether message boxes are answered on standard error.
bool PlatformIsScripted();

// Read the desktop's current display mode.
bool ReadDisplayMode(DisplayMode* mode);
// Switch the display to exactly this size full screen; false when the display lacks it.
bool ChangeDisplayMode(const DisplayMode& mode);
// Put back the desktop's own display mode.
void RestoreDisplayMode();
// The full-screen sizes the display offers, largest first, each size once;
// fills at most capacity and returns how many it filled.
int ListDisplayModes(DisplayMode* modes, int capacity);

// Open the one window at (x, y): borderless full screen in the mode set by
// ChangeDisplayMode, or a resizable window.
// Windows opened from now on ask for an 8-bit stencil buffer as well.
void WantStencilBuffer();
// The pixel format is chosen here, the closest the driver grants to the request.
bool OpenGameWindow(const char* title, int x, int y, int width, int height, bool fullscreen,
                    const PixelFormatRequest& request);
// Open the window full screen at the desktop's own size, with no display-mode change.
bool OpenDesktopWindow(const char* title, const PixelFormatRequest& request);
// Switch the same window (context, textures and lists kept) between desktop
// full screen and a resizable window; a SizeChanged message follows.
void ToggleFullScreen();
// Switch the same window to full screen in this display mode (one ListDisplayModes
// gave); false, the window as it was, when the display refuses. A SizeChanged message follows.
bool SwitchDisplayMode(const DisplayMode& mode);
// Tell whether the window covers the screen: at the desktop's size, or in a display mode.
bool GameWindowFullScreen();
// Tell whether the window is full screen in a display mode of its own rather than the desktop's.
bool GameWindowInDisplayMode();
// Resize a windowed window (the harness's stand-in for dragging its edge).
void ResizeGameWindow(int width, int height);
// Close the window.
void CloseGameWindow();
// Read the window's drawable size.
void GetClientSize(int* width, int* height);
// Tell whether the window can be seen (neither hidden nor minimized).
bool GameWindowShown();
// Show or hide the window (the harness's stand-in for minimizing it).
void ShowGameWindow(bool show);
// Choose the pixel format closest to the request; 0 when the window has none.
int ChoosePixelFormat(const PixelFormatRequest& request);
// Check that the window carries this pixel format.
bool SetPixelFormat(int format);
// Read back what the chosen format actually grants.
PixelFormatRequest GrantedPixelFormat();
// Create the OpenGL context on the window and make it current.
bool CreateRenderContext();
// Make no context current and delete the context.
void DeleteRenderContext();
// The address of a GL function beyond 1.1 in the current context; nullptr
// when there is no context or the driver lacks it.
void* GetGLFunction(const char* name);
// Tell whether the current context names this extension.
bool HasGLExtension(const char* name);
// Present the back buffer (and write a requested screenshot first); a hidden window presents nothing.
void SwapScreenBuffer();
// Work every frame must finish before it is shown or written out (nullptr for none).
void SetBeforeSwap(void (*finish)());
// Ask for vertical sync; a driver that cannot do it is left alone.
void SetVerticalSync(bool on);

// Take one message without waiting; false when the queue is empty.
bool PeekPlatformMessage(PlatformMessage* message);
// Sleep until a message arrives or the timeout in milliseconds passes.
void WaitPlatformMessage(uint32_t timeoutMs);
// Append a message to the queue (scripted input arrives this way).
void PostPlatformMessage(const PlatformMessage& message);
// Append the quit message with its exit code.
void PostQuitMessage(int exitCode);

// Tell whether a key is held down now (real, scripted, or an arrow held on a pad).
bool IsKeyDown(int key);
// Hold or release a key as scripted input.
void SetScriptedKey(int key, bool down);
// Read the cursor position in window pixels; each read adds the push of every pad's right stick.
void GetCursorPosition(int* x, int* y);
// Move the cursor to window pixels.
void SetCursorPosition(int x, int y);
// Move the cursor by a scripted amount.
void NudgeCursor(int dx, int dy);
// Show or hide the mouse cursor over the window.
void ShowMouseCursor(bool show);

// Open every game controller, now and as plugged in; its action buttons press these keys.
bool UseGamepads(int okKey, int cancelKey, int menuKey);
// Choose the face buttons or shoulders that press OK, Cancel and Menu (three
// different ones); the villager's service keys take the three left over.
void SetPadActionButtons(PadButton ok, PadButton cancel, PadButton menu);
// Close every game controller; UseGamepads opens them again.
void StopGamepads();
// The family of the pad last pressed or plugged in; Unknown while none is open.
PadType LastPadType();
// The device the player last pressed a key or button on.
InputDevice LastInputDevice();
// Plug in a virtual pad (scripted input); false when SDL cannot make one.
bool PlugVirtualPad();
// Pull the virtual pad out.
void UnplugVirtualPad();
// Hold or release a button of the virtual pad.
void SetVirtualPadButton(PadButton button, bool down);
// Push a stick of the virtual pad to x, y (-32768..32767 each, y down).
void SetVirtualPadStick(PadStick stick, int x, int y);

// Read the millisecond tick counter (monotonic, wraps at 32 bits).
uint32_t GetTickCount();
// Replace the real clock with one that moves only by AdvanceSteppedClock.
void UseSteppedClock(uint32_t stepMs);
// Move the stepped clock on by one step (does nothing on the real clock).
void AdvanceSteppedClock();

// Build glyph bitmaps of characters 0..254 into display lists base..base+254.
bool BuildBitmapFont(const char* face, int cellHeight, int weight, uint32_t listBase);
// Pixel columns a text covers in that font as its display lists draw it; -1 without the face.
int MeasureTextWidth(const char* face, int cellHeight, int weight, const char* text);

// Play a .wav file asynchronously and looping; a null name stops all sound.
// A new tune replaces the old one and leaves the effects playing.
bool PlaySoundLoop(const char* gamePath);
// Play a short .wav once over the music, beside any effects still sounding.
// A file that cannot be played warns once and stays silent.
bool PlaySoundEffect(const char* gamePath);
// Set the music and effect volumes, 0 (silence) to 100 (full) each.
void SetSoundVolumes(int musicPercent, int effectPercent);

// Show a message box with an OK button (standard error when scripted).
void ShowMessageBox(const char* text, const char* title);

// Decide once, at start, where the game's files are: a working folder holding
// Game.cfg or the data keeps them all; otherwise the data lies beside the
// executable and Game.cfg, the saves and Log.txt go to the player's XDG
// folders. Until then every game path is taken from the working folder.
void ChooseGameFolders();
// Tell whether the player's files live in the XDG folders rather than the working folder.
bool PlayerFilesInHomeFolders();
// Open a file by the game's path ("Save/Slot1.sav", "Levels\\Vorudu.m3d") wherever it lives.
FILE* OpenGameFile(const char* gamePath, const char* mode);
// Flush a file written by the game and wait until the disk holds it.
bool SyncGameFile(FILE* file);
// Wait until a folder's entries (a rename into it) are on the disk.
bool SyncGameFolder(const char* gamePath);
// Move a file over another in one step: a reader sees the old or the new one.
bool RenameGameFile(const char* fromGamePath, const char* toGamePath);
bool RemoveGameFile(const char* gamePath);
// Create a folder unless it exists; true when it is there afterwards.
bool MakeGameFolder(const char* gamePath);

// Write the next presented frame to a PNG file.
void RequestScreenshot(const char* path);
// Write RGBA pixels, top row first, to a PNG file.
bool WritePNG(const char* path, int width, int height, const uint8_t* rgba);

// Write a warning line to standard error.
void PlatformWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
