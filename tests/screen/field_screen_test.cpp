#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Field, HoldingUpWalksAndCountsDungeonSteps) {
    const std::string dir = PrepareGameDir("field_walk", GameDataBuilt());
    const GameRun run = RunGameIn(
        dir, {"--fixed-step", "--state", "9:before.txt", "--state", "30:after.txt", "--quit-after", "31"},
        "2 press Up\n3 press X\n9 hold Up 10\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto before = ReadState(dir + "/before.txt");
    auto after = ReadState(dir + "/after.txt");
    EXPECT_EQ(before["GameMode"], "2");
    EXPECT_EQ(before["StepCounter"], "0");
    EXPECT_EQ(before["WalkFrame"], "0");
    // Ten frames held: ten steps in the first dungeon, each counted toward a battle.
    EXPECT_EQ(after["StepCounter"], "10");
    EXPECT_EQ(after["WalkFrame"], "10");
    EXPECT_NE(after["HeroPosition"], before["HeroPosition"]);
    EXPECT_EQ(after["EncounterPending"], "0");
    EXPECT_EQ(after["CurrentLevel"], "1");
}

TEST(Field, StandingStillChangesNothing) {
    const std::string dir = PrepareGameDir("field_still", GameDataBuilt());
    const GameRun run =
        RunGameIn(dir, {"--fixed-step", "--state", "6:a.txt", "--state", "40:b.txt", "--quit-after", "41"},
                  "2 press Up\n3 press X\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto a = ReadState(dir + "/a.txt");
    auto b = ReadState(dir + "/b.txt");
    EXPECT_EQ(a["HeroPosition"], b["HeroPosition"]);
    EXPECT_EQ(a["CameraPosition"], b["CameraPosition"]);
    EXPECT_EQ(b["StepCounter"], "0");
    EXPECT_EQ(b["DialogueSlide"], "-150");
}

} // namespace
