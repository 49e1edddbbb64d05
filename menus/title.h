// The title screen: the logo with five pulsing picture buttons, the load page
// with the slot list, the credits and the options.
#pragma once

// The buttons: New Game, Load Game, Credits, Quit, Options, top to bottom.
constexpr int kTitleButtonCount = 5;
// TitlePage while the options screen is up over the logo.
constexpr int kTitleOptionsPage = 3;

extern float TitlePulse;
extern unsigned char TitlePulseFalling;

// The credits page: programming, 3D art, music, and where to write.
constexpr int kCreditLineCount = 4;
extern const char* const CreditLines[kCreditLineCount];

// The logo over the layout area (in the unit square), its sky and mountains over the rest of the picture.
void DrawLogoPicture();
// Draw one frame of the title page (0 main, 1 load list, 2 credits) and present it.
void TitleFrame(int page);
// Advance the selected button's pulse by one frame.
void AdvanceTitlePulse();
// Start a new game in the first dungeon.
void NewGame();
