// Game.cfg: the resolution, the three action keys and the vertical-sync flag.
// A missing or partly unreadable file is not an error; the defaults stand.
#pragma once

#include <cstddef>

// Read Game.cfg from the working directory into the configured globals.
void ReadConfig();
// Apply the configuration held in a text (the defaults first, then every line that matches).
void ApplyConfigText(const char* text, size_t size);
