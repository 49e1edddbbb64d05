// The player's settings that Game.cfg keeps beyond the size and keys of
// game_state.h, read by the layers that act on them and changed at once by
// the options screen.
#pragma once

#include <cstdint>

// 1 (the default) lets game controllers play; 0 opens none.
extern uint8_t GamepadFlag;
// Music and effect volumes, 0 (silence) to 100.
constexpr int32_t kDefaultVolume = 80;
extern int32_t MusicVolume;
extern int32_t EffectVolume;
// How far the mouse turns and tilts the view: 1 is a thousandth of a radian a
// pixel; the choices run from a quarter to four times that.
constexpr float kMouseSpeeds[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.5f, 2.0f, 3.0f, 4.0f};
constexpr int32_t kMouseSpeedCount = 8;
constexpr int32_t kDefaultMouseSpeed = 3;
extern int32_t MouseSpeedIndex;
// 1 turns the mouse's vertical look upside down.
extern uint8_t InvertLookFlag;
// 1 plays in a window rather than full screen.
extern uint8_t WindowedFlag;
// 1 (the default) shows the hints that name the controls; 0 hides them.
extern uint8_t HintsFlag;

// Back to a new player's controls (keys, pad buttons, pads on, mouse look)
// and sound, as a missing Game.cfg and the options' "Restore defaults" give.
void ResetControlSettings();
void ResetSoundSettings();
