#include "assets/settings.h"

#include "assets/game_state.h"
#include "assets/input_names.h"

uint8_t GamepadFlag = 1;
int32_t MusicVolume = kDefaultVolume;
int32_t EffectVolume = kDefaultVolume;
int32_t MouseSpeedIndex = kDefaultMouseSpeed;
uint8_t InvertLookFlag = 0;
uint8_t WindowedFlag = 0;
uint8_t HintsFlag = 1;

void ResetControlSettings() {
    KeyOk = 'X';
    KeyCancel = 'Z';
    KeyMenu = 'C';
    PadOkButton = PadButton::South;
    PadCancelButton = PadButton::East;
    PadMenuButton = PadButton::North;
    GamepadFlag = 1;
    MouseSpeedIndex = kDefaultMouseSpeed;
    InvertLookFlag = 0;
}

void ResetSoundSettings() {
    MusicVolume = EffectVolume = kDefaultVolume;
}
