// A new player sees the hints that name the controls in hand, Hints=0 hides
// them and nothing else, and a pad pressed last is named by its buttons.
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// The hints' gold, printed unlit: (255, 214, 115).
bool IsHintGold(int r, int g, int b) {
    return r > 245 && g > 200 && g < 228 && b > 100 && b < 130;
}

// Where each hint lies at 1024 x 768: the title's lower right, the dialogue box's speaker row
// right of the speaker, the battle's lower right below the gauges.
struct Region {
    int x0, y0, x1, y1;
};
constexpr Region kTitleHint{640, 690, 1024, 768};
constexpr Region kMarker{600, 590, 800, 625};
constexpr Region kBattleHint{660, 645, 1024, 768};

Box Gold(const Image& shot, const Region& r) {
    return FindPixels(shot, r.x0, r.y0, r.x1, r.y1, IsHintGold);
}

bool Inside(int x, int y, const Region& r) {
    return x >= r.x0 && x < r.x1 && y >= r.y0 && y < r.y1;
}

TEST(Hints, ANewGameShowsThemAndHintsZeroHidesThemAndNothingElse) {
    const std::string script = "2 press Up\n3 press X\n";
    const std::vector<std::string> args = {"--fixed-step", "--shot",       "2:title.png", "--shot",
                                           "200:page.png", "--quit-after", "201"};
    const std::string on = PrepareGameDir("hints_on", true);
    const std::string off =
        PrepareGameDir("hints_off", true, "Resolution=1024 768 32\nControls=X Z C\nVSync=0\nHints=0\n");
    ASSERT_EQ(RunGameIn(on, args, script).exitCode, 0);
    ASSERT_EQ(RunGameIn(off, args, script).exitCode, 0);
    for (const auto& [name, region] : {std::pair{"title", kTitleHint}, std::pair{"page", kMarker}}) {
        const Image shown = ReadPNG(on + "/" + name + ".png"), hidden = ReadPNG(off + "/" + name + ".png");
        ASSERT_EQ(shown.width, 1024) << name;
        ASSERT_EQ(hidden.width, 1024) << name;
        EXPECT_GT(Gold(shown, region).count, 100) << name;
        EXPECT_EQ(Gold(hidden, region).count, 0) << name;
        // Every pixel outside the hint's corner is the same with and without it.
        int elsewhere = 0;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                if (!Inside(x, y, region) && std::memcmp(shown.At(x, y), hidden.At(x, y), 3) != 0)
                    ++elsewhere;
        EXPECT_EQ(elsewhere, 0) << name;
    }
}

TEST(Hints, APadPressedLastIsNamedByItsButtonsInTheBattle) {
    // The keyboard's "X: OK" is 85 columns wide; the pad's "South: OK" 136.
    auto hintWidth = [](const std::string& name, const std::string& script) {
        const std::string dir = PrepareGameDir(name, true);
        const GameRun run = RunGameIn(dir,
                                      {"--fixed-step", "--story", "1", "--battle", "Ogre", "--shot",
                                       "334:menu.png", "--quit-after", "335"},
                                      script);
        EXPECT_EQ(run.exitCode, 0) << run.stderrText;
        const Box hint = Gold(ReadPNG(dir + "/menu.png"), kBattleHint);
        EXPECT_GT(hint.count, 50) << name;
        return hint.right - hint.left;
    };
    const int keys = hintWidth("hints_battle_keys", "2 press Up\n3 press X\n");
    const int pad = hintWidth("hints_battle_pad", "1 pad plug\n2 pad press up\n3 pad press south\n");
    EXPECT_LT(keys, 100);
    EXPECT_GT(pad, 120);
}

} // namespace
