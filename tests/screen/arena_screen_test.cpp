// A battle against an Ogre, a Bat and a Toad from the shatter through the
// victory panel, won by the Kintos summon: the intro flight, the summon's
// flight and the victory turn all look round the arena. A shot every 20
// frames must never show the battle's clear colour: the arena is closed.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 1000;
constexpr int kShotEvery = 20;
constexpr int kFirstShot = 5; // the shatter's first frame

// The clear colour of a battle frame, (0.2, 0.5, 1.0), as the shots hold it.
bool IsClearColour(const uint8_t* p) {
    return p[0] == 51 && p[1] == 128 && p[2] == 255;
}

// The longest row of consecutive clear-colour pixels, and where it starts.
struct Run {
    int length = 0, x = 0, y = 0;
};
Run LongestClearRun(const Image& image) {
    Run best;
    for (int y = 0; y < image.height; ++y) {
        int length = 0;
        for (int x = 0; x < image.width; ++x) {
            length = IsClearColour(image.At(x, y)) ? length + 1 : 0;
            if (length > best.length) best = {length, x - length + 1, y};
        }
    }
    return best;
}

// The most frequent colour's share of the picture: a blank frame is one colour.
double CommonestShare(const Image& image) {
    std::map<uint32_t, int> counts;
    int most = 0;
    for (int y = 0; y < image.height; y += 4)
        for (int x = 0; x < image.width; x += 4) {
            const uint8_t* p = image.At(x, y);
            const int n = ++counts[(uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2]];
            if (n > most) most = n;
        }
    return static_cast<double>(most) / ((image.height + 3) / 4) / ((image.width + 3) / 4);
}

void CheckClosedArena(const std::string& name, const std::vector<std::string>& extra, int width, int height) {
    std::vector<int> shots;
    for (int f = kFirstShot; f <= kFrames; f += kShotEvery) shots.push_back(f);
    std::vector<std::string> args = {"--story", "1", "--warps", "Kintos", "--battle", "Ogre,Bat,Toad"};
    args.insert(args.end(), extra.begin(), extra.end());
    // Summon is the third row; OK opens the list, picks Kintos and the target.
    const std::string script =
        std::string(kNewGameScript) + "10 press Down\n11 press Down\n" + OkEvery(30, kFrames - 1, 20);
    const std::string config = "Resolution=" + std::to_string(width) + " " + std::to_string(height) +
                               " 32\nControls=X Z C\nVSync=0\n";
    const Fight f = RunFight(name, args, script, kFrames, kShotEvery, shots, config, width, height);
    ASSERT_EQ(f.run.exitCode, 0) << f.run.stderrText;
    ASSERT_EQ(f.At(4).at("GameMode"), "4");
    ASSERT_GT(f.Find([](const State& s) { return IntOf(s, "KintosCast") == 1; }), 0) << "Kintos never rose";
    const int panel = f.Find([](const State& s) { return IntOf(s, "RewardsReady") == 1; });
    ASSERT_GT(panel, 0) << "the victory panel never came up";

    int looked = 0;
    for (int frame : shots) {
        if (frame > panel + kShotEvery) break;
        const Image shot = ReadPNG(f.Shot(frame));
        ASSERT_EQ(shot.width, width) << "frame " << frame;
        ASSERT_EQ(shot.height, height) << "frame " << frame;
        EXPECT_LT(CommonestShare(shot), 0.5) << "frame " << frame << " is nearly one colour";
        const Run run = LongestClearRun(shot);
        EXPECT_LT(run.length, 8) << "frame " << frame << ": " << run.length
                                 << " pixels of the clear colour from (" << run.x << ", " << run.y << ")";
        ++looked;
    }
    // Shatter, intro, summon and victory: the whole battle was looked at.
    EXPECT_GT(looked, 25);
}

TEST(ClosedArena, TheDungeonHallAtFullHdShowsNoClearColour) {
    CheckClosedArena("arena_hall_1080", {}, 1920, 1080);
}

TEST(ClosedArena, TheOpenArenaAt4By3ShowsNoClearColour) {
    CheckClosedArena("arena_open_768", {"--level", "2"}, 1024, 768);
}

} // namespace
