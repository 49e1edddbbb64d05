#include "app/config.h"
#include "app/render_scale.h"
#include "assets/game_state.h"
#include "assets/input_names.h"
#include "assets/screen_area.h"
#include "assets/settings.h"
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
    EXPECT_EQ(MusicVolume, 80);
    EXPECT_EQ(EffectVolume, 80);
    EXPECT_EQ(PillarboxFlag, 0);
    EXPECT_EQ(HintsFlag, 1);
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

// Each text applied on its own, over the defaults.
TEST(Config, EachLineMatchesOnlyInItsPlaceAndAsWritten) {
    const std::string older = "Resolution=800 600 16\nControls=Y B N\nVSync=1\n";
    const struct {
        std::string text;
        int width, height, bits;
        char ok, cancel, menu;
        int vsync, gamepad;
    } cases[] = {
        // Only the first character of a key word counts.
        {"Resolution=1024 768 32\nControls=Enter Z C\n", 1024, 768, 32, 'E', 'Z', 'C', 0, 1},
        // Leading white space matches no line.
        {" Resolution=800 600 16\nControls=A B C\nVSync=1\n", 1024, 768, 32, 'X', 'Z', 'C', 0, 1},
        {"\nResolution=800 600 16\nControls=A B C\n", 1024, 768, 32, 'X', 'Z', 'C', 0, 1},
        // A missing line lets the next one match in its place; out of order they do not.
        {"Controls=Q W E\nVSync=1\n", 1024, 768, 32, 'Q', 'W', 'E', 1, 1},
        {"Controls=A B C\nResolution=800 600 16\n", 1024, 768, 32, 'A', 'B', 'C', 0, 1},
        // An unreadable number stops the rest of its line; two numbers still let Controls read.
        {"Resolution=640 x 16\n", 640, 768, 32, 'X', 'Z', 'C', 0, 1},
        {"Resolution=640 480\nControls=A S D\n", 640, 480, 32, 'A', 'S', 'D', 0, 1},
        // VSync only for exactly 1.
        {"Resolution=1024 768 32\nControls=X Z C\nVSync=2\n", 1024, 768, 32, 'X', 'Z', 'C', 0, 1},
        {"Resolution=1024 768 32\nControls=X Z C\nVSync=1\n", 1024, 768, 32, 'X', 'Z', 'C', 1, 1},
        // The Gamepad line is optional (older files play with pads) and only 0 turns pads off.
        {older + "Gamepad=0\n", 800, 600, 16, 'Y', 'B', 'N', 1, 0},
        {older, 800, 600, 16, 'Y', 'B', 'N', 1, 1},
        {older + "Gamepad=1\n", 800, 600, 16, 'Y', 'B', 'N', 1, 1},
        {older + "Gamepad=2\n", 800, 600, 16, 'Y', 'B', 'N', 1, 1},
        {older + "Gamepad=off\n", 800, 600, 16, 'Y', 'B', 'N', 1, 1},
        {"Resolution=1024 768 32\nControls=X Z C\nGamepad=0\n", 1024, 768, 32, 'X', 'Z', 'C', 0, 0},
        {"Gamepad=0", 1024, 768, 32, 'X', 'Z', 'C', 0, 0},
        {" Gamepad=0\n", 1024, 768, 32, 'X', 'Z', 'C', 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Apply(c.text);
        EXPECT_EQ(ScreenWidth, c.width);
        EXPECT_EQ(ScreenHeight, c.height);
        EXPECT_EQ(ScreenBits, c.bits);
        EXPECT_EQ(KeyOk, c.ok);
        EXPECT_EQ(KeyCancel, c.cancel);
        EXPECT_EQ(KeyMenu, c.menu);
        EXPECT_EQ(VSyncFlag, c.vsync);
        EXPECT_EQ(GamepadFlag, c.gamepad);
    }
}

// Volume follows Gamepad, each optional; a line that is not two numbers from 0 to 100 keeps 80 80.
TEST(Config, VolumeLineSetsBothVolumesOrNeither) {
    const std::string older = "Resolution=800 600 16\nControls=Y B N\nVSync=1\n";
    const struct {
        std::string text;
        int music, effects, gamepad;
    } cases[] = {
        {older, 80, 80, 1},
        {older + "Gamepad=0\nVolume=30 100\n", 30, 100, 0},
        {older + "Volume=0 0\n", 0, 0, 1},
        {older + "Gamepad=1\nVolume=  7\t55", 7, 55, 1},
        {"Volume=20 40\n", 20, 40, 1},
        {"Resolution=800 600 16\nControls=Y B N\nVolume=20 40\n", 20, 40, 1},
        {older + "Volume=101 50\n", 80, 80, 1},
        {older + "Volume=50 -1\n", 80, 80, 1},
        {older + "Volume=50\n", 80, 80, 1},
        {older + "Volume=50 loud\n", 80, 80, 1},
        {older + "Volume=\n", 80, 80, 1},
        {older + "Volume 50 50\n", 80, 80, 1},
        // Out of order the Gamepad line no longer matches.
        {older + "Volume=10 10\nGamepad=0\n", 10, 10, 1},
        {" Volume=10 10\n", 80, 80, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Apply(c.text);
        EXPECT_EQ(MusicVolume, c.music);
        EXPECT_EQ(EffectVolume, c.effects);
        EXPECT_EQ(GamepadFlag, c.gamepad);
    }
    // A file read after another starts again from the defaults.
    Apply("Volume=1 2\n");
    Apply("Resolution=1024 768 32\n");
    ExpectDefaults();
}

// Aspect comes last of the optional lines; only exactly 4:3 pillarboxes the picture.
TEST(Config, AspectLineAsksForThePillarboxOnlyAsFourToThree) {
    const std::string older = "Resolution=0 0 32\nControls=X Z C\nVSync=0\n";
    const struct {
        std::string text;
        int pillarbox, music;
    } cases[] = {
        {older + "Aspect=4:3\n", 1, 80},
        {older + "Gamepad=0\nVolume=10 20\nAspect=4:3\n", 1, 10},
        {older + "Volume=10 20\nAspect=4:3", 1, 10},
        {"Aspect=4:3\n", 1, 80},
        {older + "Aspect=16:9\n", 0, 80},
        {older + "Aspect=4:3:1\n", 1, 80},
        {older + "Aspect=4\n", 0, 80},
        {older + "Aspect=43\n", 0, 80},
        {older + "Aspect=wide\n", 0, 80},
        {older + "Aspect=-4:-3\n", 0, 80},
        {older, 0, 80},
        // Out of order: the Volume line after it no longer matches.
        {older + "Aspect=4:3\nVolume=10 20\n", 1, 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Apply(c.text);
        EXPECT_EQ(PillarboxFlag, c.pillarbox);
        EXPECT_EQ(MusicVolume, c.music);
    }
}

// RenderScale is the last optional line: exactly "0.5" halves the 3D, "auto"
// lets the game choose, anything else keeps it at full size.
TEST(Config, RenderScaleLineTakesHalfOrAutoAndNothingElse) {
    const std::string older = "Resolution=0 0 32\nControls=X Z C\nVSync=0\n";
    const struct {
        std::string text;
        float asked;
        int pillarbox;
    } cases[] = {
        {older + "RenderScale=0.5\n", 0.5f, 0},
        {older + "RenderScale=auto", 0.0f, 0},
        {older + "Gamepad=0\nVolume=10 20\nAspect=4:3\nRenderScale=0.5\n", 0.5f, 1},
        {older + "Aspect=4:3\nRenderScale=auto\n", 0.0f, 1},
        {"RenderScale=0.5\n", 0.5f, 0},
        {older + "RenderScale=1\n", 1.0f, 0},
        {older + "RenderScale=0.25\n", 1.0f, 0},
        {older + "RenderScale=0.5x\n", 1.0f, 0},
        {older + "RenderScale=automatic\n", 1.0f, 0},
        {older + "RenderScale=AUTO\n", 1.0f, 0},
        {older + "RenderScale=\n", 1.0f, 0},
        {older + "RenderScale=-1\n", 1.0f, 0},
        {older + "RenderScale=0.5000000000000000001\n", 1.0f, 0},
        {older, 1.0f, 0},
        // Out of order: the Aspect line after it no longer matches.
        {older + "RenderScale=0.5\nAspect=4:3\n", 0.5f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Apply(c.text);
        EXPECT_EQ(RenderScaleAsked, c.asked);
        EXPECT_EQ(RenderScale, c.asked > 0.0f ? c.asked : 1.0f);
        EXPECT_EQ(PillarboxFlag, c.pillarbox);
    }
    // A file read again starts from full size.
    Apply(older + "RenderScale=0.5\n");
    Apply(older);
    EXPECT_EQ(RenderScale, 1.0f);
}

// The request is kept as written, whatever it is; what the display makes of it
// is decided when the window opens. The exit box hides above the layout area
// the request would give, and the desktop's own size leaves it for the window.
TEST(Config, ResolutionChoicesKeepTheRequestAndHideTheExitBox) {
    const struct {
        const char* text;
        int width, height, bits, slide;
    } cases[] = {
        {"Resolution=0 0 32\n", 0, 0, 32, -150},
        {"Resolution=1920 1080 32\n", 1920, 1080, 32, -210}, // the 1440 x 1080 area
        {"Resolution=1280 1024 32\n", 1280, 1024, 32, -187}, // the 1280 x 960 area
        {"Resolution=800 600 16\n", 800, 600, 16, -117},
        {"Resolution=-640 480 32\n", -640, 480, 32, -150},
        {"Resolution=100000 100000 32\n", 100000, 100000, 32, -14648},
        {"Resolution=1024 768 -5\n", 1024, 768, -5, -150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SetWindowSize(1024, 768);
        Apply(c.text);
        EXPECT_EQ(ScreenWidth, c.width);
        EXPECT_EQ(ScreenHeight, c.height);
        EXPECT_EQ(ScreenBits, c.bits);
        EXPECT_EQ(DialogueSlide, c.slide);
    }
    SetWindowSize(1024, 768);
}

} // namespace

namespace {

// Every value of every line the writer can write reads back as itself, one line at a time over the defaults.
TEST(ConfigWriter, EveryValueOfEveryLineRoundTrips) {
    auto roundTrip = [](auto set, auto check) {
        Apply("");
        set();
        const std::string text = ConfigText();
        Apply("");
        Apply(text);
        check();
        EXPECT_EQ(ConfigText(), text);
    };
    for (int size : {0, 640, 1920})
        roundTrip(
            [&] {
                ScreenWidth = ScreenHeight = size;
                ScreenBits = size ? 16 : 32;
            },
            [&] {
                EXPECT_EQ(ScreenHeight, size);
                EXPECT_EQ(ScreenBits, size ? 16 : 32);
            });
    for (const char* keys : {"QWE", "ZXC", "019"})
        roundTrip(
            [&] {
                KeyOk = keys[0];
                KeyCancel = keys[1];
                KeyMenu = keys[2];
            },
            [&] {
                EXPECT_EQ(std::string({KeyOk, KeyCancel, KeyMenu}), keys);
            });
    for (uint8_t on : {0, 1}) {
        roundTrip([&] { VSyncFlag = on; }, [&] { EXPECT_EQ(VSyncFlag, on); });
        roundTrip([&] { GamepadFlag = on; }, [&] { EXPECT_EQ(GamepadFlag, on); });
        roundTrip([&] { PillarboxFlag = on; }, [&] { EXPECT_EQ(PillarboxFlag, on); });
        roundTrip([&] { InvertLookFlag = on; }, [&] { EXPECT_EQ(InvertLookFlag, on); });
        roundTrip([&] { WindowedFlag = on; }, [&] { EXPECT_EQ(WindowedFlag, on); });
        roundTrip([&] { HintsFlag = on; }, [&] { EXPECT_EQ(HintsFlag, on); });
    }
    for (int v = 0; v <= 100; v += 5)
        roundTrip(
            [&] {
                MusicVolume = v;
                EffectVolume = 100 - v;
            },
            [&] {
                EXPECT_EQ(MusicVolume, v);
                EXPECT_EQ(EffectVolume, 100 - v);
            });
    for (float scale : {1.0f, 0.75f, 0.5f, 0.0f})
        roundTrip([&] { RenderScaleAsked = scale; }, [&] { EXPECT_EQ(RenderScaleAsked, scale); });
    for (int i = 0; i < kMouseSpeedCount; ++i)
        roundTrip([&] { MouseSpeedIndex = i; }, [&] { EXPECT_EQ(MouseSpeedIndex, i); });
    const PadButton pads[][3] = {{PadButton::South, PadButton::East, PadButton::North},
                                 {PadButton::West, PadButton::ShoulderL, PadButton::ShoulderR},
                                 {PadButton::ShoulderR, PadButton::North, PadButton::East}};
    for (const auto& p : pads)
        roundTrip(
            [&] {
                PadOkButton = p[0];
                PadCancelButton = p[1];
                PadMenuButton = p[2];
            },
            [&] { EXPECT_TRUE(PadOkButton == p[0] && PadCancelButton == p[1] && PadMenuButton == p[2]); });
}

TEST(ConfigWriter, LinesInTheirOrderAndOlderOrLongerFilesStillRead) {
    Apply("");
    EXPECT_EQ(ConfigText(), "Resolution=1024 768 32\nControls=X Z C\nVSync=0\nGamepad=1\nVolume=80 80\n"
                            "Aspect=fill\nRenderScale=1\nMouseSpeed=1\nInvertLook=0\n"
                            "PadButtons=South East North\nWindow=0\nHints=1\n");
    // Lines after the last known one (a later version's) change nothing.
    Apply("Resolution=800 600 32\nControls=Q Z C\nVSync=0\nGamepad=1\nVolume=10 20\nAspect=fill\n"
          "RenderScale=0.75\nMouseSpeed=4\nInvertLook=1\nPadButtons=West East "
          "North\nWindow=1\nHints=0\nZoom=3\n");
    EXPECT_TRUE(ScreenWidth == 800 && KeyOk == 'Q' && MusicVolume == 10 && RenderScaleAsked == 0.75f &&
                MouseSpeedIndex == 7 && InvertLookFlag == 1 && PadOkButton == PadButton::West &&
                WindowedFlag == 1 && HintsFlag == 0);
    // Hints come last and only a plain 0 hides them, after any of the optional lines or none.
    Apply("Resolution=800 600 32\nControls=Q Z C\nHints=0\n");
    EXPECT_EQ(HintsFlag, 0);
    Apply("Resolution=800 600 32\nControls=Q Z C\nVSync=0\nVolume=10 20\nHints=0\n");
    EXPECT_EQ(HintsFlag, 0);
    for (const char* on : {"Hints=2\n", "Hints=off\n", "Hints=\n", " Hints=0\n"}) {
        Apply(on);
        EXPECT_EQ(HintsFlag, 1) << on;
    }
    // "fill" is read past, so the scale after it still counts.
    Apply("Aspect=fill\nRenderScale=0.5\n");
    EXPECT_EQ(RenderScaleAsked, 0.5f);
    // Two actions on one button, or a button that is no face button or shoulder, keep the usual three.
    for (const char* bad :
         {"PadButtons=South South North\n", "PadButtons=Start East North\n", "PadButtons=A B\n"}) {
        Apply(bad);
        EXPECT_TRUE(PadOkButton == PadButton::South && PadMenuButton == PadButton::North) << bad;
    }
    Apply("MouseSpeed=5\nInvertLook=2\n");
    EXPECT_TRUE(MouseSpeedIndex == kDefaultMouseSpeed && InvertLookFlag == 0);
}

} // namespace
