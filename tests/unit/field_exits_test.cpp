// Exits: the message box sliding in and out, confirming, and the fog fade of
// the level change with the arrival, on a small world of three levels.
#include "assets/camera.h"
#include "assets/game_state.h"
#include "assets/screen_area.h"
#include "world/dialogue.h"
#include "world/level_change.h"
#include "world/level_table.h"
#include "world/services.h"
#include "world/story_flags.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

ExitRecord Exit(float x, float z, int32_t target, CVector3 arrival) {
    ExitRecord exit{};
    exit.Trigger = {x, 0, z};
    exit.ArrivalPosition = arrival;
    exit.ArrivalView = {arrival.x, arrival.y + 2.5f, arrival.z};
    exit.ArrivalEye = {arrival.x, arrival.y + 4.5f, arrival.z + 5.0f};
    exit.ArrivalRotation = {0, 123.0f, 0};
    exit.TargetLevel = target;
    return exit;
}

class FieldExits : public ::testing::Test {
  protected:
    void SetUp() override {
        LevelTable.clear();
        LevelTable.resize(3);
        // Levels 1 and 3 of the world need no story progress; these play their part.
        LevelTable[1].Name = "Cave";
        LevelTable[1].Music = "Music\\Cave.wav";
        LevelTable[1].Exits = {Exit(20, 0, 2, {7, 1, 7}), Exit(-20, 0, 9, {0, 0, 0})};
        LevelTable[1].ExitCount = 2;
        LevelTable[2].Name = "Meadow";
        LevelTable[2].Music = "Music\\Meadow.wav";
        // The arrival lies inside the meadow's own exit square.
        LevelTable[2].Exits = {Exit(9, 9, 1, {0, 0, 0})};
        LevelTable[2].ExitCount = 1;
        CurrentLevel = LevelVoruduDungeon;
        GameMode = ModeField;
        SetWindowSize(1024, 768);
        PlayerHasControl = 1;
        FogDensity = kClearFogDensity;
        DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
        DialogueOpen = 0;
        ExitConfirmed = 0;
        for (uint8_t& flag : StoryFlags) flag = 0;
        HeroPosition = {0, 0, 0};
        Camera = {{0, 4.5f, 5}, {0, 2.5f, 0}, {0, 1, 0}};
    }
    void TearDown() override { SetWindowSize(1024, 768); }

    // Field frames of the exit test until the level changes; the frame count, or -1.
    static int FramesUntilArrival(int limit) {
        for (int frame = 1; frame <= limit; ++frame) {
            const int32_t level = CurrentLevel;
            CheckExits(level);
            if (CurrentLevel != level) return frame;
        }
        return -1;
    }
};

TEST_F(FieldExits, TheBoxSlidesInOver25FramesAndStaysWithoutOk) {
    EXPECT_EQ(DialogueSlide, -150);
    HeroPosition = {16, 0, 4.9f};
    for (int frame = 1; frame <= 24; ++frame) CheckExits(1);
    EXPECT_EQ(DialogueSlide, -6);
    CheckExits(1);
    EXPECT_EQ(DialogueSlide, 0);
    for (int frame = 0; frame < 100; ++frame) CheckExits(1);
    EXPECT_EQ((std::vector<int32_t>{DialogueSlide, CurrentLevel, PlayerHasControl}),
              (std::vector<int32_t>{0, 1, 1}));

    // The square's bounds are strict, and height does not matter.
    DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
    HeroPosition = {15, 0, 0};
    CheckExits(1);
    EXPECT_EQ(DialogueSlide, -150);
    HeroPosition = {20, -300, 4.99f};
    CheckExits(1);
    EXPECT_EQ(DialogueSlide, -144);
}

TEST_F(FieldExits, OkAtTheShownBoxFadesAndArrivesAfter52Frames) {
    HeroPosition = {20, 0, 0};
    for (int frame = 0; frame < 25; ++frame) CheckExits(1);
    ASSERT_EQ(DialogueSlide, 0);
    FieldOkAction();
    ASSERT_EQ(ExitConfirmed, 1);

    CheckExits(1);
    EXPECT_EQ(PlayerHasControl, 0) << "no control during the fade";
    EXPECT_FLOAT_EQ(FogDensity, 1.5e-9f);
    CheckExits(1);
    EXPECT_FLOAT_EQ(FogDensity, 2.25e-9f);
    const int rest = FramesUntilArrival(200);
    EXPECT_EQ(rest + 2, 52);

    EXPECT_EQ((std::vector<int32_t>{CurrentLevel, PlayerHasControl, ExitConfirmed, DialogueSlide}),
              (std::vector<int32_t>{2, 1, 0, -150}));
    EXPECT_EQ(FogDensity, kClearFogDensity);
    EXPECT_EQ(std::string(MusicRequested), "Music\\Meadow.wav");
    // The arrival's place, view and turn; the up vector is kept.
    EXPECT_EQ((std::vector<float>{HeroPosition.x, HeroPosition.y, Camera.ViewPoint.y, Camera.Position.z,
                                  HeroRotation.y, Camera.UpVector.y}),
              (std::vector<float>{7, 1, 3.5f, 12, 123, 1}));
}

TEST_F(FieldExits, ArrivingInsideAnExitSlidesItsBoxInButGoesNowhere) {
    HeroPosition = {20, 0, 0};
    DialogueSlide = 0;
    ExitConfirmed = 1;
    ASSERT_GT(FramesUntilArrival(100), 0);
    ASSERT_EQ(CurrentLevel, 2);
    CheckExits(2);
    EXPECT_EQ(DialogueSlide, -144);
    for (int frame = 0; frame < 200; ++frame) CheckExits(2);
    EXPECT_EQ(DialogueSlide, 0);
    EXPECT_EQ(CurrentLevel, 2);
}

TEST_F(FieldExits, LeavingTheSquareSlidesTheBoxBackAndForgetsTheConfirmation) {
    HeroPosition = {20, 0, 0};
    for (int frame = 0; frame < 25; ++frame) CheckExits(1);
    ASSERT_EQ(DialogueSlide, 0);
    FieldOkAction();
    ASSERT_EQ(ExitConfirmed, 1);

    // He walks out before the next frame: the level stays, the box rises again.
    HeroPosition = {0, 0, 0};
    CheckExits(1);
    EXPECT_EQ((std::vector<int32_t>{ExitConfirmed, DialogueSlide, PlayerHasControl}),
              (std::vector<int32_t>{0, -6, 1}));
    FieldOkAction();
    EXPECT_EQ(ExitConfirmed, 0) << "OK away from any exit confirms nothing";
    for (int frame = 0; frame < 24; ++frame) CheckExits(1);
    EXPECT_EQ(DialogueSlide, -150);
    CheckExits(1);
    EXPECT_EQ(DialogueSlide, -150) << "and stays hidden";

    // Entering the exit again starts from hidden and needs a new OK.
    HeroPosition = {20, 0, 0};
    for (int frame = 0; frame < 60; ++frame) CheckExits(1);
    EXPECT_EQ(std::tuple(CurrentLevel, DialogueSlide), std::tuple(1, 0));
}

TEST_F(FieldExits, BrokenFogOrTargetsNeverStrandTheHero) {
    for (float fog : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        CurrentLevel = LevelVoruduDungeon;
        HeroPosition = {20, 0, 0};
        DialogueSlide = 0;
        ExitConfirmed = 1;
        FogDensity = fog;
        EXPECT_GT(FramesUntilArrival(100), 0) << fog;
        EXPECT_TRUE(FogDensity == kClearFogDensity && PlayerHasControl == 1) << fog;
    }

    // An exit into a level that does not exist: the fade ends where it began.
    CurrentLevel = LevelVoruduDungeon;
    HeroPosition = {-20, 0, 0};
    DialogueSlide = 0;
    ExitConfirmed = 1;
    for (int frame = 0; frame < 60; ++frame) CheckExits(1);
    EXPECT_EQ((std::vector<int32_t>{CurrentLevel, PlayerHasControl, ExitConfirmed}),
              (std::vector<int32_t>{1, 1, 0}));
    EXPECT_FLOAT_EQ(HeroPosition.x, -20.0f);

    // Counts beyond the lists and levels that are not there.
    LevelTable[1].ExitCount = 99;
    CheckExits(1);
    CheckExits(7);
    CheckExits(-1);
    ChangeLevel(1, 5);
    ChangeLevel(-3, 0);
    EXPECT_EQ(CurrentLevel, 1);

    // Under 128 pixels of height the step would be 0 and the box would never show.
    SetWindowSize(133, 100);
    DialogueSlide = HiddenDialogueSlide(LayoutArea.height);
    HeroPosition = {20, 0, 0};
    for (int frame = 0; frame < 19; ++frame) CheckExits(1);
    EXPECT_EQ(DialogueSlide, 0);
}

} // namespace
