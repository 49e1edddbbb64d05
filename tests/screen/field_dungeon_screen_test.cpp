// Field mode in the first dungeon, walked with scripted input: its chest, its
// walls and floor, and the way out into the village.
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

// Mean brightness of a region, 0 to 255.
double MeanBrightness(const Image& image, int x0, int y0, int x1, int y1) {
    double sum = 0;
    int count = 0;
    for (int y = y0; y < y1 && y < image.height; ++y)
        for (int x = x0; x < x1 && x < image.width; ++x) {
            const uint8_t* p = image.At(x, y);
            sum += (p[0] + p[1] + p[2]) / 3.0;
            ++count;
        }
    return count ? sum / count : 0.0;
}

TEST(FieldDungeon, TheChestGivesThreePotionsAndSaysSo) {
    const std::string dir = PrepareGameDir("dungeon_chest", true);
    // Turn toward the chest, walk up to it (the chest's box stops him), OK.
    std::string script = std::string(kNewGameScript) + "4 hold Right 23\n30 hold Up 62\n95 press X\n";
    // Closing the find, then OK again at the opened chest.
    script += "130 press X\n135 press X\n";
    std::vector<std::string> args = {"--fixed-step", "--story", "1", "--shot", "129:found.png"};
    for (int frame : {95, 127, 128, 131, 140}) AddStates(args, frame, frame);
    args.insert(args.end(), {"--quit-after", "141"});
    const GameRun run = RunGameIn(dir, args, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto before = ReadState(StatePath(dir, 95));
    const Vec3 hero = ParseVec3(before["HeroPosition"]);
    ASSERT_LT(std::abs(hero.x - -15.1), 3.0) << before["HeroPosition"];
    ASSERT_LT(std::abs(hero.z - 11.5), 3.0) << before["HeroPosition"];
    EXPECT_TRUE(StateIs(before, {"Chest1_0=0 0", "Item0=Potion 3", "DialogueOpen=0"}));

    // 33 frames of lid: the 32nd still opening, the 33rd hands the Potions over.
    auto opening = ReadState(StatePath(dir, 127));
    EXPECT_TRUE(StateIs(opening, {"Chest1_0=0 32", "Item0=Potion 3", "DialogueOpen=0"}));
    auto opened = ReadState(StatePath(dir, 128));
    EXPECT_TRUE(StateIs(opened, {"Chest1_0=1 33", "Item0=Potion 6", "Item1=Ether 1", "DialogueOpen=1",
                                 "DialogueBuffer0=Deduvavi", "DialogueBuffer1=I Found 3 Potion(s) !",
                                 "DialogueBuffer2=", "DialogueBuffer4="}));

    EXPECT_EQ(ReadState(StatePath(dir, 131))["DialogueOpen"], "0");
    // OK at an opened chest neither opens it again nor finds anything.
    auto after = ReadState(StatePath(dir, 140));
    EXPECT_TRUE(StateIs(after, {"Chest1_0=1 33", "Item0=Potion 6", "DialogueOpen=0"}));

    // The announcement in white on the panel along the bottom (x 20 to 800, y 590 to 758).
    const Image shot = ReadPNG(dir + "/found.png");
    ASSERT_EQ(shot.width, 1024);
    EXPECT_GT(FindPixels(shot, 20, 590, 800, 758, IsPanelBlue).count, 40000);
    const Box text = FindPixels(shot, 25, 600, 795, 755, IsWhite);
    EXPECT_GT(text.count, 300);
    EXPECT_GE(text.left, 48);    // the line starts at x 51, the speaker further right
    EXPECT_LT(text.bottom, 680); // two texts: the speaker and line 1
}

TEST(FieldDungeon, AWallStopsTheHeroWhileUpIsHeld) {
    const std::string dir = PrepareGameDir("dungeon_wall", true);
    // Straight ahead from the new-game spot the hall's wall is some 6 units away.
    std::vector<std::string> args = {"--fixed-step", "--story", "1"};
    for (int frame : {14, 34, 44, 54}) AddStates(args, frame, frame);
    args.insert(args.end(), {"--quit-after", "55"});
    const GameRun run = RunGameIn(dir, args, std::string(kNewGameScript) + "4 hold Up 50\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto walking = ReadState(StatePath(dir, 14));
    auto first = ReadState(StatePath(dir, 34));
    auto second = ReadState(StatePath(dir, 44));
    auto last = ReadState(StatePath(dir, 54));
    // Ten frames held: ten steps in the first dungeon, each counted toward a battle.
    EXPECT_TRUE(StateIs(walking, {"StepCounter=10", "WalkFrame=10", "EncounterPending=0", "CurrentLevel=1"}));
    EXPECT_LT(ParseVec3(walking["HeroPosition"]).z, ParseVec3(first["HeroPosition"]).z);
    // Still holding Up: steps are counted, but hero and camera stay put.
    EXPECT_EQ(IntOf(last, "StepCounter"), 50);
    EXPECT_TRUE(StateIs(
        first, {"HeroPosition=" + second["HeroPosition"], "HeroPosition=" + last["HeroPosition"],
                "CameraPosition=" + last["CameraPosition"], "CameraViewPoint=" + last["CameraViewPoint"]}));
    const Vec3 stopped = ParseVec3(last["HeroPosition"]);
    EXPECT_GT(stopped.z, 10.0);
    EXPECT_LT(stopped.z, 12.5 - 0.7); // the sphere stays out of the hall's wall
    EXPECT_NEAR(stopped.x, 0.0, 0.01);
    EXPECT_NEAR(stopped.y, 0.2, 0.01);
}

// One run out of the dungeon, looked at frame by frame. One test, not a suite:
// each test runs in a process of its own, and would walk it again.
constexpr int kFirstState = 4;
constexpr int kLastState = 262;
std::string dir_;
int walkEnd_ = 0;
std::vector<std::map<std::string, std::string>> states_;

std::map<std::string, std::string>& At(int frame) {
    return states_[frame - kFirstState];
}

void TheMessageBoxSlidesInOverTwentyFiveFrames() {
    int start = 0;
    for (int frame = kFirstState; frame <= kDungeonExitOk && !start; ++frame)
        if (At(frame)["DialogueSlide"] != "-150") start = frame;
    ASSERT_GT(start, kFirstState) << "the box never moved";
    ASSERT_LE(start + 24, kDungeonExitOk);

    // It starts moving on the first frame inside the exit's square.
    const Vec3 outside = ParseVec3(At(start - 1)["HeroPosition"]);
    const Vec3 inside = ParseVec3(At(start)["HeroPosition"]);
    EXPECT_FALSE(std::abs(outside.x - -30.5) < 5 && std::abs(outside.z - -15.5) < 5);
    EXPECT_LT(std::abs(inside.x - -30.5), 5.0);
    EXPECT_LT(std::abs(inside.z - -15.5), 5.0);

    // 6 pixels a frame at 768 from -150: 0 on the 25th frame, then it stays.
    for (int k = 0; k < 25; ++k) EXPECT_EQ(IntOf(At(start + k), "DialogueSlide"), -144 + 6 * k) << "k " << k;
    for (int frame = start + 25; frame <= kDungeonExitOk; ++frame)
        EXPECT_EQ(IntOf(At(frame), "DialogueSlide"), 0) << "frame " << frame;
    EXPECT_TRUE(StateIs(At(kDungeonExitOk), {"ExitConfirmed=0", "CurrentLevel=1"}));

    // The panel's lower edge follows the slide: row 149 + offset at 768.
    for (const auto& [frame, name] : {std::pair{170, "sliding"}, std::pair{190, "shown"}}) {
        const Image shot = ReadPNG(dir_ + "/" + name + ".png");
        ASSERT_EQ(shot.width, 1024) << name;
        const Box panel = FindPixels(shot, 270, 0, 470, 200, IsPanelBlue);
        ASSERT_FALSE(panel.Empty()) << name;
        // The frame draws the box before stepping it: the offset it drew with is the previous frame's.
        const int slide = IntOf(At(frame - 1), "DialogueSlide");
        EXPECT_NEAR(panel.bottom, 149 + slide, 4) << name;
        if (slide >= 0) {
            EXPECT_NEAR(panel.top, 50, 6) << name;
        }
        // The destination's name in white in the middle of the box.
        EXPECT_GT(FindPixels(shot, 470, 0, 700, 150 + slide, IsWhite).count, 50) << name;
    }
}

void OkFadesOutAndArrivesInVorudu() {
    EXPECT_TRUE(StateIs(At(kDungeonExitOk + 1), {"ExitConfirmed=1", "PlayerHasControl=0"}));

    int arrival = 0;
    for (int frame = kDungeonExitOk + 1; frame <= kLastState && !arrival; ++frame)
        if (At(frame)["CurrentLevel"] == "0") arrival = frame;
    ASSERT_GT(arrival, 0) << "never left the dungeon";
    // From 1e-9 by half of itself a frame, the fog reaches 1 on the 52nd frame.
    EXPECT_EQ(arrival - kDungeonExitOk, 52);
    EXPECT_EQ(At(kDungeonExitOk)["FogDensity"], "1e-09");
    double previous = std::atof(At(kDungeonExitOk)["FogDensity"].c_str());
    for (int frame = kDungeonExitOk + 1; frame < arrival; ++frame) {
        const double fog = std::atof(At(frame)["FogDensity"].c_str());
        EXPECT_GT(fog, previous) << "frame " << frame;
        EXPECT_TRUE(StateIs(At(frame), {"CurrentLevel=1", "PlayerHasControl=0"}));
        previous = fog;
    }
    EXPECT_GT(previous, 0.5);
    EXPECT_LT(previous, 1.0);

    auto& there = At(arrival);
    EXPECT_TRUE(StateIs(there, {"FogDensity=1e-09", "PlayerHasControl=1", "ExitConfirmed=0",
                                "DialogueSlide=-150", "MusicRequested=Music\\Sad.wav",
                                "HeroPosition=" + Printed(-122.414986f, -0.046553f, 3.817961f),
                                "HeroRotation=" + Printed(0.0f, -270.88324f, 0.0f),
                                "CameraPosition=" + Printed(-127.414444f, 3.733447f, 3.741f),
                                "CameraViewPoint=" + Printed(-122.414986f, 2.173442f, 3.817961f)}));
    // The arrival point lies outside Vorudu's exits: nothing slides in after it.
    EXPECT_TRUE(StateIs(At(kLastState),
                        {"DialogueSlide=-150", "CurrentLevel=0", "HeroPosition=" + there["HeroPosition"]}));

    // The black fog swallows the picture toward its end.
    const Image early = ReadPNG(dir_ + "/fogstart.png");
    const Image deep = ReadPNG(dir_ + "/fogdeep.png");
    ASSERT_EQ(early.width, 1024);
    ASSERT_EQ(deep.width, 1024);
    const double light = MeanBrightness(early, 0, 300, 512, 768);
    EXPECT_GT(light, 40.0);
    EXPECT_LT(MeanBrightness(deep, 0, 300, 512, 768), light * 0.3);
}

void TheFloorHoldsTheHeroUpAllTheWay() {
    ASSERT_GE(walkEnd_, 150);
    // Flat floor at 0: after the first step's fall the sphere rests with the hero 0.2 above it.
    EXPECT_EQ(ParseVec3(At(kFirstState)["HeroPosition"]).y, 0.0);
    for (int frame = kFirstState + 2; frame <= walkEnd_; ++frame) {
        const Vec3 hero = ParseVec3(At(frame)["HeroPosition"]);
        const Vec3 eye = ParseVec3(At(frame)["CameraPosition"]);
        const Vec3 view = ParseVec3(At(frame)["CameraViewPoint"]);
        EXPECT_NEAR(hero.y, 0.2, 0.01) << "frame " << frame;
        // Falls and pushes move hero and camera together.
        EXPECT_NEAR(eye.y - hero.y, 3.0, 0.01) << "frame " << frame;
        // The view point stays straight above the hero.
        EXPECT_NEAR(view.x, hero.x, 0.001) << "frame " << frame;
        EXPECT_NEAR(view.z, hero.z, 0.001) << "frame " << frame;
    }
    // He did cover the ground: from the hall's middle to the corridor's end.
    const Vec3 end = ParseVec3(At(walkEnd_)["HeroPosition"]);
    EXPECT_LT(end.x, -28.0);
    EXPECT_LT(end.z, -12.0);
}

TEST(FieldDungeonExit, BoxFogArrivalAndFloorAllTheWay) {
    dir_ = PrepareGameDir("dungeon_exit", true);
    std::string script = kNewGameScript;
    walkEnd_ = AddDungeonToExit(script);
    script += std::to_string(kDungeonExitOk) + " press X\n";
    std::vector<std::string> args = {"--fixed-step",  "--story",         "1",
                                     "--shot",        "170:sliding.png", "--shot",
                                     "190:shown.png", "--shot",          "196:fogstart.png",
                                     "--shot",        "245:fogdeep.png"};
    AddStates(args, kFirstState, kLastState);
    WalkPastBattles(args);
    args.insert(args.end(), {"--quit-after", std::to_string(kLastState + 1)});
    const GameRun run = RunGameIn(dir_, args, script);
    for (int frame = kFirstState; frame <= kLastState; ++frame)
        states_.push_back(ReadState(StatePath(dir_, frame)));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    for (const auto& [name, check] :
         {std::pair{"TheMessageBoxSlidesInOverTwentyFiveFrames", &TheMessageBoxSlidesInOverTwentyFiveFrames},
          std::pair{"OkFadesOutAndArrivesInVorudu", &OkFadesOutAndArrivesInVorudu},
          std::pair{"TheFloorHoldsTheHeroUpAllTheWay", &TheFloorHoldsTheHeroUpAllTheWay}}) {
        SCOPED_TRACE(name);
        check();
    }
}

} // namespace
