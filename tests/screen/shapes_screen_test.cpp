// The game on screens of every shape: 16:9, 16:10, 21:9 and 5:4 full screens,
// a window resized and switched to full screen and back in the middle of a
// dialogue and of a battle, and display sizes no machine can give. Every 2D
// layout must sit in the centred 4:3 area the snapshot reports, and nothing
// may show the clear colour in a bare column.
#include "tests/screen/battle_runs.h"
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Area {
    int left = 0, top = 0, width = 0, height = 0;
};

Area AreaOf(const State& state, const char* name) {
    Area a;
    const auto found = state.find(name);
    if (found != state.end())
        std::sscanf(found->second.c_str(), "%d %d %d %d", &a.left, &a.top, &a.width, &a.height);
    return a;
}

// Window pixels of a layout rectangle given in layout pixels.
struct Rect {
    double left, top, right, bottom;
};
Rect InWindow(const Area& a, double left, double top, double right, double bottom) {
    return {a.left + left, a.top + top, a.left + right, a.top + bottom};
}

std::string Config(int width, int height, const std::string& extra = "") {
    return "Resolution=" + std::to_string(width) + " " + std::to_string(height) +
           " 32\nControls=X Z C\nVSync=0\n" + extra;
}

void ShotAndState(std::vector<std::string>& args, int frame, const std::string& name) {
    args.insert(args.end(), {"--shot", std::to_string(frame) + ":" + name + ".png", "--state",
                             std::to_string(frame) + ":" + name + ".txt"});
}

// The first and last pixel of the longest run of panel blue along a row or a
// column, from `from` to `to`; the hero's tunic or a blue sky never makes a
// longer run than a panel does.
struct Run {
    int first = -1, last = -1;
};
Run LongestBlueRun(const Image& image, bool row, int at, int from, int to) {
    Run best, current;
    for (int i = from; i <= to; ++i) {
        const int x = row ? i : at, y = row ? at : i;
        bool blue = false;
        if (x >= 0 && y >= 0 && x < image.width && y < image.height) {
            const uint8_t* p = image.At(x, y);
            blue = IsPanelBlue(p[0], p[1], p[2]);
        }
        if (blue) {
            if (current.first < 0) current.first = i;
            current.last = i;
            if (best.first < 0 || current.last - current.first > best.last - best.first) best = current;
        } else {
            current = Run();
        }
    }
    return best;
}

// The blue run spans from `lo` to `hi`, give or take the gold rim inside them.
void ExpectSpan(const Run& run, double lo, double hi, int rim, const std::string& what) {
    EXPECT_GE(run.first, lo - 2) << what;
    EXPECT_LE(run.first, lo + rim) << what;
    EXPECT_LE(run.last, hi + 2) << what;
    EXPECT_GE(run.last, hi - rim) << what;
}

// A panel's blue inside its gold rim fills the rectangle, rim aside, across its
// lower part, under the text, and down a column `column` of the way across,
// clear of cursors and text.
void ExpectPanelAt(const Image& image, const Rect& r, const std::string& what, double column = 0.94) {
    ASSERT_GT(image.width, 0) << what;
    const int lowY = static_cast<int>(r.top + (r.bottom - r.top) * 0.88);
    ExpectSpan(
        LongestBlueRun(image, true, lowY, static_cast<int>(r.left) - 60, static_cast<int>(r.right) + 60),
        r.left, r.right, static_cast<int>((r.right - r.left) * 0.04) + 4, what + ", across");
    const int x = static_cast<int>(r.left + (r.right - r.left) * column);
    ExpectSpan(LongestBlueRun(image, false, x, static_cast<int>(r.top) - 40, static_cast<int>(r.bottom) + 40),
               r.top, r.bottom, static_cast<int>((r.bottom - r.top) * 0.12) + 4, what + ", down");
}

// Printed text shows on the panel and keeps off its rim: a text running past
// a side would cross it.
void ExpectTextOn(const Image& image, const Rect& r, int atLeast, const std::string& what,
                  bool rightSide = true) {
    const Box text = FindPixels(image, static_cast<int>(r.left), static_cast<int>(r.top) + 2,
                                static_cast<int>(r.right), static_cast<int>(r.bottom) - 2, IsWhite);
    EXPECT_GT(text.count, atLeast) << what;
    const double rim = (r.right - r.left) * 0.02 + 2;
    EXPECT_GT(text.left, r.left + rim) << what;
    if (rightSide) {
        EXPECT_LT(text.right, r.right - rim) << what;
    }
}

// The title's clear colour.
bool ClearBlue(int r, int g, int b) {
    return std::abs(r - 51) < 14 && std::abs(g - 128) < 14 && b > 235;
}

// The longest run of the title's clear colour down any column, and that column.
int LongestClearColumn(const Image& image, int* column) {
    int longest = 0;
    for (int x = 0; x < image.width; ++x) {
        int run = 0;
        for (int y = 0; y < image.height; ++y) {
            const uint8_t* p = image.At(x, y);
            run = ClearBlue(p[0], p[1], p[2]) ? run + 1 : 0;
            if (run > longest) {
                longest = run;
                *column = x;
            }
        }
    }
    return longest;
}

void ExpectNoClearColumn(const Image& image, const std::string& what) {
    ASSERT_GT(image.width, 0) << what;
    int column = -1;
    EXPECT_LT(LongestClearColumn(image, &column), 12) << what << ": the clear colour down column " << column;
}

// The in-game menu's panels keep to the area; its backdrop fills the rest.
void ExpectMenuInArea(const Image& image, const Area& a, const std::string& what) {
    ExpectNoClearColumn(image, what);
    const Box panels = FindPixels(image, 0, 0, image.width, image.height, IsPanelBlue);
    ASSERT_FALSE(panels.Empty()) << what;
    EXPECT_GE(panels.left, a.left) << what;
    EXPECT_LE(panels.right, a.left + a.width) << what;
    EXPECT_GT(panels.right - panels.left, a.width * 9 / 10) << what;
    EXPECT_GT(panels.bottom - panels.top, a.height * 9 / 10) << what;
    // The page's title in its header panel, in the area's upper right.
    EXPECT_GT(FindPixels(image, a.left + a.width * 4 / 5, a.top + a.height / 30, a.left + a.width * 39 / 40,
                         a.top + a.height / 10, IsWhite)
                  .count,
              40)
        << what;
}

// A dialogue box: trunc-free fractions of the area, as the box draws itself.
Rect DialoguePanel(const Area& a) {
    const double w = a.width, h = a.height;
    return InWindow(a, w / 51.2, h - h / 4.31, w / 1.28, h - h / 76.8);
}
Rect MessagePanel(const Area& a, int slide) {
    const double w = a.width, h = a.height;
    return InWindow(a, w * 0.25, h / 15.36 + slide, w / 1.33, h / 5.12 + slide);
}

int Trunc(int size, double c) {
    return static_cast<int>(size / c);
}

// Title, its slot list, a walk back into Vorudu's way to the dungeon (the exit's
// box and the hero's refusal in the dialogue box), then the in-game menu's
// Status and Save pages.
struct FieldTour {
    std::string dir;
    GameRun run;
};
constexpr int kTitle = 2, kSlotList = 4, kExitBox = 54, kRefusal = 58, kStatus = 192, kSave = 330;

FieldTour RunFieldTour(int width, int height) {
    FieldTour t;
    // The panels are measured down columns the dialogue box's OK marker would cross.
    t.dir = PrepareGameDir("shapes_field_" + std::to_string(width) + "x" + std::to_string(height), true,
                           Config(width, height, "Hints=0\n"));
    // Load Game is the title's first choice; back, then New Game, which lands in Vorudu.
    std::string script = "2 press X\n5 press Z\n6 press Up\n7 press X\n9 hold Down 15\n";
    script += "56 press X\n62 press X\n66 press C\n";
    for (int f = 67; f <= 71; ++f) script += std::to_string(f) + " press Down\n"; // Status
    script += "124 press X\n193 press Z\n260 press Down\n261 press X\n";
    std::vector<std::string> args = {"--fixed-step", "--story", "1", "--level", "0"};
    WalkPastBattles(args);
    ShotAndState(args, kTitle, "title");
    ShotAndState(args, kSlotList, "slots");
    ShotAndState(args, kExitBox, "exit");
    ShotAndState(args, kRefusal, "refusal");
    ShotAndState(args, kStatus, "status");
    ShotAndState(args, kSave, "save");
    args.insert(args.end(), {"--quit-after", std::to_string(kSave + 1)});
    t.run = RunGameIn(t.dir, args, script, width, height);
    return t;
}

void CheckFieldTour(int width, int height) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const FieldTour t = RunFieldTour(width, height);
    ASSERT_EQ(t.run.exitCode, 0) << t.run.stderrText;
    const auto state = [&](const char* name) { return ReadState(t.dir + "/" + name + ".txt"); };
    const auto shot = [&](const char* name) { return ReadPNG(t.dir + "/" + name + ".png"); };

    const State title = state("title");
    ASSERT_EQ(title.at("WindowSize"), std::to_string(width) + " " + std::to_string(height));
    const Area a = AreaOf(title, "LayoutArea");
    // The largest centred 4:3 rectangle.
    EXPECT_EQ(std::min(a.width * 3, a.height * 4), a.width * 3);
    EXPECT_TRUE(a.width == width || a.height == height);
    EXPECT_EQ(a.left, (width - a.width) / 2);
    EXPECT_EQ(a.top, (height - a.height) / 2);
    EXPECT_EQ(title.at("PictureArea"), "0 0 " + std::to_string(width) + " " + std::to_string(height));

    const Image titleShot = shot("title");
    ASSERT_EQ(titleShot.width, width);
    ASSERT_EQ(titleShot.height, height);
    ExpectNoClearColumn(titleShot, "title");
    // Its sky reaches both edges of the window: no black side bands either.
    const auto lit = [](int r, int g, int b) { return r + g + b > 24; };
    EXPECT_GT(FindPixels(titleShot, 0, 0, 4, height / 2, lit).count, height / 4) << "left edge";
    EXPECT_GT(FindPixels(titleShot, width - 4, 0, width, height / 2, lit).count, height / 4) << "right edge";

    // The slot list: its panels and "Free Slot" rows inside the area.
    EXPECT_EQ(state("slots")["TitlePage"], "1");
    const Image slots = shot("slots");
    ExpectNoClearColumn(slots, "slot list");
    const auto slotText = [](int r, int g, int b) { return b > 150 && r < 60 && g < 60; };
    const Box rows = FindPixels(slots, 0, 0, width, height, slotText);
    EXPECT_GT(rows.count, 500);
    EXPECT_GT(rows.left, a.left);
    EXPECT_LT(rows.right, a.left + a.width);
    // Across the third slot's panel: the sky beside it is as dark a blue, but the gold rim parts them.
    const Run slot = LongestBlueRun(slots, true, a.top + a.height * 6 / 10, 0, width - 1);
    EXPECT_GE(slot.first, a.left);
    EXPECT_LE(slot.last, a.left + a.width);
    EXPECT_GT(slot.last - slot.first, a.width * 8 / 10);

    // The exit's box at the top and then the hero's line at the bottom.
    const State exit = state("exit");
    EXPECT_TRUE(StateIs(exit, {"GameMode=2", "CurrentLevel=0", "DialogueOpen=0"}));
    const int slide = IntOf(exit, "DialogueSlide");
    ASSERT_GE(slide, 0) << "the exit's box never came down";
    const Image exitShot = shot("exit");
    const Rect box = MessagePanel(a, slide);
    ExpectPanelAt(exitShot, box, "exit box");
    ExpectTextOn(exitShot, box, 50, "exit box");

    const State refusal = state("refusal");
    EXPECT_TRUE(
        StateIs(refusal, {"DialogueOpen=1", "DialogueBuffer1=I think I`ve been missing something..."}));
    const Image refusalShot = shot("refusal");
    const Rect dialogue = DialoguePanel(a);
    ExpectPanelAt(refusalShot, dialogue, "dialogue box");
    ExpectTextOn(refusalShot, dialogue, 300, "dialogue box");
    // The line starts at a twentieth of the area's width.
    const Box line = FindPixels(refusalShot, static_cast<int>(dialogue.left), static_cast<int>(dialogue.top),
                                static_cast<int>(dialogue.right), static_cast<int>(dialogue.bottom), IsWhite);
    EXPECT_NEAR(line.left, a.left + a.width / 20, 6);

    const State status = state("status");
    EXPECT_TRUE(StateIs(status, {"GameMode=3", "MenuState=5"}));
    ExpectMenuInArea(shot("status"), a, "status page");
    const State save = state("save");
    EXPECT_EQ(save.at("MenuState"), "6");
    const Image saveShot = shot("save");
    ExpectMenuInArea(saveShot, a, "save page");
    // Its five free slots in blue, inside the area.
    const Box saveRows = FindPixels(saveShot, 0, 0, width, height, slotText);
    EXPECT_GT(saveRows.count, 500);
    EXPECT_GT(saveRows.left, a.left);
    EXPECT_LT(saveRows.right, a.left + a.width);
}

// The command menu's panel with its target list, and the victory panel. The
// fury skill fells the Ogre at one blow, so the fight is short.
constexpr int kTargets = 370, kVictory = 789;

std::string BattleScript(int until) {
    return std::string(kNewGameScript) + OkEvery(30, until, 40);
}

void ExpectBattleMenu(const Image& image, const State& s, const std::string& what) {
    ASSERT_EQ(s.at("GameMode"), "4") << what;
    ASSERT_EQ(s.at("MenuOpen"), "1") << what;
    ASSERT_EQ(s.at("TargetSelect"), "1") << what;
    ASSERT_EQ(s.at("MenuSlide"), "0") << what;
    const Area a = AreaOf(s, "LayoutArea");
    const int w = a.width, h = a.height;
    const Rect command = InWindow(a, Trunc(w, 5.12), Trunc(h, 1.28), Trunc(w, 2.56), Trunc(h, 1.01));
    const Rect targets = InWindow(a, Trunc(w, 2.27), Trunc(h, 1.2), Trunc(w, 1.57), Trunc(h, 1.01));
    ExpectPanelAt(image, command, what + ": command panel", 0.05);
    ExpectPanelAt(image, targets, what + ": target panel");
    // The fury skill's name ("Angel Crush") runs over the panel's right rim at
    // every size, 4:3 included: a name for the data to shorten.
    ExpectTextOn(image, command, 30, what + ": command panel", s.at("FuryReady") != "1");
    ExpectTextOn(image, targets, 20, what + ": target panel");
}

void CheckBattle(int width, int height) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const std::string dir = PrepareGameDir(
        "shapes_battle_" + std::to_string(width) + "x" + std::to_string(height), true, Config(width, height));
    std::vector<std::string> args = {"--fixed-step", "--story", "1", "--battle", "Ogre", "--fury", "100"};
    ShotAndState(args, kTargets, "targets");
    ShotAndState(args, kVictory, "victory");
    args.insert(args.end(), {"--quit-after", std::to_string(kVictory + 1)});
    const GameRun run = RunGameIn(dir, args, BattleScript(kVictory), width, height);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    ExpectBattleMenu(ReadPNG(dir + "/targets.png"), ReadState(dir + "/targets.txt"), "battle menu");

    const State won = ReadState(dir + "/victory.txt");
    ASSERT_TRUE(StateIs(won, {"GameMode=5", "RewardsReady=1"}));
    const int dy = IntOf(won, "VictoryPanelY");
    const Area a = AreaOf(won, "LayoutArea");
    const int w = a.width, h = a.height;
    const Rect panel = InWindow(a, Trunc(w, 10.24), Trunc(h, 7.68) + dy, Trunc(w, 1.13), Trunc(h, 1.09) + dy);
    const Image shot = ReadPNG(dir + "/victory.png");
    ExpectPanelAt(shot, panel, "victory panel");
    ExpectTextOn(shot, panel, 300, "victory panel");
}

// Five shapes. The widest plays a battle as well: the battle's layout code is
// the same at every shape, its 3D frames cost the most, and 16:9 at 1080 has
// the same 1440 x 1080 area, whose battle menu the resize test checks.
TEST(Shapes, SixteenByNine1920) {
    CheckFieldTour(1920, 1080);
}

TEST(Shapes, TwentyOneByNine2560) {
    CheckFieldTour(2560, 1080);
    CheckBattle(2560, 1080);
}

TEST(Shapes, SixteenByNine1280) {
    CheckFieldTour(1280, 720);
}

TEST(Shapes, SixteenByTen1680) {
    CheckFieldTour(1680, 1050);
}

TEST(Shapes, FiveByFour1280) {
    CheckFieldTour(1280, 1024);
}

// The window changes under a running dialogue and a running battle: a 1024 x
// 768 window on a 1920 x 1080 screen, resized to 1280 x 720, then Alt+Enter
// to the desktop's full screen and back to a window.
struct SizeChanges {
    std::string dir;
    GameRun run;
    State before, resized, full, windowed;
    Image resizedShot, fullShot, windowedShot;
};

SizeChanges RunSizeChanges(const std::string& name, std::vector<std::string> args, std::string script,
                           int at) {
    SizeChanges c;
    // Without the hints: the panels are measured down columns the dialogue box's OK marker would cross.
    c.dir = PrepareGameDir(name, true, Config(1024, 768, "Hints=0\n"));
    script += std::to_string(at) + " resize 1280 720\n" + std::to_string(at + 3) + " altenter\n" +
              std::to_string(at + 7) + " altenter\n";
    args.insert(args.begin(), {"--fixed-step", "--windowed", "--story", "1"});
    ShotAndState(args, at, "before");
    ShotAndState(args, at + 2, "resized");
    ShotAndState(args, at + 6, "full");
    ShotAndState(args, at + 10, "windowed");
    args.insert(args.end(), {"--quit-after", std::to_string(at + 11)});
    c.run = RunGameIn(c.dir, args, script, 1920, 1080);
    c.before = ReadState(c.dir + "/before.txt");
    c.resized = ReadState(c.dir + "/resized.txt");
    c.full = ReadState(c.dir + "/full.txt");
    c.windowed = ReadState(c.dir + "/windowed.txt");
    c.resizedShot = ReadPNG(c.dir + "/resized.png");
    c.fullShot = ReadPNG(c.dir + "/full.png");
    c.windowedShot = ReadPNG(c.dir + "/windowed.png");
    return c;
}

void ExpectSizes(const SizeChanges& c) {
    EXPECT_EQ(c.run.exitCode, 0) << c.run.stderrText;
    EXPECT_TRUE(StateIs(c.before, {"WindowSize=1024 768", "LayoutArea=0 0 1024 768"}));
    EXPECT_TRUE(StateIs(c.resized, {"WindowSize=1280 720", "LayoutArea=160 0 960 720"}));
    EXPECT_EQ(c.resizedShot.width, 1280);
    EXPECT_TRUE(StateIs(c.full, {"WindowSize=1920 1080", "LayoutArea=240 0 1440 1080"}));
    EXPECT_EQ(c.fullShot.width, 1920);
    // The whole screen is drawn, its top right corner included.
    const auto lit = [](int r, int g, int b) { return r + g + b > 24 && !IsWhite(r, g, b); };
    EXPECT_GT(FindPixels(c.fullShot, 1300, 0, 1920, 300, lit).count, 620 * 300 * 9 / 10);
    // Back in a window, smaller than the screen it was filling.
    int w = 0, h = 0;
    std::sscanf(c.windowed.at("WindowSize").c_str(), "%d %d", &w, &h);
    EXPECT_GT(w, 0);
    EXPECT_LT(w, 1920);
    EXPECT_LT(h, 1080);
    EXPECT_EQ(c.windowedShot.width, w);
    for (const State* s : {&c.resized, &c.full, &c.windowed}) {
        EXPECT_EQ(s->at("GameMode"), c.before.at("GameMode"));
        EXPECT_EQ(s->at("ScreenWidth"), "1024"); // the request in Game.cfg stays as it was
        // A new size is no mouse movement: the hero and the camera stay as they were.
        EXPECT_TRUE(StateIs(*s, {"HeroRotation=" + c.before.at("HeroRotation"),
                                 "CameraPosition=" + c.before.at("CameraPosition")}));
    }
}

TEST(Shapes, TheWindowChangesSizeInADialogueAndInABattle) {
    {
        SCOPED_TRACE("dialogue");
        const SizeChanges c =
            RunSizeChanges("shapes_resize_dialogue", {"--level", "0"},
                           std::string(kNewGameScript) + "5 hold Down 15\n50 press X\n", 53);
        ExpectSizes(c);
        for (const State* s : {&c.before, &c.resized, &c.full, &c.windowed}) {
            EXPECT_TRUE(
                StateIs(*s, {"DialogueOpen=1", "DialogueBuffer1=I think I`ve been missing something...",
                             "HeroPosition=" + c.before.at("HeroPosition")}));
        }
        // The box slid in at 768 stays in place at every size.
        EXPECT_EQ(c.full.at("DialogueSlide"), "0");
        const Area resized = AreaOf(c.resized, "LayoutArea");
        ExpectPanelAt(c.resizedShot, DialoguePanel(resized), "dialogue box at 1280x720");
        ExpectTextOn(c.resizedShot, DialoguePanel(resized), 200, "dialogue box at 1280x720");
        ExpectPanelAt(c.resizedShot, MessagePanel(resized, 0), "exit box at 1280x720");
        const Area windowed = AreaOf(c.windowed, "LayoutArea");
        ExpectPanelAt(c.windowedShot, DialoguePanel(windowed), "dialogue box after full screen");
        ExpectTextOn(c.windowedShot, DialoguePanel(windowed), 200, "dialogue box after full screen");
        ExpectPanelAt(c.windowedShot, MessagePanel(windowed, 0), "exit box after full screen");
        const Area full = AreaOf(c.full, "LayoutArea");
        ExpectPanelAt(c.fullShot, DialoguePanel(full), "dialogue box at 1920x1080");
        ExpectTextOn(c.fullShot, DialoguePanel(full), 300, "dialogue box at 1920x1080");
    }
    {
        SCOPED_TRACE("battle");
        const SizeChanges c = RunSizeChanges("shapes_resize_battle", {"--battle", "Ogre"},
                                             std::string(kNewGameScript) + "350 press X\n", 360);
        ExpectSizes(c);
        for (const State* s : {&c.before, &c.resized, &c.full, &c.windowed}) {
            EXPECT_TRUE(StateIs(*s, {"BattleRunning=1", "BattleSlot0HP=150", "HP=" + c.before.at("HP")}));
        }
        ExpectBattleMenu(c.resizedShot, c.resized, "battle menu at 1280x720");
        ExpectBattleMenu(c.fullShot, c.full, "battle menu at 1920x1080");
        ExpectBattleMenu(c.windowedShot, c.windowed, "battle menu after full screen");
    }
}

// Sizes no display can give are refused with the message box and end cleanly;
// the desktop's own size, and a window too large for the screen, play.
TEST(Shapes, HostileResolutionsNeverCrash) {
    struct Case {
        const char* name;
        const char* resolution;
        bool windowed;
        bool plays;
    };
    const Case cases[] = {
        {"negative_width", "-640 480 32", false, false},
        {"negative_height", "640 -480 32", false, false},
        {"zero_width", "0 480 32", false, false},
        {"huge", "100000 100000 32", false, false},
        {"negative_bits", "1024 768 -5", false, false},
        {"absurd_bits", "1024 768 9999", false, false},
        {"beyond_screen", "2048 1536 32", false, false},
        {"beyond_screen_windowed", "2048 1536 32", true, true},
        {"negative_windowed", "-640 480 32", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string dir =
            PrepareGameDir(std::string("shapes_hostile_") + c.name, false,
                           std::string("Resolution=") + c.resolution + "\nControls=X Z C\nVSync=0\n");
        std::vector<std::string> args = {"--fixed-step", "--state", "3:title.txt", "--quit-after", "4"};
        if (c.windowed) args.insert(args.begin(), "--windowed");
        const GameRun run = RunGameIn(dir, args, "", 1024, 768);
        EXPECT_EQ(run.exitCode, 0) << run.stderrText;
        const State title = ReadState(dir + "/title.txt");
        if (!c.plays) {
            EXPECT_NE(run.stderrText.find("Display Mode Not Compatible"), std::string::npos)
                << run.stderrText;
            EXPECT_TRUE(title.empty()) << "reached the title";
            continue;
        }
        ASSERT_EQ(title.count("GameMode"), 1u);
        EXPECT_EQ(title.at("GameMode"), "1");
        // Made to fit the screen it is shown on.
        int w = 0, h = 0;
        std::sscanf(title.at("WindowSize").c_str(), "%d %d", &w, &h);
        EXPECT_GT(w, 0);
        EXPECT_LE(w, 1024);
        EXPECT_GT(h, 0);
        EXPECT_LE(h, 768);
    }

    // 0 x 0: the desktop's own size, full screen, without a mode switch.
    const std::string dir = PrepareGameDir("shapes_hostile_desktop", false, "Resolution=0 0 32\n");
    const GameRun run =
        RunGameIn(dir, {"--fixed-step", "--state", "3:title.txt", "--quit-after", "4"}, "", 1280, 720);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const State title = ReadState(dir + "/title.txt");
    ASSERT_EQ(title.count("GameMode"), 1u) << run.stderrText;
    EXPECT_TRUE(StateIs(title, {"GameMode=1", "WindowSize=1280 720", "LayoutArea=160 0 960 720"}));
    // The exit box hides above the desktop's area, not the default size's (720 / 5.12 = 140.6).
    EXPECT_EQ(title.at("DialogueSlide"), "-140");
}

} // namespace
