#pragma once

// Run the frame function of a game mode above the boot.
void RunModeFrame(int mode);
