// The program's start-up order, from the first log line to the main loop.
#pragma once

// Run the whole game with its command line; returns the exit code.
int RunGame(int argc, char** argv);
// Give the global state its first values and start the log.
void StaticInitialise();
// Switch the display mode and open the window as configured.
void OpenDisplay();
