// The stepped clock, split from the real tick source so it can be started at
// any value (the 32-bit wrap in particular).
#pragma once

#include <cstdint>

// Start the stepped clock at startMs; each AdvanceSteppedClock adds stepMs.
void StartSteppedClock(uint32_t startMs, uint32_t stepMs);
// Go back to the real tick counter.
void StopSteppedClock();
