// Game controllers: the stick mapping on its own, then SDL's virtual pad
// through the real event path on the dummy video driver.
#include "platform/clock_internal.h"
#include "platform/pad_internal.h"
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint8_t Bit(int key) {
    return static_cast<uint8_t>(1u << (key - KeyLeft));
}

TEST(StickDeadZone, PlayIsNothingAndTheRestStretchesToFullTravel) {
    // Inside the circle, even where one axis alone is past it on a diagonal's way.
    const StickTravel inside = ApplyDeadZone(5600, -5600);
    EXPECT_TRUE(inside.x == 0);
    EXPECT_TRUE(inside.y == 0);
    EXPECT_TRUE(ApplyDeadZone(0, 0).x == 0);
    EXPECT_TRUE(ApplyDeadZone(kStickDeadZone, 0).x == 0);
    // Just past the edge starts from nothing: no jump where the zone ends.
    EXPECT_NEAR(ApplyDeadZone(kStickDeadZone + 100, 0).x, 0.004f, 0.001f);
    EXPECT_FLOAT_EQ(ApplyDeadZone(32767, 0).x, 1.0f);
    EXPECT_FLOAT_EQ(ApplyDeadZone(0, -32768).y, -1.0f);
    // Halfway between the edge and full travel is half travel, and the direction is kept.
    const StickTravel half = ApplyDeadZone(0, (kStickDeadZone + 32767) / 2);
    EXPECT_NEAR(half.y, 0.5f, 0.001f);
    EXPECT_EQ(half.x, 0.0f);
    // A square gate's corner is clipped to the circle, not past full travel.
    const StickTravel corner = ApplyDeadZone(32767, 32767);
    EXPECT_NEAR(std::hypot(corner.x, corner.y), 1.0f, 1e-5f);
    EXPECT_FLOAT_EQ(corner.x, corner.y);
}

TEST(StickArrows, EightSectorsAndNothingInTheDeadZone) {
    // 20 degrees off straight up (10260, -28190) still walks straight; 30 degrees off also turns.
    const struct {
        int x, y;
        int arrows;
    } cases[] = {
        {3000, 3000, 0},
        {0, -32768, Bit(KeyUp)},
        {0, 20000, Bit(KeyDown)},
        {-20000, 0, Bit(KeyLeft)},
        {20000, 0, Bit(KeyRight)},
        {20000, -20000, Bit(KeyUp) | Bit(KeyRight)},
        {-20000, 20000, Bit(KeyDown) | Bit(KeyLeft)},
        {10260, -28190, Bit(KeyUp)},
        {14999, -25980, Bit(KeyUp) | Bit(KeyRight)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StickArrows(ApplyDeadZone(c.x, c.y)), c.arrows) << c.x << "," << c.y;
}

TEST(StickTurn, SquaredSymmetricAndAsFastAsABriskMouse) {
    // Never past full travel.
    for (const auto& [travel, share] :
         {std::pair{0.0f, 0.0f}, {1.0f, 1.0f}, {-1.0f, -1.0f}, {0.5f, 0.25f}, {-0.5f, -0.25f}, {3.0f, 1.0f}})
        EXPECT_FLOAT_EQ(StickTurnPixels(travel), share * kStickTurnPixels) << travel;
    // Mouse look turns 1/1000 radian a pixel: a full push turns between one and
    // five degrees a frame (the arrow keys turn three).
    const double degrees = kStickTurnPixels / 1000.0 * 180.0 / M_PI;
    EXPECT_GT(degrees, 1.0);
    EXPECT_LT(degrees, 5.0);
}

TEST(PadButtons, ARebindSwapsWithTheServiceOnThatButtonAndStartStaysMenu) {
    const PadButton all[6] = {PadButton::South, PadButton::East,      PadButton::West,
                              PadButton::North, PadButton::ShoulderL, PadButton::ShoulderR};
    auto jobs = [&](PadButton ok, PadButton cancel, PadButton menu) {
        PadKeys keys{'X', 'Z', 'C', ok, cancel, menu};
        std::string out;
        for (PadButton b : all) out += static_cast<char>(PadJobKey(b, keys));
        return out;
    };
    EXPECT_EQ(jobs(PadButton::South, PadButton::East, PadButton::North), "XZYC12");
    // OK onto west: heal moves to south, where OK was.
    EXPECT_EQ(jobs(PadButton::West, PadButton::East, PadButton::North), "YZXC12");
    // Two services displaced take the freed buttons in order; every key stays on one button.
    EXPECT_EQ(jobs(PadButton::ShoulderL, PadButton::ShoulderR, PadButton::North), "12YCXZ");
    EXPECT_EQ(jobs(PadButton::ShoulderR, PadButton::West, PadButton::ShoulderL), "Y1Z2CX");
    PadKeys keys{'X', 'Z', 'C', PadButton::ShoulderL, PadButton::East, PadButton::West};
    EXPECT_EQ(PadButtonKey(SDL_CONTROLLER_BUTTON_START, keys), 'C');
    EXPECT_EQ(PadButtonKey(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, keys), 'X');
    EXPECT_EQ(PadButtonKey(SDL_CONTROLLER_BUTTON_BACK, keys), KeyEscape);
}

TEST(PadButtons, SdlControllerTypesFallIntoTheirFamilies) {
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_XBOX360), PadType::Xbox);
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_XBOXONE), PadType::Xbox);
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_PS4), PadType::PlayStation);
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_PS5), PadType::PlayStation);
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO), PadType::Nintendo);
    EXPECT_EQ(PadTypeFromSdl(SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR), PadType::Nintendo);
    for (int other : {int{SDL_CONTROLLER_TYPE_UNKNOWN}, int{SDL_CONTROLLER_TYPE_VIRTUAL}, -1, 999})
        EXPECT_EQ(PadTypeFromSdl(other), PadType::Unknown) << other;
}

class VirtualPad : public testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        ASSERT_TRUE(InitPlatform(true));
        StartSteppedClock(1000, 0); // no repeat unless a test moves the clock
        testing::internal::CaptureStderr();
    }
    void TearDown() override {
        ShutdownPlatform();
        StopSteppedClock();
        log_ += testing::internal::GetCapturedStderr();
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("SDL_AUDIODRIVER");
    }
    // Let SDL take the pad's new state in; the keys it pressed, in order.
    std::vector<int> Pump() {
        std::vector<int> keys;
        PlatformMessage message;
        while (PeekPlatformMessage(&message))
            if (message.type == MessageType::KeyDown) keys.push_back(message.key);
        return keys;
    }
    void Plug() {
        ASSERT_TRUE(PlugVirtualPad());
        EXPECT_TRUE(Pump().empty());
    }
    std::string Stderr() {
        log_ += testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
        return log_;
    }
    std::string log_;
};

TEST_F(VirtualPad, ButtonsPressTheConfiguredKeysOnceOnTheWayDown) {
    ASSERT_TRUE(UseGamepads('Q', 'W', 'E'));
    Plug();
    EXPECT_NE(Stderr().find("gamepad connected: "), std::string::npos);
    SetVirtualPadButton(PadButton::South, true);
    EXPECT_EQ(Pump(), std::vector<int>{'Q'});
    EXPECT_TRUE(Pump().empty());  // held: no repeat
    EXPECT_FALSE(IsKeyDown('Q')); // action buttons are presses, not held keys
    SetVirtualPadButton(PadButton::South, false);
    for (PadButton button : {PadButton::East, PadButton::North, PadButton::Start, PadButton::West,
                             PadButton::ShoulderL, PadButton::ShoulderR, PadButton::Back})
        SetVirtualPadButton(button, true);
    std::vector<int> keys = Pump(); // one update: SDL's button order, not ours
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<int>{KeyEscape, '1', '2', 'E', 'E', 'W', 'Y'}));
    // A press makes the pad the device the names follow; SDL's virtual pad is of no family.
    EXPECT_EQ(LastInputDevice(), InputDevice::Pad);
    EXPECT_EQ(LastPadType(), PadType::Unknown);
    for (PadButton button : {PadButton::East, PadButton::North, PadButton::Start, PadButton::West,
                             PadButton::ShoulderL, PadButton::ShoulderR, PadButton::Back})
        SetVirtualPadButton(button, false);
    EXPECT_TRUE(Pump().empty());
    // Rebound at once, on the pad already open.
    SetPadActionButtons(PadButton::West, PadButton::East, PadButton::North);
    SetVirtualPadButton(PadButton::West, true);
    SetVirtualPadButton(PadButton::South, true);
    keys = Pump();
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<int>{'Q', 'Y'}));
    SetPadActionButtons(PadButton::South, PadButton::East, PadButton::North);
}

TEST_F(VirtualPad, AConfiguredKeyWithAnArrowsCodeStaysAPress) {
    ASSERT_TRUE(UseGamepads('(', 'Z', 'C')); // '(' is the Down arrow's code
    Plug();
    SetVirtualPadButton(PadButton::South, true);
    EXPECT_EQ(Pump(), std::vector<int>{'('});
    EXPECT_FALSE(IsKeyDown(KeyDown)); // not a held arrow: the hero does not walk back
}

TEST_F(VirtualPad, DirectionsHoldTheArrowsAndPressOnlyWhenTheyComeDown) {
    ASSERT_TRUE(UseGamepads('X', 'Z', 'C'));
    Plug();
    SetVirtualPadStick(PadStick::Left, 0, -6000); // inside the dead zone
    EXPECT_TRUE(Pump().empty());
    EXPECT_FALSE(IsKeyDown(KeyUp));
    SetVirtualPadStick(PadStick::Left, 0, -30000);
    EXPECT_EQ(Pump(), std::vector<int>{KeyUp});
    EXPECT_TRUE(IsKeyDown(KeyUp));
    // Wobbling while held moves the axis but presses nothing again.
    SetVirtualPadStick(PadStick::Left, 1000, -31000);
    EXPECT_TRUE(Pump().empty());
    // The d-pad on the same arrow adds no press either; letting go of both releases it.
    SetVirtualPadButton(PadButton::Up, true);
    EXPECT_TRUE(Pump().empty());
    SetVirtualPadStick(PadStick::Left, 0, 0);
    Pump();
    EXPECT_TRUE(IsKeyDown(KeyUp));
    SetVirtualPadButton(PadButton::Up, false);
    Pump();
    EXPECT_FALSE(IsKeyDown(KeyUp));
    SetVirtualPadStick(PadStick::Left, 25000, 25000);
    EXPECT_EQ(Pump(), (std::vector<int>{KeyRight, KeyDown}));
    EXPECT_TRUE(IsKeyDown(KeyRight));
    EXPECT_TRUE(IsKeyDown(KeyDown));
    EXPECT_FALSE(IsKeyDown(KeyLeft) || IsKeyDown(KeyUp));
}

TEST_F(VirtualPad, AHeldDirectionRepeatsLikeAHeldArrowKey) {
    ASSERT_TRUE(UseGamepads('X', 'Z', 'C'));
    Plug();
    StartSteppedClock(1000, kArrowRepeatIntervalMs);
    auto after = [this](uint32_t ms) {
        for (uint32_t t = 0; t < ms; t += kArrowRepeatIntervalMs) AdvanceSteppedClock();
        return Pump();
    };
    SetVirtualPadButton(PadButton::Down, true);
    EXPECT_EQ(Pump(), std::vector<int>{KeyDown});
    EXPECT_TRUE(after(kArrowRepeatDelayMs - kArrowRepeatIntervalMs).empty());
    EXPECT_EQ(after(kArrowRepeatIntervalMs), std::vector<int>{KeyDown});
    EXPECT_EQ(after(kArrowRepeatIntervalMs), std::vector<int>{KeyDown});
    EXPECT_TRUE(Pump().empty());
    EXPECT_EQ(after(20 * kArrowRepeatIntervalMs), std::vector<int>{KeyDown}); // a stall is one press
    // Let go and press again: the delay starts over.
    SetVirtualPadButton(PadButton::Down, false);
    EXPECT_TRUE(Pump().empty());
    SetVirtualPadButton(PadButton::Down, true);
    EXPECT_EQ(Pump(), std::vector<int>{KeyDown});
    EXPECT_TRUE(after(kArrowRepeatIntervalMs).empty());
    SetVirtualPadButton(PadButton::Down, false);
    // The action buttons never repeat.
    SetVirtualPadButton(PadButton::South, true);
    EXPECT_EQ(Pump(), std::vector<int>{'X'});
    EXPECT_TRUE(after(2 * kArrowRepeatDelayMs).empty());
}

TEST_F(VirtualPad, RightStickPushesEachCursorReadLikeAMouse) {
    ASSERT_TRUE(UseGamepads('X', 'Z', 'C'));
    Plug();
    SetCursorPosition(512, 384);
    int x = 0, y = 0;
    SetVirtualPadStick(PadStick::Right, 32767, 0);
    Pump();
    GetCursorPosition(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(512 + static_cast<int>(kStickTurnPixels), 384));
    GetCursorPosition(&x, &y); // every read pushes again, from where the cursor is
    EXPECT_EQ(x, 512 + static_cast<int>(kStickTurnPixels));
    // A light push moves by fractions that add up over reads, up and to the left.
    SetVirtualPadStick(PadStick::Right, 0, -(kStickDeadZone + (32767 - kStickDeadZone) / 10));
    Pump();
    int total = 0;
    for (int read = 0; read < 100; ++read) {
        GetCursorPosition(&x, &y);
        total += y - 384;
    }
    EXPECT_NEAR(total, -100 * StickTurnPixels(0.1f), 2.0f);
    EXPECT_FALSE(IsKeyDown(KeyUp)); // the right stick never walks
    SetVirtualPadStick(PadStick::Right, 0, 0);
    Pump();
    GetCursorPosition(&x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(512, 384));
}

TEST_F(VirtualPad, PullingItOutMidWalkLetsGoOfEverything) {
    ASSERT_TRUE(UseGamepads('X', 'Z', 'C'));
    Plug();
    SetVirtualPadStick(PadStick::Left, 0, -32768);
    SetVirtualPadStick(PadStick::Right, 32767, 0);
    Pump();
    ASSERT_TRUE(IsKeyDown(KeyUp));
    UnplugVirtualPad();
    EXPECT_TRUE(Pump().empty());
    EXPECT_FALSE(IsKeyDown(KeyUp));
    SetCursorPosition(100, 100);
    int x = 0, y = 0;
    GetCursorPosition(&x, &y);
    EXPECT_EQ(x, 100);
    EXPECT_NE(Stderr().find("gamepad disconnected: "), std::string::npos);
    // A pad's calls without a pad do nothing; a new one is picked up again.
    SetVirtualPadButton(PadButton::South, true);
    UnplugVirtualPad();
    Plug();
    SetVirtualPadButton(PadButton::East, true);
    EXPECT_EQ(Pump(), std::vector<int>{'Z'});
}

TEST_F(VirtualPad, WithoutUseGamepadsAPadDoesNothing) {
    Plug();
    SetVirtualPadButton(PadButton::South, true);
    SetVirtualPadStick(PadStick::Left, 0, -32768);
    EXPECT_TRUE(Pump().empty());
    EXPECT_FALSE(IsKeyDown(KeyUp));
    EXPECT_EQ(Stderr().find("gamepad"), std::string::npos);
}

TEST_F(VirtualPad, APadHeldWhilePluggedInHoldsButPressesNothing) {
    ASSERT_TRUE(PlugVirtualPad());
    SetVirtualPadButton(PadButton::Left, true);
    Pump();
    ASSERT_TRUE(UseGamepads('X', 'Z', 'C')); // the pad already there arrives now
    EXPECT_TRUE(Pump().empty());
    EXPECT_TRUE(IsKeyDown(KeyLeft));
}

} // namespace
