// Game.cfg: the resolution, the three action keys, the vertical-sync flag,
// whether game controllers play, the sound volumes, the picture's shape and
// the size the 3D is drawn at ("RenderScale=1", "0.5" or "auto"; see render_scale.h). A missing or partly
// unreadable file is not an error; the defaults stand.
#pragma once

#include <cstddef>
#include <cstdint>

// 1 (the default) lets game controllers play; a "Gamepad=0" line after the others turns them off.
extern uint8_t GamepadFlag;
// Music and effect volumes, 0 (silence) to 100; a "Volume=M E" line after the Gamepad line sets both.
constexpr int32_t kDefaultVolume = 80;
extern int32_t MusicVolume;
extern int32_t EffectVolume;

// Read Game.cfg from the working directory into the configured globals.
void ReadConfig();
// Apply the configuration held in a text (the defaults first, then every line that matches).
void ApplyConfigText(const char* text, size_t size);
