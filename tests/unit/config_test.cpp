#include "app/config.h"
#include "assets/game_state.h"
#include "tests/unit/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void Apply(const std::string& text) {
    ApplyConfigText(text.data(), text.size());
}

void ExpectDefaults() {
    EXPECT_EQ(ScreenWidth, 1024);
    EXPECT_EQ(ScreenHeight, 768);
    EXPECT_EQ(ScreenBits, 32);
    EXPECT_EQ(KeyOk, 'X');
    EXPECT_EQ(KeyCancel, 'Z');
    EXPECT_EQ(KeyMenu, 'C');
    EXPECT_EQ(VSyncFlag, 0);
    EXPECT_EQ(GamepadFlag, 1);
}

TEST(Config, MissingFileKeepsEveryDefault) {
    ScopedWorkingDir dir(MakeTempDir("config_missing"));
    ScreenWidth = 1;
    KeyOk = 'Q';
    ReadConfig();
    ExpectDefaults();
    EXPECT_EQ(DialogueSlide, -150);
}

TEST(Config, FullFileSetsEverything) {
    ScopedWorkingDir dir(MakeTempDir("config_full"));
    WriteFile("Game.cfg", "Resolution=800 600 16\nControls=Y B N\nVSync=1\n");
    ReadConfig();
    EXPECT_EQ(ScreenWidth, 800);
    EXPECT_EQ(ScreenHeight, 600);
    EXPECT_EQ(ScreenBits, 16);
    EXPECT_EQ(KeyOk, 'Y');
    EXPECT_EQ(KeyCancel, 'B');
    EXPECT_EQ(KeyMenu, 'N');
    EXPECT_EQ(VSyncFlag, 1);
    EXPECT_EQ(DialogueSlide, -117); // 600 / 5.12 = 117.19, truncated
}

TEST(Config, OnlyTheFirstCharacterOfAKeyWordCounts) {
    Apply("Resolution=1024 768 32\nControls=Enter Z C\n");
    EXPECT_EQ(KeyOk, 'E');
    EXPECT_EQ(KeyCancel, 'Z');
}

TEST(Config, LeadingWhiteSpaceMatchesNoLine) {
    Apply(" Resolution=800 600 16\nControls=A B C\nVSync=1\n");
    ExpectDefaults();
    Apply("\nResolution=800 600 16\nControls=A B C\n");
    ExpectDefaults();
}

TEST(Config, MissingLineLetsTheNextOneMatchInPlace) {
    Apply("Controls=Q W E\nVSync=1\n");
    EXPECT_EQ(ScreenWidth, 1024);
    EXPECT_EQ(ScreenHeight, 768);
    EXPECT_EQ(KeyOk, 'Q');
    EXPECT_EQ(KeyCancel, 'W');
    EXPECT_EQ(KeyMenu, 'E');
    EXPECT_EQ(VSyncFlag, 1);
}

TEST(Config, UnreadableNumberStopsTheRestOfTheLine) {
    Apply("Resolution=640 x 16\n");
    EXPECT_EQ(ScreenWidth, 640);
    EXPECT_EQ(ScreenHeight, 768);
    EXPECT_EQ(ScreenBits, 32);
}

TEST(Config, TwoNumbersThenControlsStillReadsTheKeys) {
    Apply("Resolution=640 480\nControls=A S D\n");
    EXPECT_EQ(ScreenWidth, 640);
    EXPECT_EQ(ScreenHeight, 480);
    EXPECT_EQ(ScreenBits, 32);
    EXPECT_EQ(KeyOk, 'A');
    EXPECT_EQ(KeyMenu, 'D');
}

TEST(Config, VSyncOnlyForExactlyOne) {
    Apply("Resolution=1024 768 32\nControls=X Z C\nVSync=2\n");
    EXPECT_EQ(VSyncFlag, 0);
    Apply("Resolution=1024 768 32\nControls=X Z C\nVSync=1\n");
    EXPECT_EQ(VSyncFlag, 1);
}

TEST(Config, GamepadLineIsOptionalAndOnlyZeroTurnsThePadsOff) {
    const std::string older = "Resolution=800 600 16\nControls=Y B N\nVSync=1\n";
    Apply(older + "Gamepad=0\n");
    EXPECT_EQ(GamepadFlag, 0);
    EXPECT_EQ(VSyncFlag, 1);
    EXPECT_EQ(KeyMenu, 'N');
    // A file written before the line existed plays with pads, and reads as before.
    Apply(older);
    EXPECT_EQ(GamepadFlag, 1);
    EXPECT_EQ(ScreenWidth, 800);
    EXPECT_EQ(VSyncFlag, 1);
    Apply(older + "Gamepad=1\n");
    EXPECT_EQ(GamepadFlag, 1);
    Apply(older + "Gamepad=2\n");
    EXPECT_EQ(GamepadFlag, 1);
    Apply(older + "Gamepad=off\n");
    EXPECT_EQ(GamepadFlag, 1);
    // Missing lines before it let it match in place, as with the others.
    Apply("Resolution=1024 768 32\nControls=X Z C\nGamepad=0\n");
    EXPECT_EQ(GamepadFlag, 0);
    Apply("Gamepad=0");
    EXPECT_EQ(GamepadFlag, 0);
    EXPECT_EQ(KeyOk, 'X');
    Apply(" Gamepad=0\n");
    EXPECT_EQ(GamepadFlag, 1);
}

TEST(Config, LinesOutOfOrderAreNotMatched) {
    Apply("Controls=A B C\nResolution=800 600 16\n");
    EXPECT_EQ(KeyOk, 'A');
    EXPECT_EQ(ScreenWidth, 1024); // the Resolution line must come first
}

TEST(Config, LowerCaseKeysAreKeptAsWritten) {
    Apply("Resolution=1024 768 32\nControls=x z c\n");
    EXPECT_EQ(KeyOk, 'x'); // never matches a letter key, which arrive as capitals
}

TEST(Config, OverlongWordsAndGarbageStayInBounds) {
    std::string text =
        "Resolution=1 2 3\nControls=" + std::string(5000, 'K') + " " + std::string(70, 'L') + "\n";
    Apply(text);
    EXPECT_EQ(KeyOk, 'K');
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 37) & 0xFF));
    Apply(noise);
    ExpectDefaults();
}

} // namespace
