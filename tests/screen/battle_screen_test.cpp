// Battles on the real content: the dungeon's 100th step, a fight against one
// Ogre from the shatter to the victory panel and back to the field, a Potion,
// a lost battle, and a battle whose monster has no model on disk.
//
// A battle's course depends on the content (intro flights, animation lengths)
// and on the random generator, which the stepped clock makes repeat exactly.
// So each fight is run once to find when things happen, then replayed with
// shots at those frames.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// One Ogre, attacked whenever the menu opens, until the victory screen has
// been left: run once to find the moments, then replayed with shots of them.
// One test, not a suite of them: each test runs in a process of its own.
constexpr int kOgreFrames = 1300;
Fight* probe_ = nullptr;
Fight* replay_ = nullptr;
State* field_ = nullptr;
int running_ = -1, menu_ = -1, hit_ = -1, panel_ = -1, back_ = -1;

void RunOgreFight() {
    const std::string script = std::string(kNewGameScript) + OkEvery(30, kOgreFrames - 20, 40);
    const std::vector<std::string> args = {"--story", "1", "--battle", "Ogre"};
    probe_ = new Fight(RunFight("battle_ogre_probe", args, script, kOgreFrames, 1));
    const Fight& p = *probe_;
    running_ = p.Find([](const State& s) { return IntOf(s, "BattleRunning") == 1; });
    menu_ = p.Find([](const State& s) { return IntOf(s, "MenuOpen") == 1 && IntOf(s, "MenuSlide") == 0; });
    hit_ = p.Find([](const State& s) { return IntOf(s, "HeroActing") == 1 && IntOf(s, "ShowDamage") == 1; });
    panel_ = p.Find([](const State& s) { return IntOf(s, "RewardsReady") == 1; });
    back_ = p.Find([](const State& s) { return IntOf(s, "GameMode") == 2; });
    std::vector<int> shots = {5, 104};
    for (int frame : {running_, menu_, hit_ + 3, panel_, back_ + 5})
        if (frame > 0) shots.push_back(frame);
    replay_ = new Fight(RunFight("battle_ogre", args, script, kOgreFrames, 1, shots));
    // Where the new game stands before any battle.
    const std::string dir = PrepareGameDir("battle_ogre_field", true);
    RunGameIn(dir, {"--fixed-step", "--story", "1", "--state", "4:s4.txt", "--quit-after", "5"},
              kNewGameScript);
    field_ = new State(ReadState(StatePath(dir, 4)));
}

void RepeatsExactlyUnderTheSteppedClock() {
    ASSERT_EQ(replay_->states.size(), probe_->states.size());
    for (int frame : {running_, menu_, hit_, panel_, back_})
        EXPECT_EQ(replay_->At(frame), probe_->At(frame)) << "frame " << frame;
}

void StartsWithTheShatterAndTheRewardsFixed() {
    const Fight& f = *replay_;
    const State& start = f.At(4);
    EXPECT_TRUE(StateIs(start, {"GameMode=4", "BattleSlot0=Ogre", "BattleSlot1Dead=1", "BattleSlot2Dead=1",
                                "MusicRequested=Music/Battle.wav", "BattleGoldReward=50",
                                "BattleExpReward=20", "BattleWarpExpReward=2", "IntroStarted=0"}));
    // The intro flight starts only once the last piece has begun to fly.
    EXPECT_EQ(f.At(4 + 193).at("IntroStarted"), "0");
    EXPECT_EQ(f.At(4 + 195).at("IntroStarted"), "1");
    EXPECT_TRUE(HasLine(LogLines(f.dir), "Entering Battle Mode"));

    // The first shatter frame shows the captured field whole, hero and all;
    // midway a good part of the picture has moved.
    const Image whole = ReadPNG(f.Shot(5));
    const Image mid = ReadPNG(f.Shot(104));
    ASSERT_EQ(whole.width, 1024);
    ASSERT_EQ(mid.width, 1024);
    const auto tunic = [](int r, int g, int b) { return b > 90 && b > r + 40 && b > g + 20; };
    EXPECT_GT(FindPixels(whole, 0, 0, 1024, 768, tunic).count, 500);
    int changed = 0;
    for (int y = 0; y < 768; y += 2)
        for (int x = 0; x < 1024; x += 2) {
            const uint8_t* a = whole.At(x, y);
            const uint8_t* b = mid.At(x, y);
            if (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 60) ++changed;
        }
    EXPECT_GT(changed, 512 * 384 / 10);
}

void TheHeroStrikesAsTheRollAllows() {
    const Fight& f = *replay_;
    ASSERT_GT(running_, 0);
    ASSERT_GT(hit_, running_);
    // Attack 8, Dexterity 6 against Defense 5: 72 spread by 0..6 either way, less 5.
    int hits = 0;
    for (int frame = running_; frame < f.Last(); ++frame) {
        const int before = IntOf(f.At(frame), "BattleSlot0HP");
        const int after = IntOf(f.At(frame + 1), "BattleSlot0HP");
        if (after == before || IntOf(f.At(frame), "GameMode") != 4) continue;
        EXPECT_GE(before - after, 61) << "frame " << frame;
        EXPECT_LE(before - after, 73) << "frame " << frame;
        EXPECT_EQ(IntOf(f.At(frame + 1), "DamageShown"), before - after);
        ++hits;
    }
    EXPECT_GE(hits, 3); // 150 HP
    EXPECT_EQ(f.At(hit_).at("ShowDamage"), "1");

    // From the frame after the blow the number shows, black on its white copy.
    const Image shot = ReadPNG(f.Shot(hit_ + 3));
    EXPECT_GT(FindPixels(shot, 0, 0, 1024, 560, IsWhite).count, 10);
}

void TheMenuSlidesInWhenTheGaugeIsFull() {
    const Fight& f = *replay_;
    ASSERT_GT(menu_, 0);
    const int opened = f.Find([](const State& s) { return IntOf(s, "MenuOpen") == 1; });
    // 20 frames of sliding at 1024 pixels, from -500 to 0.
    EXPECT_EQ(menu_ - opened, 20);
    EXPECT_EQ(IntOf(f.At(opened), "MenuSlide"), -500);
    EXPECT_EQ(IntOf(f.At(opened + 1), "MenuSlide"), -475);
    const Image shot = ReadPNG(f.Shot(menu_));
    // The command panel in the lower left, with its rows in white.
    EXPECT_GT(FindPixels(shot, 200, 600, 400, 760, IsPanelBlue).count, 15000);
    EXPECT_GT(FindPixels(shot, 240, 610, 400, 720, IsWhite).count, 30);
    // The time bar's panel at the lower right, left of it the fury bar's.
    EXPECT_GT(FindPixels(shot, 906, 614, 1003, 640, IsPanelBlue).count, 1000);
    EXPECT_GT(FindPixels(shot, 782, 614, 882, 640, IsPanelBlue).count, 1000);
}

void VictoryPaysOnceAndLevelsNobodyAtTwentyExp() {
    const Fight& f = *replay_;
    ASSERT_GT(panel_, 0);
    const State& ready = f.At(panel_);
    EXPECT_TRUE(StateIs(ready, {"GameMode=5", "VictoryPanelY=0", "Gold=100", "Exp=0"}));
    const int paid = f.Find([](const State& s) { return IntOf(s, "LeaveReady") == 1; }, panel_);
    ASSERT_GT(paid, 0);
    EXPECT_TRUE(StateIs(f.At(paid), {"Gold=150", "Exp=20", "Level=1"}));
    // The slide: 20 pixels a frame, 50 frames.
    const int moving =
        f.Find([](const State& s) { return IntOf(s, "GameMode") == 5 && IntOf(s, "VictoryPanelY") > -1000; });
    EXPECT_EQ(panel_ - moving, 49);

    const Image shot = ReadPNG(f.Shot(panel_));
    EXPECT_GT(FindPixels(shot, 100, 100, 906, 704, IsPanelBlue).count, 300000);
    EXPECT_GT(FindPixels(shot, 300, 180, 906, 420, IsWhite).count, 300);
}

void TheFieldComesBackAsItWas() {
    const Fight& f = *replay_;
    const State& back = f.At(back_);
    EXPECT_TRUE(HasLine(LogLines(f.dir), "Exiting Battle Mode"));
    for (const char* name :
         {"HeroPosition", "CameraPosition", "CameraViewPoint", "CameraUpVector", "CurrentLevel"})
        EXPECT_EQ(back.at(name), field_->at(name)) << name;
    EXPECT_TRUE(StateIs(back, {"MusicRequested=Music\\Fuzzy.wav", "BattleRunning=0", "BattleSlot0Dead=0",
                               "PlayerHasControl=1"}));
    // HP is not restored by a victory.
    EXPECT_LT(IntOf(back, "HP"), 501);

    // The whole window again, not the lower-left corner the capture used.
    const Image shot = ReadPNG(f.Shot(back_ + 5));
    const auto lit = [](int r, int g, int b) { return r + g + b > 90; };
    EXPECT_GT(FindPixels(shot, 600, 0, 1024, 300, lit).count, 10000);
    EXPECT_GT(FindPixels(shot, 0, 0, 512, 256, lit).count, 10000);
}

TEST(Battle, AgainstOneOgreFromTheShatterBackToTheField) {
    RunOgreFight();
    ASSERT_EQ(replay_->run.exitCode, 0) << replay_->run.stderrText;
    ASSERT_GT(back_, 0) << "the battle never ended";
    {
        SCOPED_TRACE("RepeatsExactlyUnderTheSteppedClock");
        RepeatsExactlyUnderTheSteppedClock();
    }
    {
        SCOPED_TRACE("StartsWithTheShatterAndTheRewardsFixed");
        StartsWithTheShatterAndTheRewardsFixed();
    }
    {
        SCOPED_TRACE("TheHeroStrikesAsTheRollAllows");
        TheHeroStrikesAsTheRollAllows();
    }
    {
        SCOPED_TRACE("TheMenuSlidesInWhenTheGaugeIsFull");
        TheMenuSlidesInWhenTheGaugeIsFull();
    }
    {
        SCOPED_TRACE("VictoryPaysOnceAndLevelsNobodyAtTwentyExp");
        VictoryPaysOnceAndLevelsNobodyAtTwentyExp();
    }
    {
        SCOPED_TRACE("TheFieldComesBackAsItWas");
        TheFieldComesBackAsItWas();
    }
}

TEST(Battle, TheDungeonsHundredthStepStartsOne) {
    std::string script = kNewGameScript;
    AddDungeonToExit(script);
    const Fight f = RunFight("battle_dungeon_step", {"--story", "1"}, script, 130, 1);
    ASSERT_EQ(f.run.exitCode, 0) << f.run.stderrText;
    const int started = f.Find([](const State& s) { return IntOf(s, "GameMode") == 4; });
    ASSERT_GT(started, 0);
    const State& before = f.At(started - 1);
    EXPECT_EQ(IntOf(before, "StepCounter"), 99);
    EXPECT_EQ(before.at("GameMode"), "2");
    const State& after = f.At(started);
    EXPECT_TRUE(StateIs(
        after, {"EncounterPending=0", "StepCounter=0", "CameraPosition=-3 3 0", "CameraViewPoint=-3 3 -6"}));
    // Only the dungeon's kinds, Ogre and Bat.
    for (int i = 0; i < 3; ++i) {
        const std::string name = after.at("BattleSlot" + std::to_string(i));
        if (after.at("BattleSlot" + std::to_string(i) + "Dead") == "0") {
            EXPECT_TRUE(name == "Ogre" || name == "Bat") << name;
        }
    }
    EXPECT_EQ(f.At(f.Last()).at("GameMode"), "4");
}

TEST(Battle, APotionRestoresHpAndIsUsedUp) {
    // The cursor down to Item well before the menu opens; then OK to open the list and OK on the Potion.
    std::string script = std::string(kNewGameScript) + "10 press Down\n11 press Down\n12 press Down\n";
    script += OkEvery(30, 600, 20);
    const Fight f = RunFight("battle_potion", {"--story", "1", "--battle", "Ogre"}, script, 600, 1);
    ASSERT_EQ(f.run.exitCode, 0) << f.run.stderrText;
    const int using_ = f.Find([](const State& s) { return IntOf(s, "ItemCommand") == 1; });
    ASSERT_GT(using_, 0);
    const int done = f.Find([](const State& s) { return IntOf(s, "ItemCommand") == 0; }, using_);
    ASSERT_GT(done, 0);
    const State& before = f.At(done - 1);
    const State& after = f.At(done);
    EXPECT_EQ(before.at("Item0"), "Potion 3");
    EXPECT_EQ(after.at("Item0"), "Potion 2");
    EXPECT_EQ(IntOf(after, "HP"), std::min(IntOf(after, "MaxHP"), IntOf(before, "HP") + 200));
    EXPECT_EQ(IntOf(f.At(using_), "CommandCursor"), 3);
}

TEST(Battle, LostWithNoSaveEndsTheGame) {
    // No OK at all: the hero never strikes back.
    const Fight f = RunFight("battle_lost", {"--story", "1", "--battle", "Limbus"}, kNewGameScript, 1600, 10);
    ASSERT_EQ(f.run.exitCode, 0) << f.run.stderrText;
    ASSERT_LT(f.Last(), 1590) << "the game should have ended by itself";
    const std::vector<std::string> log = LogLines(f.dir);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Quiting...");
    const State& last = f.At(f.Last());
    EXPECT_TRUE(StateIs(last, {"HP=0", "HeroDead=1"}));
}

TEST(Battle, LostAfterASaveComesBackAtTheSave) {
    // New Game, a few steps, then the menu's Save page: slot 1.
    const std::string dir = PrepareGameDir("battle_lost_saved", true);
    std::string script = std::string(kNewGameScript) + "20 hold Up 10\n";
    script += "40 press C\n";
    for (int f = 41; f < 47; ++f) script += std::to_string(f) + " press Down\n";
    script += "102 press X\n170 press X\n";
    RunGameIn(dir, {"--fixed-step", "--story", "1", "--state", "171:saved.txt", "--quit-after", "180"},
              script);
    const State saved = ReadState(dir + "/saved.txt");
    ASSERT_TRUE(HasLine(LogLines(dir), "Saved Save Slot:Save/Slot1.sav"));
    // One point of HP left: the first blow fells him.
    std::fstream slot(dir + "/Save/Slot1.sav", std::ios::in | std::ios::out | std::ios::binary);
    slot.seekp(12);
    slot.write("\1\0\0\0", 4);
    slot.close();

    // Load it from the title, walk into the dungeon's next battle and lose it.
    const std::string again = "2 press X\n4 press X\n10 hold Up 5\n";
    // Back in the field after the defeat by about frame 560.
    const GameRun run = RunGameIn(
        dir, {"--fixed-step", "--encounter-steps", "3", "--state", "800:end.txt", "--quit-after", "801"},
        again);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    int loads = 0, fought = 0;
    for (const std::string& line : LogLines(dir)) {
        loads += line == "Loaded Save Slot:Save/Slot1.sav";
        fought += line == "Entering Battle Mode";
    }
    EXPECT_EQ(fought, 1);
    EXPECT_EQ(loads, 2); // from the title, and after the defeat
    const State end = ReadState(dir + "/end.txt");
    EXPECT_TRUE(
        StateIs(end, {"GameMode=2", "HP=1", "HeroPosition=" + saved.at("HeroPosition"),
                      "CameraPosition=" + saved.at("CameraPosition"), "IntroStarted=0", "BattleRunning=0",
                      "HeroDead=0", "PlayerHasControl=1", "MusicRequested=Music\\Fuzzy.wav"}));
}

TEST(Battle, AMonsterMissingFromTheDataStillFightsToTheEnd) {
    // A data folder whose Ogre has neither model nor animations.
    const std::string dir = PrepareGameDir("battle_no_ogre", false);
    for (const auto& entry : fs::directory_iterator(AURELANT_DATA_DIR)) {
        if (entry.path().filename() == "Objects") continue;
        fs::create_directory_symlink(entry.path(), fs::path(dir) / entry.path().filename());
    }
    fs::create_directory(fs::path(dir) / "Objects");
    for (const auto& entry : fs::directory_iterator(fs::path(AURELANT_DATA_DIR) / "Objects"))
        if (entry.path().filename() != "Ogre")
            fs::create_directory_symlink(entry.path(), fs::path(dir) / "Objects" / entry.path().filename());
    const std::string script = std::string(kNewGameScript) + OkEvery(30, 1180, 20);
    GameRun run = RunGameIn(dir,
                            {"--fixed-step", "--story", "1", "--battle", "Ogre", "--state", "1200:end.txt",
                             "--quit-after", "1201"},
                            script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const std::vector<std::string> log = LogLines(dir);
    EXPECT_TRUE(HasLine(log, "Could not Load Model :Objects\\Ogre\\Ogre.m3d"));
    EXPECT_TRUE(HasLine(log, "Could not Load Animation :Objects\\Ogre\\OgreAttack.ani"));
    EXPECT_TRUE(HasLine(log, "Exiting Battle Mode"));
    const State end = ReadState(dir + "/end.txt");
    EXPECT_TRUE(StateIs(end, {"GameMode=2", "Gold=150"}));
}

} // namespace
