// The staged actions on the real content, against an Ogre, a Bat and a Toad:
// Ice on one target and with MegaAll on all three, Fire, the Kintos summon
// and the fury skill at a full bar. Each is chosen as soon as the menu opens
// and played to its end; the damage must land once, and the menu must come
// back for the next turn. Each run is probed for its moments, then replayed
// with shots of the effect at its height.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Scene = Fight;

// New Game into a battle against an Ogre, a Bat and a Toad, OK every 20 frames after the input.
Scene RunScene(const std::string& name, std::vector<std::string> args, const std::string& input, int frames,
               const std::vector<int>& shots = {}) {
    args.insert(args.begin(), {"--story", "1", "--battle", "Ogre,Bat,Toad"});
    return RunFight(name, args, std::string(kNewGameScript) + input + OkEvery(30, frames - 1, 20), frames, 1,
                    shots);
}

int SlotHP(const State& s, int i) {
    return IntOf(s, "BattleSlot" + std::to_string(i) + "HP");
}

// The scene itself runs: a monster already on its way finishes its blow first.
bool Playing(const State& s, const std::string& flag) {
    return IntOf(s, flag) == 1 && IntOf(s, "HeroActing") == 1;
}

// One cast from its first frame to the frame its flag drops.
struct Cast {
    int start = -1, end = -1;
    int hpChanges = 0; // frames in which some slot lost HP
    int back = -1;     // the menu open again afterwards
};

Cast FindCast(const Scene& s, const std::string& flag) {
    Cast c;
    c.start = s.Find([&](const State& st) { return Playing(st, flag); });
    if (c.start < 0) return c;
    c.end = s.Find([&](const State& st) { return IntOf(st, flag) == 0; }, c.start);
    if (c.end < 0) return c;
    for (int f = c.start; f <= c.end; ++f)
        for (int i = 0; i < 3; ++i)
            if (SlotHP(s.At(f), i) != SlotHP(s.At(f - 1), i)) {
                ++c.hpChanges;
                break;
            }
    c.back = s.Find([](const State& st) { return IntOf(st, "MenuOpen") == 1; }, c.end);
    return c;
}

bool IceBlue(int r, int g, int b) {
    return b > 200 && g > 160 && b > r + 25;
}
bool Flame(int r, int g, int b) {
    return r > 220 && g > 70 && g < 225 && b < 140;
}
bool KintosRed(int r, int g, int b) {
    return r > 90 && r > g + 45 && r > b + 45;
}
bool Glare(int r, int g, int b) {
    return r > 235 && g > 235 && b > 235;
}

// Run the whole scene, find the frame of the effect's height, and replay up to
// it for a shot: the stepped clock repeats the run exactly (Battle checks that).
// The checks read the whole run; the replay's shot is in its directory.
Scene ProbeAndShoot(const std::string& name, const std::vector<std::string>& args, const std::string& input,
                    int frames, const std::function<int(const Scene&)>& peak, int* peakFrame) {
    Scene probe = RunScene(name + "_probe", args, input, frames);
    *peakFrame = peak(probe);
    if (*peakFrame > 0) probe.dir = RunScene(name, args, input, *peakFrame, {*peakFrame}).dir;
    return probe;
}

// Ice, alone or with MegaAll, shot with its crystals at their height.
Scene IceScene(const std::string& name, const std::string& warps, int* peak) {
    return ProbeAndShoot(
        name, {"--warps", warps}, "10 press Down\n", 720,
        [](const Scene& p) {
            return p.Find(
                [](const State& st) { return Playing(st, "IceCast") && IntOf(st, "MoveFrame") == 17; });
        },
        peak);
}

TEST(EffectScenes, IceOnOneTargetFormsShattersAndStrikesOnce) {
    int peak = -1;
    const Scene s = IceScene("effects_ice", "Ice", &peak);
    ASSERT_EQ(s.run.exitCode, 0) << s.run.stderrText;
    const Cast c = FindCast(s, "IceCast");
    ASSERT_GT(c.end, 0) << "Ice never ended";
    EXPECT_EQ(c.hpChanges, 1);
    // The target cursor rested on slot 0, the Ogre: 8 x 10 - MagicDefense 5.
    EXPECT_EQ(SlotHP(s.At(c.end), 0), 150 - 75);
    EXPECT_EQ(SlotHP(s.At(c.end), 1), 100);
    EXPECT_EQ(IntOf(s.At(c.end), "MP"), 45);
    EXPECT_EQ(s.At(c.end).at("HeroActing"), "0");
    EXPECT_GT(c.back, c.end);

    const Image shot = ReadPNG(s.Shot(peak));
    ASSERT_EQ(shot.width, 1024);
    // The crystal over the middle of the arena, well above the pentagram.
    EXPECT_GT(FindPixels(shot, 0, 150, 1024, 500, IceBlue).count, 1500);
}

TEST(EffectScenes, IceWithMegaAllStrikesEveryMonsterWithItsOwnNumber) {
    int peak = -1;
    const Scene s = IceScene("effects_ice_all", "Ice,MegaAll", &peak);
    ASSERT_EQ(s.run.exitCode, 0) << s.run.stderrText;
    const Cast c = FindCast(s, "IceCast");
    ASSERT_GT(c.end, 0);
    EXPECT_EQ(c.hpChanges, 1);
    const State& hit = s.At(s.Find([](const State& st) { return IntOf(st, "ShowAllDamage") == 1; }));
    // 80 less each one's Defense: 5, 3 and 8.
    EXPECT_EQ(IntOf(hit, "DamageShown"), 75);
    EXPECT_EQ(IntOf(hit, "DamageShown1"), 77);
    EXPECT_EQ(IntOf(hit, "DamageShown2"), 72);
    EXPECT_EQ(SlotHP(s.At(c.end), 2), 200 - 72);
    EXPECT_EQ(IntOf(s.At(c.end), "MP"), 45);
    EXPECT_GT(c.back, c.end);

    // Three crystals, spread across the arena.
    const Image shot = ReadPNG(s.Shot(peak));
    for (const int x0 : {0, 400, 620}) {
        EXPECT_GT(FindPixels(shot, x0, 150, x0 + 400 - (x0 == 400 ? 180 : 0), 500, IceBlue).count, 300)
            << "from x " << x0;
    }
}

TEST(EffectScenes, FireBurstsOverItsTargetAndStrikesOnce) {
    int peak = -1;
    const Scene s = ProbeAndShoot(
        "effects_fire", {"--warps", "Fire"}, "10 press Down\n", 720,
        [](const Scene& p) {
            const int hit = p.Find(
                [](const State& st) { return Playing(st, "FireCast") && IntOf(st, "ShowDamage") == 1; });
            return hit + 8;
        },
        &peak);
    ASSERT_EQ(s.run.exitCode, 0) << s.run.stderrText;
    const Cast c = FindCast(s, "FireCast");
    ASSERT_GT(c.end, 0);
    EXPECT_EQ(c.hpChanges, 1);
    EXPECT_EQ(SlotHP(s.At(c.end), 0), 150 - 91); // 8 x 12 - 5
    EXPECT_EQ(IntOf(s.At(c.end), "MP"), 43);
    EXPECT_EQ(s.At(c.end).at("CameraScriptPlaying"), "0"); // it ends with its flight
    EXPECT_GT(c.back, c.end);

    const Image shot = ReadPNG(s.Shot(peak));
    EXPECT_GT(FindPixels(shot, 0, 150, 1024, 600, Flame).count, 5000);
}

TEST(EffectScenes, KintosRisesDropsThreeRocksAndStrikesEveryMonsterOnce) {
    int peak = -1;
    const Scene s = ProbeAndShoot(
        "effects_kintos", {"--warps", "Kintos"}, "10 press Down\n11 press Down\n", 800,
        [](const Scene& p) {
            const int start = p.Find([](const State& st) { return Playing(st, "KintosCast"); });
            return start + 80; // risen, the first rock on its way
        },
        &peak);
    ASSERT_EQ(s.run.exitCode, 0) << s.run.stderrText;
    const Cast c = FindCast(s, "KintosCast");
    ASSERT_GT(c.end, 0);
    EXPECT_EQ(c.hpChanges, 1);
    // Dexterity 6 x 20 + Attack 8 x 30, less MagicDefense 5, 3 and 5.
    EXPECT_EQ(SlotHP(s.At(c.end), 0), 150 - 355);
    EXPECT_EQ(SlotHP(s.At(c.end), 1), 100 - 357);
    EXPECT_EQ(SlotHP(s.At(c.end), 2), 200 - 355);
    EXPECT_EQ(IntOf(s.At(c.end), "MP"), 10);
    // The rocks fell while the flight stood at key index 3.
    const int hit = s.Find([](const State& st) { return IntOf(st, "ShowAllDamage") == 1; });
    EXPECT_EQ(IntOf(s.At(hit), "CameraKeyIndex"), 3);
    // Every monster falls; the victory follows.
    EXPECT_GT(s.Find([](const State& st) { return IntOf(st, "GameMode") == 5; }, c.end), 0);

    const Image shot = ReadPNG(s.Shot(peak));
    const Box body = FindPixels(shot, 0, 0, 1024, 768, KintosRed);
    EXPECT_GT(body.count, 30000);
    EXPECT_LT(body.top, 300); // standing tall over the arena
}

TEST(EffectScenes, TheFurySkillAtAFullBarLeapsStrikesOnceAndEmptiesTheBar) {
    // With the bar full the first row is the skill: OK, then OK on the target.
    int pause = -1;
    const Scene probe = RunScene("effects_fury_probe", {"--fury", "100"}, "", 760);
    pause = probe.Find(
        [](const State& st) { return Playing(st, "FuryCommand") && IntOf(st, "MoveFrame") == 17; });
    ASSERT_GT(pause, 0);
    const int blast = probe.Find([](const State& st) { return IntOf(st, "ShowDamage") == 1; }, pause) + 20;
    Scene s = probe;
    s.dir = RunScene("effects_fury", {"--fury", "100"}, "", blast, {pause + 40, blast}).dir;
    ASSERT_EQ(s.run.exitCode, 0) << s.run.stderrText;
    const Cast c = FindCast(s, "FuryCommand");
    ASSERT_GT(c.end, 0);
    EXPECT_EQ(c.hpChanges, 1);
    const int dealt = 150 - SlotHP(s.At(c.end), 0);
    EXPECT_GE(dealt, 3 * 61); // three times the blow's 61..73
    EXPECT_LE(dealt, 3 * 73);
    EXPECT_EQ(IntOf(s.At(c.end), "FuryBar"), 0);
    EXPECT_TRUE(
        StateIs(s.At(c.end), {"FuryReady=0", "HeroPosition=" + s.At(c.start - 1).at("HeroPosition")}));
    // The dash held at frame 17 for the whole camera flight.
    EXPECT_GT(s.Find([](const State& st) { return IntOf(st, "MoveFrame") != 17; }, pause) - pause, 60);
    EXPECT_GT(c.back, c.end);

    EXPECT_GT(FindPixels(ReadPNG(s.Shot(pause + 40)), 0, 0, 1024, 600, Glare).count, 2000);
    EXPECT_GT(FindPixels(ReadPNG(s.Shot(blast)), 0, 0, 1024, 600, Flame).count, 3000);
}

} // namespace
