#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Views from a level's arrival point: a full turn in eighths, looking up and
// down on the way, so that objects cross every edge of the screen.
constexpr int kFirstShot = 8;
constexpr int kShots = 10;

std::string LookAround() {
    std::string script = kNewGameScript;
    const int turns[kShots] = {0, 785, 785, 785, 785, 392, 785, 785, 785, 392};
    const int tilts[kShots] = {0, 0, -120, 0, 120, 0, 60, -60, 0, 0};
    for (int i = 1; i < kShots; ++i)
        script += std::to_string(kFirstShot + 2 * i - 1) + " move " + std::to_string(turns[i]) + " " +
                  std::to_string(tilts[i]) + "\n";
    return script;
}

std::vector<Image> ShotsOf(int level, bool shortcuts) {
    const std::string name = "cull_" + std::to_string(level) + (shortcuts ? "_on" : "_off");
    const std::string dir = PrepareGameDir(name, true);
    std::vector<std::string> args = {"--fixed-step", "--story", "6", "--level", std::to_string(level)};
    if (!shortcuts) args.push_back("--plain-draw");
    for (int i = 0; i < kShots; ++i) {
        args.push_back("--shot");
        args.push_back(std::to_string(kFirstShot + 2 * i) + ":" + std::to_string(i) + ".png");
    }
    args.push_back("--quit-after");
    args.push_back(std::to_string(kFirstShot + 2 * kShots));
    const GameRun run = RunGameIn(dir, args, LookAround());
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    std::vector<Image> shots;
    for (int i = 0; i < kShots; ++i) shots.push_back(ReadPNG(dir + "/" + std::to_string(i) + ".png"));
    return shots;
}

TEST(Cull, EveryLevelLooksTheSameDrawnPlainly) {
    for (int level = 0; level < 7; ++level) {
        const std::vector<Image> quick = ShotsOf(level, true);
        const std::vector<Image> full = ShotsOf(level, false);
        size_t lit = 0;
        for (int i = 0; i < kShots; ++i) {
            const Image& a = quick[static_cast<size_t>(i)];
            const Image& b = full[static_cast<size_t>(i)];
            ASSERT_EQ(a.width, 1024) << "level " << level << " shot " << i;
            ASSERT_EQ(b.width, 1024) << "level " << level << " shot " << i;
            size_t differing = 0;
            for (size_t p = 0; p < a.rgba.size(); p += 4) {
                if (a.rgba[p] != b.rgba[p] || a.rgba[p + 1] != b.rgba[p + 1] ||
                    a.rgba[p + 2] != b.rgba[p + 2])
                    ++differing;
                if (a.rgba[p] + a.rgba[p + 1] + a.rgba[p + 2] > 30) ++lit;
            }
            EXPECT_EQ(differing, 0u) << "level " << level << " shot " << i;
        }
        // Equal black screens would prove nothing.
        EXPECT_GT(lit, kShots * quick[0].rgba.size() / 4 / 5) << "level " << level;
    }
}

} // namespace
