// The 3D drawn at a smaller scale: blurrier, with the text over it untouched,
// and the automatic scale reported in the state snapshot.
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kConfig = "Resolution=1024 768 32\nControls=X Z C\nVSync=0\n";

// The chest's find is on screen at frame 129, over the dungeon's walls.
Image ChestFindShot(const std::string& name, const std::string& scaleLine) {
    const std::string dir = PrepareGameDir(name, true, kConfig + scaleLine);
    const std::string script = std::string(kNewGameScript) + "4 hold Right 23\n30 hold Up 62\n95 press X\n";
    const GameRun run = RunGameIn(
        dir, {"--fixed-step", "--story", "1", "--shot", "129:found.png", "--quit-after", "130"}, script);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    return ReadPNG(dir + "/found.png");
}

// Sum of the differences between neighbours across a region: fine detail.
long Detail(const Image& image, int x0, int y0, int x1, int y1) {
    long sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x + 1 < x1; ++x)
            for (int c = 0; c < 3; ++c) sum += std::abs(image.At(x, y)[c] - image.At(x + 1, y)[c]);
    return sum;
}

TEST(RenderScale, HalfScaleBlursTheWallsButNotTheText) {
    const Image full = ChestFindShot("scale_full", "");
    const Image half = ChestFindShot("scale_half", "RenderScale=0.5\n");
    ASSERT_EQ(full.width, 1024);
    ASSERT_EQ(half.width, 1024);

    // The walls above the panel: the same view, with less fine detail.
    const long fullDetail = Detail(full, 0, 0, 1024, 560);
    const long halfDetail = Detail(half, 0, 0, 1024, 560);
    EXPECT_GT(halfDetail, fullDetail / 3);
    EXPECT_LT(halfDetail, fullDetail * 9 / 10); // about 0.82 here: the walls are close

    // Every white pixel of the find's text is there, the same, and no others.
    const Box text = FindPixels(full, 25, 600, 795, 755, IsWhite);
    ASSERT_GT(text.count, 300);
    EXPECT_EQ(FindPixels(half, 25, 600, 795, 755, IsWhite).count, text.count);
    int differing = 0;
    for (int y = text.top; y <= text.bottom; ++y)
        for (int x = text.left; x <= text.right; ++x)
            if (IsWhite(full.At(x, y)[0], full.At(x, y)[1], full.At(x, y)[2]))
                for (int c = 0; c < 3; ++c) differing += full.At(x, y)[c] != half.At(x, y)[c];
    EXPECT_EQ(differing, 0);
}

// The damage number is placed by the whole picture's projection, even though
// a smaller scene prints it after the combatants, once its 3D is stretched;
// the combatants are in that smaller scene too, not drawn sharp over it.
// Only the number's light copy is pure white: the Ogre's horns are nearly
// white at full size, and blurred at half.
TEST(RenderScale, DamageNumbersLandWhereTheyDoAtFullSize) {
    std::string script = kNewGameScript;
    for (int f = 5; f < 360; f += 2) script += std::to_string(f) + " press X\n";
    Box boxes[2];
    long ogreDetail[2];
    const char* const lines[2] = {"", "RenderScale=0.5\n"};
    for (int i = 0; i < 2; ++i) {
        const std::string dir =
            PrepareGameDir(i ? "scale_blow_half" : "scale_blow_full", true, kConfig + lines[i]);
        const GameRun run = RunGameIn(dir,
                                      {"--fixed-step", "--story", "1", "--battle", "Ogre", "--shot",
                                       "356:blow.png", "--state", "356:blow.txt", "--quit-after", "357"},
                                      script);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        ASSERT_EQ(ReadState(dir + "/blow.txt")["ShowDamage"], "1");
        const Image shot = ReadPNG(dir + "/blow.png");
        boxes[i] = FindPixels(shot, 0, 0, 1024, 560,
                              [](int r, int g, int b) { return r == 255 && g == 255 && b == 255; });
        ogreDetail[i] = Detail(shot, 640, 270, 730, 450);
    }
    // About 0.7 drawn small; 0.94 with the Ogre drawn at full size over the stretched arena.
    EXPECT_LT(ogreDetail[1], ogreDetail[0] * 85 / 100);
    ASSERT_GT(boxes[0].count, 100);
    EXPECT_EQ(boxes[1].left, boxes[0].left);
    EXPECT_EQ(boxes[1].top, boxes[0].top);
    EXPECT_EQ(boxes[1].right, boxes[0].right);
    EXPECT_EQ(boxes[1].bottom, boxes[0].bottom);
}

// Whatever the machine's speed, auto draws at one of its steps and says which.
TEST(RenderScale, AutoReportsTheScaleItDrawsAt) {
    const std::string dir = PrepareGameDir("scale_auto", true, kConfig + "RenderScale=auto\n");
    const GameRun run =
        RunGameIn(dir, {"--fixed-step", "--level", "3", "--state", "2:start.txt", "--state",
                        "150:settled.txt", "--shot", "150:forest.png", "--quit-after", "151"});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(ReadState(dir + "/start.txt")["RenderScale"], "1");
    const std::string settled = ReadState(dir + "/settled.txt")["RenderScale"];
    EXPECT_TRUE(settled == "1" || settled == "0.75" || settled == "0.5" || settled == "0.35") << settled;
    EXPECT_EQ(ReadPNG(dir + "/forest.png").width, 1024);
}

} // namespace
