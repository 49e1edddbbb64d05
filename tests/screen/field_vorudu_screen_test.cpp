// Field mode in the village, reached by walking out of the first dungeon:
// talking, the healer's key, and the exits the story still holds shut.
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The long village walks run at 640 x 480 to stay quick.
const char* const kSmallConfig = "Resolution=640 480 32\nControls=X Z C\nVSync=0\n";

std::vector<std::string> StateArgs(std::initializer_list<int> frames) {
    std::vector<std::string> args = {"--fixed-step", "--story", "1"};
    for (int frame : frames) AddStates(args, frame, frame);
    WalkPastBattles(args);
    return args;
}

TEST(FieldVorudu, ItsExitRefusesUntilTheStoryMovesOn) {
    const std::string dir = PrepareGameDir("vorudu_refusal", true);
    std::string script = ScriptIntoVorudu();
    // Back from the arrival point into the dungeon's exit square, two units behind him.
    script += std::to_string(kVoruduStart) + " hold Down 15\n";
    // OK while the box is still sliding in does nothing; once it is in, the hero refuses.
    script += "270 press X\n300 press X\n";
    std::vector<std::string> args = {"--fixed-step", "--story", "1", "--shot", "305:refusal.png"};
    WalkPastBattles(args);
    AddStates(args, kVoruduStart, 310);
    AddStates(args, 340, 340);
    args.insert(args.end(), {"--quit-after", "341"});
    const GameRun run = RunGameIn(dir, args, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto start = ReadState(StatePath(dir, kVoruduStart));
    ASSERT_TRUE(
        StateIs(start, {"CurrentLevel=0", "HeroPosition=" + Printed(-122.414986f, -0.046553f, 3.817961f)}));

    auto early = ReadState(StatePath(dir, 270));
    const Vec3 hero = ParseVec3(early["HeroPosition"]);
    ASSERT_LT(std::abs(hero.x - -129.3), 5.0) << early["HeroPosition"];
    ASSERT_LT(std::abs(hero.z - 4.1), 5.0) << early["HeroPosition"];
    ASSERT_LT(IntOf(early, "DialogueSlide"), 0);
    ASSERT_GT(IntOf(early, "DialogueSlide"), -150);
    EXPECT_TRUE(StateIs(ReadState(StatePath(dir, 271)), {"DialogueOpen=0", "ExitConfirmed=0"}));

    auto shown = ReadState(StatePath(dir, 300));
    ASSERT_EQ(shown["DialogueSlide"], "0");
    EXPECT_EQ(shown["DialogueOpen"], "0");
    auto refused = ReadState(StatePath(dir, 301));
    EXPECT_TRUE(
        StateIs(refused, {"DialogueOpen=1", "DialogueBuffer0=Deduvavi",
                          "DialogueBuffer1=I think I`ve been missing something...", "DialogueBuffer2=",
                          "DialogueBuffer3=", "DialogueBuffer4=", "ExitConfirmed=0", "PlayerHasControl=1"}));
    // No fade follows: still in the village, in the open.
    EXPECT_TRUE(StateIs(
        ReadState(StatePath(dir, 340)),
        {"CurrentLevel=0", "FogDensity=1e-09", "HeroPosition=" + refused["HeroPosition"], "DialogueOpen=1"}));

    // Both boxes at once: the destination at the top, the refusal along the bottom.
    const Image shot = ReadPNG(dir + "/refusal.png");
    ASSERT_EQ(shot.width, 1024);
    EXPECT_GT(FindPixels(shot, 270, 55, 470, 145, IsPanelBlue).count, 10000);
    EXPECT_GT(FindPixels(shot, 470, 55, 760, 145, IsWhite).count, 50);
    EXPECT_GT(FindPixels(shot, 20, 590, 800, 758, IsPanelBlue).count, 40000);
    const Box line = FindPixels(shot, 25, 600, 795, 755, IsWhite);
    EXPECT_GT(line.count, 300);
    EXPECT_GE(line.left, 48);
}

TEST(FieldVorudu, UmosTalksAndHisTalkIgnoresTheHealingKey) {
    const std::string dir = PrepareGameDir("vorudu_umos", true, kSmallConfig);
    std::string script = ScriptIntoVorudu();
    const int end = AddVoruduToUmos(script);
    script += std::to_string(end + 2) + " press X\n" + std::to_string(end + 5) + " press Y\n";
    std::vector<std::string> args = StateArgs({end, end + 3, end + 6});
    args.insert(args.end(),
                {"--shot", std::to_string(end + 3) + ":talk.png", "--quit-after", std::to_string(end + 7)});
    const GameRun run = RunGameIn(dir, args, script, 640, 480);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto there = ReadState(StatePath(dir, end));
    ASSERT_EQ(there["CurrentLevel"], "0");
    const Vec3 hero = ParseVec3(there["HeroPosition"]);
    ASSERT_LT(std::abs(hero.x - -4.8), 3.0) << there["HeroPosition"];
    ASSERT_LT(std::abs(hero.z - 18.8), 3.0) << there["HeroPosition"];
    EXPECT_EQ(there["DialogueOpen"], "0");

    auto talking = ReadState(StatePath(dir, end + 3));
    EXPECT_TRUE(StateIs(talking, {"DialogueOpen=1", "DialogueBuffer0=Umos"}));
    EXPECT_NE(talking["DialogueBuffer1"], "");
    EXPECT_NE(talking["DialogueBuffer2"], "");
    EXPECT_EQ(talking["DialogueBuffer3"], ""); // he has two lines
    EXPECT_EQ(talking["DialogueBuffer4"], "");

    // Umos heals nobody: "Y" leaves his box open and the hero as he was.
    auto afterY = ReadState(StatePath(dir, end + 6));
    EXPECT_TRUE(StateIs(
        afterY, {"DialogueOpen=1", "DialogueBuffer0=Umos", "HP=" + talking["HP"], "MP=" + talking["MP"]}));

    // At 480 the panel spans y 368 to 473 from x 12 to 500; his name and lines in white on it.
    const Image shot = ReadPNG(dir + "/talk.png");
    ASSERT_EQ(shot.width, 640);
    EXPECT_GT(FindPixels(shot, 14, 370, 498, 472, IsPanelBlue).count, 20000);
    const Box text = FindPixels(shot, 14, 360, 498, 472, IsWhite);
    EXPECT_GT(text.count, 300);
    EXPECT_GE(text.left, 30);    // lines at W / 20 = 32
    EXPECT_GT(text.bottom, 400); // more than the speaker's name: line 2 sits at y 400
}

TEST(FieldVorudu, HonusHealsOnYAndClosesHisBox) {
    const std::string dir = PrepareGameDir("vorudu_honus", true, kSmallConfig);
    std::string script = ScriptIntoVorudu();
    const int end = AddVoruduToHonus(script);
    // "Y" with the box closed, then talk, then "Y" with it open.
    script += std::to_string(end + 1) + " press Y\n" + std::to_string(end + 3) + " press X\n" +
              std::to_string(end + 6) + " press Y\n";
    std::vector<std::string> args = StateArgs({end, end + 2, end + 4, end + 7});
    args.insert(args.end(), {"--quit-after", std::to_string(end + 8)});
    const GameRun run = RunGameIn(dir, args, script, 640, 480);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto there = ReadState(StatePath(dir, end));
    ASSERT_EQ(there["CurrentLevel"], "0");
    const Vec3 hero = ParseVec3(there["HeroPosition"]);
    ASSERT_LT(std::abs(hero.x - 100.5), 3.0) << there["HeroPosition"];
    ASSERT_LT(std::abs(hero.z - -31.5), 3.0) << there["HeroPosition"];
    // Nothing has hurt him yet: full HP and MP all along.
    ASSERT_TRUE(StateIs(there, {"HP=" + there["MaxHP"], "MP=" + there["MaxMP"]}));

    EXPECT_TRUE(StateIs(ReadState(StatePath(dir, end + 2)),
                        {"DialogueOpen=0", "HP=" + there["MaxHP"], "MP=" + there["MaxMP"]}));

    auto talking = ReadState(StatePath(dir, end + 4));
    EXPECT_TRUE(StateIs(talking, {"DialogueOpen=1", "DialogueBuffer0=Honus"}));
    EXPECT_NE(talking["DialogueBuffer1"], "");
    EXPECT_TRUE(StateIs(talking, {"DialogueBuffer2=(Press 'Y' for HP/MP Recovery)", "DialogueBuffer3="}));

    // At the healer "Y" closes the box and leaves HP and MP at their maxima.
    auto healed = ReadState(StatePath(dir, end + 7));
    EXPECT_TRUE(StateIs(healed, {"DialogueOpen=0", "HP=" + healed["MaxHP"], "MP=" + healed["MaxMP"]}));
    EXPECT_EQ(healed["Gold"], there["Gold"]); // healing is free
    EXPECT_EQ(healed["HeroPosition"], there["HeroPosition"]);
}

} // namespace
