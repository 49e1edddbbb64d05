#include "app/main_loop.h"
#include "assets/game_state.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

void ResetClock() {
    PlaySeconds = PlayMinutes = PlayHours = 0;
    PlayClockStarted = 0;
    PlayClockMark = 0;
}

TEST(FrameGate, StrictlyMoreThanOneFortyFifth) {
    EXPECT_FALSE(FrameDue(1.0f, 1.0f));
    EXPECT_FALSE(FrameDue(kFrameInterval, 0.0f));
    EXPECT_TRUE(FrameDue(std::nextafter(kFrameInterval, 1.0f), 0.0f));
    EXPECT_TRUE(FrameDue(1.023f, 1.0f));
    EXPECT_FALSE(FrameDue(1.022f, 1.0f));
    EXPECT_FALSE(FrameDue(std::nanf(""), 1.0f));
    EXPECT_FALSE(FrameDue(1.0f, std::nanf("")));
}

TEST(FrameGate, MillisecondTicksGiveFramesNeverCloserThanTheInterval) {
    // Walk the millisecond clock as the loop does and check every gap.
    float last = 0.0f;
    uint32_t lastTick = 0;
    int frames = 0;
    for (uint32_t tick = 1; tick < 5000; ++tick) {
        const float now = static_cast<float>(tick) * 0.001f;
        if (!FrameDue(now, last)) continue;
        if (frames > 0) {
            EXPECT_GE(tick - lastTick, 23u);
        }
        last = now;
        lastTick = tick;
        ++frames;
    }
    EXPECT_GE(frames, 215); // about 43.5 a second at 23 ms
    EXPECT_LE(frames, 225);
}

TEST(FrameGate, SleepTimeReachesTheNextFrame) {
    const float last = 10.0f;
    for (float now : {10.0f, 10.005f, 10.0219f}) {
        const uint32_t wait = MillisecondsUntilFrame(now, last);
        EXPECT_GE(wait, 1u);
        EXPECT_TRUE(FrameDue(now + wait * 0.001f + 0.0011f, last));
    }
    EXPECT_EQ(MillisecondsUntilFrame(11.0f, last), 1u); // already late: do not sleep long
    EXPECT_EQ(MillisecondsUntilFrame(std::nanf(""), last), 1u);
}

TEST(PlayClock, StartsOnFirstCountedFrameAndAddsOneSecondPerFrameAtMost) {
    ResetClock();
    AdvancePlayClock(5000);
    EXPECT_EQ(std::tuple(PlayClockStarted, PlaySeconds), std::tuple(1, 0));
    // A 3.5 s frame (to 9500) counts one second, the rest is dropped.
    const std::pair<uint32_t, int32_t> frames[] = {{5999, 0}, {6000, 1}, {9500, 2}, {10400, 2}, {10500, 3}};
    for (const auto& [tick, seconds] : frames) {
        AdvancePlayClock(tick);
        EXPECT_EQ(PlaySeconds, seconds) << tick;
    }
}

TEST(PlayClock, RollsSecondsIntoMinutesAndMinutesIntoHours) {
    ResetClock();
    PlayClockStarted = 1;
    PlaySeconds = 59;
    PlayMinutes = 59;
    PlayHours = 99;
    AdvancePlayClock(1000);
    EXPECT_EQ(std::tuple(PlaySeconds, PlayMinutes, PlayHours),
              std::tuple(0, 0, 100)); // hours are not bounded
    PlaySeconds = 59;
    PlayMinutes = 10;
    AdvancePlayClock(2000);
    EXPECT_EQ(std::tuple(PlaySeconds, PlayMinutes), std::tuple(0, 11));
}

} // namespace
