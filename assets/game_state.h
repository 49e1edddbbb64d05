// The one global game state that every subsystem reads and writes. The game
// runs on one thread: window messages are handled between frames, so nothing
// here needs a lock.
#pragma once

#include <cstdint>

// Which frame function the main loop runs.
enum GameModeValue : int32_t {
    ModeBoot = 0,
    ModeTitle = 1,
    ModeField = 2,
    ModeMenu = 3,
    ModeBattle = 4,
    ModeVictory = 5,
};

extern int32_t GameMode;
extern float LastFrameTime; // seconds, when the last frame began

// Play-time clock; it runs in every mode above the title.
extern int32_t PlaySeconds;
extern int32_t PlayMinutes;
extern int32_t PlayHours;
extern int32_t PlayClockStarted;
extern float PlayClockMark; // milliseconds of the tick counter at the last counted second

extern uint8_t PlayerHasControl;
extern uint8_t DialogueOpen;
extern int32_t TitlePage;
extern int32_t TitleCursor;
extern int32_t SaveSlotCursor;
extern int32_t CurrentLevel;
extern uint8_t MenuClosing;
extern int32_t MenuState;
extern int32_t MenuCursor;

// Slide offset of the exit message box; negative while it hides above the screen.
extern int32_t DialogueSlide;

// Configured in Game.cfg: the size asked for (0 x 0 is the desktop's own), not
// the window's, which screen_area.h keeps.
extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern int32_t ScreenBits;
extern char KeyOk;
extern char KeyCancel;
extern char KeyMenu;
extern uint8_t VSyncFlag;

// The exit box offset that hides it wholly above a layout area of this height.
constexpr int32_t HiddenDialogueSlide(int32_t layoutHeight) {
    return -static_cast<int32_t>(layoutHeight / 5.12);
}

// Exponential fog of the render state; the level change thickens it to fade out.
extern float FogDensity;
// Fog density outside a level change: too thin to see.
constexpr float kClearFogDensity = 1e-9f;

// The music file last asked for, "" when sound was stopped.
extern char MusicRequested[256];

// Play a music file looping, or stop all sound for a null name, and remember the request.
void PlayMusic(const char* gamePath);
