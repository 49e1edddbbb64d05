#include "platform/clock_internal.h"
#include "platform/platform.h"

#include <SDL_timer.h>

namespace {

bool Stepped = false;
uint32_t SteppedNow = 0;
uint32_t SteppedStep = 0;

} // namespace

uint32_t GetTickCount() {
    if (Stepped) return SteppedNow;
    // The game's counter is 32 bits and wraps after 49.7 days, like the one it was written for.
    return static_cast<uint32_t>(SDL_GetTicks64());
}

void StartSteppedClock(uint32_t startMs, uint32_t stepMs) {
    Stepped = true;
    SteppedNow = startMs;
    SteppedStep = stepMs;
}

void StopSteppedClock() {
    Stepped = false;
}

void UseSteppedClock(uint32_t stepMs) {
    StartSteppedClock(GetTickCount(), stepMs);
}

void AdvanceSteppedClock() {
    if (Stepped) SteppedNow += SteppedStep; // unsigned: wraps at 2^32
}
