#include "app/render_scale.h"

#include <gtest/gtest.h>

namespace {

constexpr double kBudget = 22.2;

// Feed one window of frames of the same cost; the scale after the window.
float Window(AutoScaleState& state, double frameMs, int late = 0) {
    float scale = 0;
    for (int i = 0; i < kAutoScaleWindow; ++i)
        scale = NextAutoScale(state, i < late ? kBudget + 5 : frameMs, kBudget);
    return scale;
}

// Down one step per late window, no further than the smallest; never inside a window.
TEST(AutoScale, LateWindowsStepDownToTheSmallest) {
    AutoScaleState state;
    for (int i = 0; i < kAutoScaleWindow - 1; ++i) EXPECT_EQ(NextAutoScale(state, 40.0, kBudget), 1.0f);
    EXPECT_EQ(NextAutoScale(state, 40.0, kBudget), 0.75f);
    EXPECT_EQ(Window(state, 40.0), 0.5f);
    EXPECT_EQ(Window(state, 40.0), 0.35f);
    EXPECT_EQ(Window(state, 40.0), 0.35f);
}

// A couple of late frames is noise; enough of them in one window is not.
TEST(AutoScale, OnlyEnoughLateFramesInAWindowLowerTheScale) {
    AutoScaleState state;
    EXPECT_EQ(Window(state, 10.0, kLateFramesToLower - 1), 1.0f);
    EXPECT_EQ(Window(state, 10.0, kLateFramesToLower), 0.75f);
}

// Up again only after windows in a row whose cost, grown by the larger
// picture, would still fit with room; a late frame or a tight fit starts over.
TEST(AutoScale, RisesOnlyAfterRoomyWindowsInARow) {
    AutoScaleState state;
    Window(state, 40.0);
    Window(state, 40.0);
    ASSERT_EQ(state.step, 2); // 0.5
    // 9 ms at 0.5 is 20.25 ms at 0.75: inside the budget, but without room.
    EXPECT_EQ(Window(state, 9.0), 0.5f);
    EXPECT_EQ(Window(state, 9.0), 0.5f);
    // 5 ms grows to 11.25 ms.
    for (int i = 1; i < kRoomyWindowsToRaise; ++i) EXPECT_EQ(Window(state, 5.0), 0.5f);
    EXPECT_EQ(Window(state, 5.0, 0), 0.75f);
    EXPECT_EQ(Window(state, 5.0, 1), 0.75f);
    for (int i = 1; i < kRoomyWindowsToRaise; ++i) EXPECT_EQ(Window(state, 5.0), 0.75f);
    EXPECT_EQ(Window(state, 5.0), 1.0f);
    EXPECT_EQ(Window(state, 1.0), 1.0f);
}

// A state from nowhere (a step out of range) starts again at full size.
TEST(AutoScale, AStepOutOfRangeStartsAgain) {
    AutoScaleState state;
    state.step = 7;
    EXPECT_EQ(NextAutoScale(state, 1.0, kBudget), 1.0f);
    state.step = -1;
    EXPECT_EQ(NextAutoScale(state, 1.0, kBudget), 1.0f);
}

} // namespace
