#pragma once

// Shut the game down: log, stop sound, release the context, restore the display, post quit.
void QuitSequence();
