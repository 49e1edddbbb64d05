#include "assets/settings.h"

uint8_t GamepadFlag = 1;
int32_t MusicVolume = kDefaultVolume;
int32_t EffectVolume = kDefaultVolume;
int32_t MouseSpeedIndex = kDefaultMouseSpeed;
uint8_t InvertLookFlag = 0;
uint8_t WindowedFlag = 0;
uint8_t HintsFlag = 1;
