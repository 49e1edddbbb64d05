// Game.cfg: the resolution, the three action keys, the vertical-sync flag,
// whether game controllers play, the sound volumes, the picture's shape, the
// size the 3D is drawn at ("RenderScale=1", "0.75", "0.5" or "auto"; see
// render_scale.h), the mouse speed and invert, the pad's action buttons and
// the window, and whether the hints that name the controls show. A missing or partly unreadable file is not
// an error; the defaults stand, and lines after the last one known are left alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "assets/settings.h"

#include <string>

// Read Game.cfg from the working directory into the configured globals.
void ReadConfig();
// Apply the configuration held in a text (the defaults first, then every line that matches).
void ApplyConfigText(const char* text, size_t size);
// The configuration as Game.cfg holds it: every line, in order.
std::string ConfigText();
// Write Game.cfg whole (a temporary file on the disk, moved over the old one);
// false leaves the old file as it was and the settings as they are.
bool WriteConfig();
// Give the options screen what it needs from the shell: the layout, the render
// scale, vertical sync and the Game.cfg writer.
void InstallOptionsShell();
