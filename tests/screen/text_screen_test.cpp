#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

namespace {

bool Blue(int r, int g, int b) {
    return b > 150 && r < 110 && g < 110;
}

// The load page prints "Load" in Times New Roman and the slot cursor "*" in
// Arial, both in blue, over the panels.
void CheckLoadPage(int width, int height) {
    const std::string dir = PrepareGameDir("text_" + std::to_string(width), false,
                                           "Resolution=" + std::to_string(width) + " " +
                                               std::to_string(height) + " 32\nControls=X Z C\n");
    const GameRun run = RunGameIn(dir, {"--fixed-step", "--shot", "4:load.png", "--quit-after", "5"},
                                  "2 press X\n", width, height);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const Image shot = ReadPNG(dir + "/load.png");
    ASSERT_EQ(shot.width, width);
    const int cell = width / 32;

    // "Load" at (W / 1.24, H / 25.6): starts at column x - 1 or just right of it
    // (the glyph's bearing), and sits on the baseline row W / 32 + y.
    const int x = static_cast<int>(width / 1.24), y = static_cast<int>(height / 25.6);
    const Box load = FindPixels(shot, x - 20, 0, width, y + 2 * cell, Blue);
    ASSERT_FALSE(load.Empty());
    EXPECT_GE(load.left, x - 1);
    EXPECT_LE(load.left, x + 3);
    EXPECT_EQ(load.bottom, cell + y);
    EXPECT_GT(load.bottom - load.top, cell / 2); // a capital is most of the cell high

    // "*" in the Arial font at (W / 5.12, H / 4.26): the double-height font keeps the same baseline rule.
    const int sx = static_cast<int>(width / 5.12), sy = static_cast<int>(height / 4.26);
    const Box star = FindPixels(shot, sx - 20, sy - 2 * cell, sx + 2 * cell, sy + 2 * cell, Blue);
    ASSERT_FALSE(star.Empty());
    EXPECT_GE(star.left, sx - 1);
    EXPECT_LE(star.left, sx + 6);
    EXPECT_LT(star.bottom, cell + sy); // an asterisk floats above the baseline
    EXPECT_GT(star.top, cell + sy - 2 * cell);
    EXPECT_GT(star.right - star.left, cell / 4); // twice the Times size
}

TEST(Text, LandsWhereThePrinterPutsItAt1024x768) {
    CheckLoadPage(1024, 768);
}

TEST(Text, LandsWhereThePrinterPutsItAt800x600) {
    CheckLoadPage(800, 600);
}

} // namespace
