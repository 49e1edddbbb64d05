#include "assets/game_state.h"

#include "platform/platform.h"

#include <cstdio>

int32_t GameMode = ModeBoot;
float LastFrameTime = 0.0f;

int32_t PlaySeconds = 0;
int32_t PlayMinutes = 0;
int32_t PlayHours = 0;
int32_t PlayClockStarted = 0;
float PlayClockMark = 0.0f;

uint8_t PlayerHasControl = 1;
uint8_t DialogueOpen = 0;
int32_t TitlePage = 0;
int32_t TitleCursor = 1;
int32_t SaveSlotCursor = 0;
int32_t CurrentLevel = 0;
uint8_t MenuClosing = 0;
int32_t MenuState = 0;
int32_t MenuCursor = 0;

// Hidden above a screen of the default height until the configuration sets it again.
int32_t DialogueSlide = HiddenDialogueSlide(768);

int32_t ScreenWidth = 1024;
int32_t ScreenHeight = 768;
int32_t ScreenBits = 32;
char KeyOk = 'X';
char KeyCancel = 'Z';
char KeyMenu = 'C';
uint8_t VSyncFlag = 0;

float FogDensity = 1e-9f;

char MusicRequested[256] = "";

void PlayMusic(const char* gamePath) {
    std::snprintf(MusicRequested, sizeof MusicRequested, "%s", gamePath ? gamePath : "");
    PlaySoundLoop(gamePath);
}
