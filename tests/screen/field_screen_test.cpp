#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Field, StandingStillChangesNothing) {
    const std::string dir = PrepareGameDir("field_still", true);
    const GameRun run = RunGameIn(
        dir,
        {"--fixed-step", "--story", "1", "--state", "6:a.txt", "--state", "40:b.txt", "--quit-after", "41"},
        "2 press Up\n3 press X\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto a = ReadState(dir + "/a.txt");
    auto b = ReadState(dir + "/b.txt");
    EXPECT_TRUE(StateIs(a, {"HeroPosition=" + b["HeroPosition"], "CameraPosition=" + b["CameraPosition"]}));
    EXPECT_TRUE(StateIs(b, {"StepCounter=0", "DialogueSlide=-150"}));
}

TEST(Field, LevelFlagLandsTheHeroInTheForestWithItsMusic) {
    const std::string dir = PrepareGameDir("field_level_flag", true);
    // Lands on the first field frame; then twenty steps on the forest floor.
    const GameRun run = RunGameIn(dir,
                                  {"--fixed-step", "--level", "3", "--state", "5:landed.txt", "--state",
                                   "30:walked.txt", "--shot", "30:forest.png", "--quit-after", "31"},
                                  std::string(kNewGameScript) + "6 hold Up 20\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto landed = ReadState(dir + "/landed.txt");
    EXPECT_TRUE(StateIs(landed, {"CurrentLevel=3", "MusicRequested=Music\\Flow.wav", "PlayerHasControl=1"}));
    auto walked = ReadState(dir + "/walked.txt");
    const Vec3 from = ParseVec3(landed["HeroPosition"]);
    const Vec3 to = ParseVec3(walked["HeroPosition"]);
    EXPECT_GT(std::hypot(to.x - from.x, to.z - from.z), 1.0) << walked["HeroPosition"];
    EXPECT_LT(std::abs(to.y - from.y), 1.0) << "the floor gave way";
    // Not the forest's steps: only the dungeons count toward a battle.
    EXPECT_EQ(walked["StepCounter"], "0");

    // The forest is drawn, not a cleared screen: a twentieth of it green at least.
    const Image shot = ReadPNG(dir + "/forest.png");
    ASSERT_EQ(shot.width, 1024);
    const Box green = FindPixels(shot, 0, 0, shot.width, shot.height,
                                 [](int r, int g, int b) { return g > r + 15 && g > b + 15; });
    EXPECT_GT(green.count, shot.width * shot.height / 20);
}

TEST(Field, HiddenWindowKeepsTimeAndWalkingAndDrawsAgainWhenShown) {
    const std::string dir = PrepareGameDir("field_hidden", true);
    // 180 frames hidden, walking all the while: 4 s of play at 45 a second.
    const GameRun run = RunGameIn(dir,
                                  {"--fixed-step", "--story", "1", "--encounter-steps", "100000", "--state",
                                   "10:hid.txt", "--state", "190:shown.txt", "--shot", "100:unseen.png",
                                   "--shot", "191:back.png", "--quit-after", "191"},
                                  std::string(kNewGameScript) + "10 hide\n10 hold Up 180\n190 show\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto hid = ReadState(dir + "/hid.txt");
    auto shown = ReadState(dir + "/shown.txt");
    const int seconds = std::stoi(shown["PlaySeconds"]) - std::stoi(hid["PlaySeconds"]);
    EXPECT_TRUE(seconds >= 3 && seconds <= 5) << seconds;
    EXPECT_NE(hid["HeroPosition"], shown["HeroPosition"]);
    EXPECT_EQ(shown["GameMode"], "2");
    // Nothing was presented while hidden, so there was no picture to take.
    EXPECT_EQ(ReadPNG(dir + "/unseen.png").width, 0);
    const Image back = ReadPNG(dir + "/back.png");
    ASSERT_EQ(back.width, 1024);
    const Box lit =
        FindPixels(back, 0, 0, back.width, back.height, [](int r, int g, int b) { return r + g + b > 60; });
    EXPECT_GT(lit.count, back.width * back.height / 4);
}

} // namespace
