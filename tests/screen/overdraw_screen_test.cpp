#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Overdraw {
    bool found = false;
    double mean = 0;
    unsigned max = 0;
    unsigned frames = 0;
};

Overdraw ReadOverdraw(const std::string& out) {
    Overdraw result;
    const size_t at = out.find("overdraw: mean ");
    if (at != std::string::npos)
        result.found = std::sscanf(out.c_str() + at, "overdraw: mean %lf max %u over %u frames", &result.mean,
                                   &result.max, &result.frames) == 3;
    return result;
}

GameRun RunIn(const std::string& name, std::vector<std::string> args, const std::string& script = "") {
    const GameRun run = RunGameIn(PrepareGameDir(name, true), args, script);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    return run;
}

TEST(Overdraw, OneQuadCountsOncePerPixelAndALevelMore) {
    const Overdraw fill = ReadOverdraw(
        RunIn("overdraw_fill", {"--fixed-step", "--overdraw", "--fill-frame", "--quit-after", "6"})
            .stdoutText);
    ASSERT_TRUE(fill.found);
    EXPECT_EQ(fill.mean, 1.0);
    EXPECT_EQ(fill.max, 1u);
    EXPECT_EQ(fill.frames, 5u); // every frame after the boot's

    // Vorudu from its arrival: houses stand on the ground, so some pixels take
    // several fragments; counting draws nothing different.
    const std::vector<std::string> level = {"--fixed-step", "--story",      "6", "--level", "0", "--shot",
                                            "8:a.png",      "--quit-after", "8"};
    std::vector<std::string> counted = level;
    counted.push_back("--overdraw");
    const GameRun plain = RunIn("overdraw_plain", level, kNewGameScript);
    const GameRun run = RunIn("overdraw_level", counted, kNewGameScript);
    const Overdraw field = ReadOverdraw(run.stdoutText);
    ASSERT_TRUE(field.found) << run.stdoutText;
    EXPECT_EQ(field.frames, 5u); // field frames only: 4 to 8
    EXPECT_GT(field.mean, 1.0);
    EXPECT_GE(field.max, 2u);
    EXPECT_LE(field.mean, field.max);

    const Image a = ReadPNG(plain.dir + "/a.png"), b = ReadPNG(run.dir + "/a.png");
    ASSERT_EQ(a.width, 1024);
    EXPECT_TRUE(a.rgba == b.rgba);
}

} // namespace
