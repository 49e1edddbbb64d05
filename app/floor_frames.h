// Frames that draw next to nothing, timed with the timedemo as floors to
// measure the game's own frames against.
#pragma once

// Clear and swap: what the machine spends on a frame with nothing in it.
void BareFrame();
// Every pixel shaded once as the field shades its ground, then swap.
void FillFrame();
