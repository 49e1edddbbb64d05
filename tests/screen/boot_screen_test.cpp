#include "tests/screen/screen_support.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;

namespace {

const char* const kModels[] = {"Levels\\Vorudu.m3d",
                               "Levels\\VoruduCB.m3d",
                               "Levels\\Vorudu Dungeon.m3d",
                               "Levels\\Vorudu DungeonBG.m3d",
                               "Levels\\World Map.m3d",
                               "Levels\\World MapBG.m3d",
                               "Levels\\World MapCB.m3d",
                               "Levels\\Forgotten Forest.m3d",
                               "Levels\\Forgotten ForestCB.m3d",
                               "Levels\\Mistilia.m3d",
                               "Levels\\MistiliaCB.m3d",
                               "Levels\\Dungeon of the Damned.m3d",
                               "Levels\\RoadPass.m3d",
                               "Objects\\Deduvavi\\Deduvavi.m3d",
                               "Objects\\Deduvavi\\TSword.m3d",
                               "Objects\\Deduvavi\\Swarp.m3d",
                               "Objects\\Deduvavi\\TWHolder.m3d",
                               "Objects\\Deduvavi\\Warp.m3d",
                               "Objects\\Vorudu\\Villager.m3d",
                               "Objects\\Vorudu\\Box.m3d",
                               "Objects\\Chest\\ChestModel.m3d",
                               "Objects\\Ogre\\Ogre.m3d",
                               "Objects\\Bat\\Bat.m3d",
                               "Objects\\Toad\\Toad.m3d",
                               "Objects\\Behemoth\\Behemoth.m3d",
                               "Objects\\Scorpion\\Scorpion.m3d",
                               "Objects\\Spike\\Spike.m3d",
                               "Objects\\Limbus\\Limbus.m3d",
                               "Objects\\Effects\\Explosion.m3d",
                               "Objects\\Effects\\Ice.m3d",
                               "Objects\\Effects\\Ice Pentagram.m3d",
                               "Objects\\Effects\\Fire Pentagram.m3d",
                               "Objects\\Effects\\Kintos.m3d",
                               "Objects\\Effects\\Rock.m3d",
                               "Objects\\Effects\\LavaBall.m3d",
                               "Objects\\Katu\\Katu.m3d"};

const char* const kAnimations[] = {
    "Objects\\Chest\\ChestAni.ani",        "Objects\\Effects\\IceCrush.ani",
    "Objects\\Effects\\KintosAni.ani",     "Objects\\Effects\\RockAni.ani",
    "Objects\\Deduvavi\\TWalk.ani",        "Objects\\Deduvavi\\TBStay.ani",
    "Objects\\Deduvavi\\TBAttack.ani",     "Objects\\Deduvavi\\TUseItem.ani",
    "Objects\\Deduvavi\\TBWon.ani",        "Objects\\Deduvavi\\TGetSword.ani",
    "Objects\\Deduvavi\\TAngelCrush.ani",  "Objects\\Deduvavi\\TBulletDodge.ani",
    "Objects\\Katu\\KatuAni1.ani",         "Objects\\Katu\\KatuAni2.ani",
    "Objects\\Ogre\\OgreStay.ani",         "Objects\\Ogre\\OgreAttack.ani",
    "Objects\\Bat\\BatStay.ani",           "Objects\\Bat\\BatAttack.ani",
    "Objects\\Toad\\ToadStay.ani",         "Objects\\Toad\\ToadAttack.ani",
    "Objects\\Behemoth\\BehemothStay.ani", "Objects\\Behemoth\\BehemothAttack.ani",
    "Objects\\Scorpion\\ScorpionStay.ani", "Objects\\Scorpion\\ScorpionAttack.ani",
    "Objects\\Spike\\SpikeStay.ani",       "Objects\\Spike\\SpikeAttack.ani",
    "Objects\\Limbus\\LimbusStay.ani",     "Objects\\Limbus\\LimbusAttack.ani"};

const char* const kTextures[] = {"Textures/Console.tga",  "Textures/New Game.tga", "Textures/Load Game.tga",
                                 "Textures/Credits.tga",  "Textures/Quit.tga",     "Textures/Options.tga",
                                 "Textures/Particle.tga", "Textures/Ring.tga",     "Textures/Spark.tga"};

bool Exists(const std::string& dir, std::string gamePath) {
    std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return fs::exists(fs::path(dir) / gamePath);
}

// The whole start-up log, line for line, for whatever files the folder holds.
std::vector<std::string> ExpectedStartLog(const std::string& dir) {
    std::vector<std::string> lines = {"Aurelant - QEV3 Log File ;", "OpenGL Initialised!",
                                      "Created Arial Font"};
    lines.push_back(std::string(Exists(dir, "Textures/Logo.tga") ? "Loaded" : "Could not Load") +
                    " Texture : Textures/Logo.tga");
    lines.push_back(std::string(Exists(dir, "Textures/LogoSides.tga") ? "Loaded" : "Could not Load") +
                    " Texture : Textures/LogoSides.tga");
    lines.push_back("Created Times New Roman Font");
    bool first = true;
    for (const char* model : kModels) {
        if (Exists(dir, model))
            lines.push_back(std::string("Loaded Model :") + model);
        else
            lines.push_back(std::string(first ? "Could not Load Model : " : "Could not Load Model :") +
                            model);
        first = false;
    }
    for (const char* animation : kAnimations)
        lines.push_back(
            std::string(Exists(dir, animation) ? "Loaded Animation :" : "Could not Load Animation :") +
            animation);
    for (int level = 0; level < 7; ++level)
        lines.push_back("Build Display Lists for Level[" + std::to_string(level) + "]");
    lines.push_back(std::string(Exists(dir, "Textures/Quit.tga") ? "Loaded" : "Could not Load") +
                    " Texture for Image Copy : Textures/Quit.tga");
    for (const char* texture : kTextures)
        lines.push_back(std::string(Exists(dir, texture) ? "Loaded" : "Could not Load") +
                        " Texture : " + texture);
    lines.push_back("Initialised Items");
    lines.push_back("Initialised Swarps and Warps");
    lines.push_back("Levels Initiated");
    return lines;
}

TEST(Boot, WithoutDataLogsEveryStepAndReachesTheTitle) {
    const std::string dir = PrepareGameDir("boot_nodata", false);
    const GameRun run = RunGameIn(
        dir, {"--fixed-step", "--shot", "1:boot.png", "--state", "3:title.txt", "--quit-after", "10"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    std::vector<std::string> expected = ExpectedStartLog(dir);
    EXPECT_EQ(expected[3], "Could not Load Texture : Textures/Logo.tga");
    EXPECT_EQ(expected[4], "Could not Load Texture : Textures/LogoSides.tga");
    EXPECT_EQ(expected[6], "Could not Load Model : Levels\\Vorudu.m3d");
    expected.push_back("Quiting...");
    EXPECT_EQ(LogLines(dir), expected);

    const Image boot = ReadPNG(dir + "/boot.png");
    EXPECT_EQ(boot.width, 1024);
    EXPECT_EQ(boot.height, 768);
    EXPECT_EQ(ReadState(dir + "/title.txt")["GameMode"], "1");
}

TEST(Boot, WithDataLogsWhatItFound) {
    const std::string dir = PrepareGameDir("boot_data", true);
    const GameRun run = RunGameIn(dir, {"--fixed-step", "--shot", "1:boot.png", "--quit-after", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    std::vector<std::string> expected = ExpectedStartLog(dir);
    expected.push_back("Quiting...");
    EXPECT_EQ(LogLines(dir), expected);
    EXPECT_EQ(expected[3], "Loaded Texture : Textures/Logo.tga");

    // The logo fills the screen: the boot frame is not the clear colour nor blank.
    const Image boot = ReadPNG(dir + "/boot.png");
    const Box lit = FindPixels(boot, 0, 0, boot.width, boot.height,
                               [](int r, int g, int b) { return !(r == 51 && g == 127 && b == 255); });
    EXPECT_GT(lit.count, boot.width * boot.height * 9 / 10);
}

TEST(Boot, RefusedDisplayModeEndsBeforeTheTitle) {
    const std::string dir = PrepareGameDir("boot_refused", false);
    const GameRun run = RunGameIn(dir, {"--quit-after", "100"}, "", 1280, 1024);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find("Display Mode Not Compatible"), std::string::npos) << run.stderrText;
    const std::vector<std::string> log = LogLines(dir);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[1], "OpenGL Initialised!"); // start-up still runs to its end
    EXPECT_EQ(std::find(log.begin(), log.end(), "Created Times New Roman Font"), log.end());
}

TEST(Boot, WindowedRunsOnALargerDesktop) {
    const std::string dir = PrepareGameDir("boot_windowed", false);
    const GameRun run = RunGameIn(
        dir, {"--windowed", "--fixed-step", "--state", "4:s.txt", "--quit-after", "5"}, "", 1280, 1024);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.stderrText.find("Error"), std::string::npos) << run.stderrText;
    EXPECT_EQ(ReadState(dir + "/s.txt")["GameMode"], "1");
}

TEST(Boot, MalformedScriptIsRefusedBeforeTheGameStarts) {
    const std::string dir = PrepareGameDir("boot_badscript", false);
    const GameRun run = RunGameIn(dir, {"--fixed-step"}, "1 press X\n2 hold Up\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stderrText.find("line 2"), std::string::npos) << run.stderrText;
    EXPECT_FALSE(fs::exists(dir + "/Log.txt"));
}

TEST(Boot, TimedemoPrintsItsLine) {
    const std::string dir = PrepareGameDir("boot_timedemo", false);
    const GameRun run = RunGameIn(dir, {"--timedemo", "--quit-after", "60"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    // 59 frames after the start-up load, each timed.
    EXPECT_TRUE(std::regex_search(
        run.stdoutText, std::regex(R"(^timedemo: 59 frames in [0-9.]+ s, mean [0-9.]+ ms, p95 [0-9.]+ ms, )"
                                   R"(worst [0-9.]+ ms, cpu [0-9.]+ ms\n$)")))
        << run.stdoutText;
}

} // namespace
