#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

int CountLines(const std::vector<std::string>& log, const std::string& line) {
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

// One pad from the title to the menu: New Game, a walk, a look around, pulled
// out mid-walk, plugged in again.
TEST(Gamepad, PlaysFromTheTitleAndIsPulledOutMidWalk) {
    const std::string dir = PrepareGameDir("gamepad_play", true);
    const GameRun run = RunGameIn(dir, {"--fixed-step",  "--story",       "1",
                                        "--state",       "5:field.txt",   "--state",
                                        "16:walked.txt", "--shot",        "16:walked.png",
                                        "--state",       "28:turned.txt", "--shot",
                                        "28:turned.png", "--state",       "35:pulled.txt",
                                        "--state",       "45:later.txt",  "--state",
                                        "50:menu.txt",   "--quit-after",  "51"},
                                  "2 pad plug\n"
                                  "3 pad press up\n"    // the title's cursor onto New Game
                                  "4 pad press south\n" // the field from frame 5
                                  "6 pad stick left 0 -32767\n"
                                  "15 pad stick left 0 0\n" // nine steps, frames 7 to 15
                                  "17 pad stick right 32767 0\n"
                                  "27 pad stick right 0 0\n" // ten frames of turning
                                  "30 pad stick left 0 -32767\n"
                                  "35 pad unplug\n" // five steps, then nothing holds Up
                                  "46 pad plug\n"
                                  "48 pad press north\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_NE(run.stderrText.find("gamepad connected: "), std::string::npos);
    EXPECT_NE(run.stderrText.find("gamepad disconnected: "), std::string::npos);

    auto field = ReadState(dir + "/field.txt");
    EXPECT_TRUE(StateIs(field, {"GameMode=2", "CurrentLevel=1"}));

    // Held like an arrow key: one step and one walk frame each field frame.
    auto walked = ReadState(dir + "/walked.txt");
    EXPECT_TRUE(StateIs(walked, {"StepCounter=9", "WalkFrame=9"}));
    const Vec3 from = ParseVec3(field["HeroPosition"]);
    const Vec3 to = ParseVec3(walked["HeroPosition"]);
    EXPECT_GT(std::hypot(to.x - from.x, to.z - from.z), 1.0) << walked["HeroPosition"];

    // Ten frames fully right at 48 pixels of mouse look each: 0.048 radian a frame.
    auto turned = ReadState(dir + "/turned.txt");
    EXPECT_EQ(turned["HeroPosition"], walked["HeroPosition"]);
    EXPECT_NEAR(ParseVec3(turned["HeroRotation"]).y, -10 * 0.048 * 180 / M_PI, 0.01);
    EXPECT_NE(turned["CameraPosition"], walked["CameraPosition"]);
    EXPECT_EQ(turned["StepCounter"], "9");

    // Pulled out with the stick still forward: the walk stops at once.
    auto pulled = ReadState(dir + "/pulled.txt");
    auto later = ReadState(dir + "/later.txt");
    EXPECT_EQ(pulled["StepCounter"], "14");
    EXPECT_TRUE(StateIs(later, {"StepCounter=14", "HeroPosition=" + pulled["HeroPosition"], "GameMode=2"}));

    // Plugged in again, north is the Menu key.
    EXPECT_EQ(ReadState(dir + "/menu.txt")["GameMode"], "3");
    const auto log = LogLines(dir);
    EXPECT_EQ(CountLines(log, "Action : OK Button"), 1);
    EXPECT_EQ(CountLines(log, "Action : Menu Button"), 1);

    // The turn shows: the view after it differs from the one before over much of the screen.
    const Image before = ReadPNG(dir + "/walked.png");
    const Image after = ReadPNG(dir + "/turned.png");
    ASSERT_EQ(before.width, 1024);
    ASSERT_EQ(after.width, 1024);
    int changed = 0;
    int lit = 0;
    for (int y = 0; y < before.height; ++y)
        for (int x = 0; x < before.width; ++x) {
            const uint8_t* a = before.At(x, y);
            const uint8_t* b = after.At(x, y);
            if (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 30) ++changed;
            if (a[0] + a[1] + a[2] > 150) ++lit;
        }
    EXPECT_GT(lit, before.width * before.height / 2) << "the dungeon is not drawn";
    EXPECT_GT(changed, before.width * before.height / 10);
}

TEST(Gamepad, AGamepadZeroLineLeavesThePadUnopened) {
    const std::string dir =
        PrepareGameDir("gamepad_off", false, "Resolution=1024 768 32\nControls=X Z C\nVSync=0\nGamepad=0\n");
    const GameRun run = RunGameIn(dir, {"--fixed-step", "--state", "8:title.txt", "--quit-after", "9"},
                                  "2 pad plug\n3 pad press up\n4 pad press south\n5 pad press back\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.stderrText.find("gamepad"), std::string::npos) << run.stderrText;
    auto title = ReadState(dir + "/title.txt");
    EXPECT_TRUE(StateIs(title, {"GameMode=1", "TitleCursor=1"}));
    EXPECT_EQ(CountLines(LogLines(dir), "Action : OK Button"), 0);
}

} // namespace
