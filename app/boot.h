// The boot mode: the logo frame, then the one blocking load of everything the
// game shows, which ends on the title screen.
#pragma once

// Draw the logo full screen and present it.
void DrawLogoFrame();
// Load fonts, models, animations, textures and tables, then pass to the title.
void LoadEverything();
