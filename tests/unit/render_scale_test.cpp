#include "app/render_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr double kBudget = 22.2;

// A machine whose frames cost fixedMs plus areaMs times the scene's share of
// the picture, give or take up to jitterMs at random. Plays whole windows,
// each frame at the scale the controller gave for it, and returns the scale
// after each window.
std::vector<float> Play(AutoScaleState& state, double fixedMs, double areaMs, int windows,
                        double jitterMs = 0) {
    std::vector<float> scales;
    float scale = kRenderScaleSteps[state.step];
    uint32_t seed = 12345;
    for (int w = 0; w < windows; ++w) {
        for (int f = 0; f < kAutoScaleWindow; ++f) {
            seed = seed * 1664525u + 1013904223u;
            const double jitter = jitterMs * ((seed >> 8) / double(1 << 24) * 2.0 - 1.0);
            scale = NextAutoScale(state, fixedMs + areaMs * scale * scale + jitter, kBudget);
        }
        scales.push_back(scale);
    }
    return scales;
}

int Changes(const std::vector<float>& scales) {
    int changes = 0;
    for (size_t i = 1; i < scales.size(); ++i) changes += scales[i] != scales[i - 1];
    return changes;
}

// Frames of 10 ms fixed and 24 ms of scene: 0.75 costs 23.5 ms, 0.5 16 ms and
// 0.35 12.9 ms. One step down measures what the scene costs, the next goes
// straight to 0.5, the largest that fits, and it stays there: 0.35 would fit
// too, but blurs for nothing.
TEST(AutoScale, StepsToTheLargestScaleThatFitsAndStays) {
    AutoScaleState state;
    const std::vector<float> scales = Play(state, 10, 24, 40);
    EXPECT_EQ(scales[0], 0.75f);
    EXPECT_EQ(scales[1], 0.5f);
    for (size_t i = 1; i < scales.size(); ++i) EXPECT_EQ(scales[i], 0.5f) << "window " << i;
    EXPECT_NEAR(state.fixedMs, 10.0, 0.01);
}

// A frame that is all scene (40 ms at full size): once the first step shows
// that, the next goes down as far as needed, and no further.
TEST(AutoScale, AFrameThatIsAllSceneGoesWhereTheAreaSays) {
    AutoScaleState state;
    const std::vector<float> scales = Play(state, 0, 40, 10);
    EXPECT_EQ(scales[0], 0.75f); // 22.5 ms: still late
    EXPECT_EQ(scales[1], 0.5f);  // 10 ms
    EXPECT_EQ(scales.back(), 0.5f);
    EXPECT_NEAR(state.fixedMs, 0.0, 0.01);
}

// When the fixed part alone misses the budget, a smaller scene would only
// blur the picture: after the one step that shows it, back to full size. Only
// now and then, further apart each time, is a step down measured again.
TEST(AutoScale, NoStepDownWhenNoStepWouldFit) {
    AutoScaleState state;
    const std::vector<float> scales = Play(state, 30, 3, 100);
    EXPECT_EQ(scales[0], 0.75f);
    EXPECT_EQ(scales[1], 1.0f);
    std::vector<size_t> remeasured;
    for (size_t i = 1; i < scales.size(); ++i)
        if (scales[i] != 1.0f) remeasured.push_back(i);
    ASSERT_EQ(remeasured.size(), 3u);
    EXPECT_EQ(remeasured[0], 1u + kLateWindowsToRetry);
    EXPECT_EQ(remeasured[1] - remeasured[0], 2u * kLateWindowsToRetry + 1);
    EXPECT_EQ(remeasured[2] - remeasured[1], 4u * kLateWindowsToRetry + 1);
    // A heavier scene on the same machine: the steps down do save, and are taken.
    const std::vector<float> heavier = Play(state, 30, 40, 10);
    EXPECT_LT(heavier.back(), 1.0f);
}

// 20 ms fixed and 40 ms of scene: no step fits (0.5 costs 30 ms, 0.35 25 ms),
// so it goes as far as 0.5 and stays; 0.35 would be late too, and blurrier.
TEST(AutoScale, WhenNoStepFitsItStopsAtHalf) {
    AutoScaleState state;
    const std::vector<float> scales = Play(state, 20, 40, 20);
    EXPECT_EQ(scales[1], 0.5f);
    for (size_t i = 1; i < scales.size(); ++i) EXPECT_EQ(scales[i], 0.5f) << "window " << i;
}

// The walk turns towards a heavier view just as the scale drops, so the window
// at 0.75 costs more than the one at full size before it. That says nothing of
// what a step saves: it must not be read as a frame that is all fixed part,
// which would send the scale back to full size for good.
TEST(AutoScale, ASceneGrowingHeavierAsTheScaleDropsTeachesNothing) {
    AutoScaleState state;
    std::vector<float> scales = Play(state, 8, 20, 1); // 28 ms at full size
    ASSERT_EQ(scales[0], 0.75f);
    scales = Play(state, 8, 40, 20); // 30.5 ms at 0.75, 18 ms at 0.5
    for (size_t i = 0; i < scales.size(); ++i) EXPECT_EQ(scales[i], 0.5f) << "window " << i;
    EXPECT_NEAR(state.fixedMs, 8.0, 0.01);
}

// A fixed part learnt wrong (29 ms, where the machine's is 14.5 ms and its
// scene 9 ms) keeps every frame at full size late: the model is doubted, the
// step measured again, and the scale finds 0.75, where the frames are in time.
TEST(AutoScale, AModelThatKeepsFramesLateIsMeasuredAgain) {
    AutoScaleState state;
    state.fixedMs = 29.0;
    const std::vector<float> scales = Play(state, 14.5, 9, 20);
    EXPECT_EQ(scales[0], 1.0f);
    EXPECT_EQ(scales.back(), 0.75f);
    EXPECT_NEAR(state.fixedMs, 14.5, 0.01);
}

// At 0.5, with 12 ms fixed: a window with three late frames of 30 ms among
// frames of 17 ms would find 0.35 fitting, but one such window alone does not
// take it there; a second in a row does.
TEST(AutoScale, BelowHalfOnlyWhenHalfIsLateTwiceInARow) {
    const auto window = [](AutoScaleState& state, bool late) {
        float scale = 0;
        for (int f = 0; f < kAutoScaleWindow; ++f)
            scale = NextAutoScale(state, late && f < kLateFramesToLower ? 30.0 : 17.0, kBudget);
        return scale;
    };
    AutoScaleState state;
    state.step = state.lastStep = kLowestUnfittedStep;
    state.fixedMs = 12.0;
    EXPECT_EQ(window(state, true), 0.5f);
    EXPECT_EQ(window(state, false), 0.5f);
    EXPECT_EQ(window(state, true), 0.5f);
    EXPECT_EQ(window(state, true), 0.35f);
}

// Frames 5 ms either side of 8 ms fixed and 18 ms of scene: 0.75 averages
// 18.1 ms, inside the budget on average but often late, so the scale goes to
// 0.5 (12.5 ms); from there 0.75 looks as if it would fit, but not with the
// room a step up asks for, so it is not tried again and again.
TEST(AutoScale, JitterNearTheBudgetDoesNotFlap) {
    AutoScaleState state;
    const std::vector<float> scales = Play(state, 8, 18, 80, 5.0);
    EXPECT_LE(Changes(scales), 2);
    EXPECT_EQ(scales.back(), 0.5f);
}

// A scene that grows light again: up only after windows in a row with room,
// as far as the model says it fits; a late frame starts the count over.
TEST(AutoScale, RisesWhenTheSceneGetsLighterAfterRoomyWindowsInARow) {
    AutoScaleState state;
    Play(state, 10, 32, 6);
    ASSERT_EQ(kRenderScaleSteps[state.step], 0.5f); // 18 ms there, 28 ms at 0.75
    // Now 10 + 4 ms at full size.
    for (int i = 1; i < kRoomyWindowsToRaise; ++i) EXPECT_EQ(Play(state, 10, 4, 1)[0], 0.5f);
    // One late frame in the window.
    for (int f = 0; f < kAutoScaleWindow; ++f) NextAutoScale(state, f == 0 ? 30.0 : 11.0, kBudget);
    EXPECT_EQ(kRenderScaleSteps[state.step], 0.5f);
    for (int i = 1; i < kRoomyWindowsToRaise; ++i) EXPECT_EQ(Play(state, 10, 4, 1)[0], 0.5f);
    EXPECT_EQ(Play(state, 10, 4, 1)[0], 1.0f);
}

// A couple of late frames is noise; enough of them in one window is not.
TEST(AutoScale, OnlyEnoughLateFramesInAWindowLowerTheScale) {
    AutoScaleState state;
    for (int f = 0; f < kAutoScaleWindow; ++f)
        EXPECT_EQ(NextAutoScale(state, f < kLateFramesToLower - 1 ? 40.0 : 10.0, kBudget), 1.0f);
    for (int f = 0; f < kAutoScaleWindow - 1; ++f)
        EXPECT_EQ(NextAutoScale(state, f < kLateFramesToLower ? 40.0 : 10.0, kBudget), 1.0f);
    EXPECT_EQ(NextAutoScale(state, 10.0, kBudget), 0.75f);
}

// Times a stalled or jumping clock gives are left out; a state from nowhere
// starts again at full size.
TEST(AutoScale, BadTimesAndStatesAreSurvived) {
    AutoScaleState state;
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), -5.0,
                          std::numeric_limits<double>::infinity()};
    for (int i = 0; i < 100; ++i) EXPECT_EQ(NextAutoScale(state, bad[i % 3], kBudget), 1.0f);
    EXPECT_EQ(state.frames, 0);
    state.step = 7;
    EXPECT_EQ(NextAutoScale(state, 1.0, kBudget), 1.0f);
    state.step = -1;
    EXPECT_EQ(NextAutoScale(state, 1.0, kBudget), 1.0f);
    EXPECT_EQ(ChooseScaleStep(5.0, std::numeric_limits<double>::quiet_NaN(), 2, 18.0), 0);
}

} // namespace
