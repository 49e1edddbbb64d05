// The in-game menu on the real content: its slide, every page, a Potion, the
// stone exchanges, a fury skill, and a save that a later run loads from the title.
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A timed key script: each press one frame after the last unless told to wait.
struct Script {
    std::string text = kNewGameScript;
    int frame = 10;
    void Press(const char* key, int times = 1) {
        for (int i = 0; i < times; ++i) text += std::to_string(frame++) + " press " + key + "\n";
    }
    void Wait(int frames) { frame += frames; }
};

// A page's transition takes 64 frames each way; the slide open about 50.
constexpr int kTransition = 66;
constexpr int kSlide = 55;

bool Black(int r, int g, int b) {
    return r + g + b < 30;
}

void Shot(std::vector<std::string>& args, int frame, const std::string& name) {
    args.insert(args.end(), {"--shot", std::to_string(frame) + ":" + name + ".png", "--state",
                             std::to_string(frame) + ":" + name + ".txt"});
}

TEST(Menu, SlidesOpenOverBlackAndShutBackToTheField) {
    const std::string dir = PrepareGameDir("menu_slide", true);
    Script s;
    s.Press("C"); // frame 10
    s.Wait(kSlide);
    s.Press("Z"); // frame 66
    std::vector<std::string> args = {"--fixed-step", "--story", "1"};
    Shot(args, 12, "opening");
    Shot(args, 64, "open");
    Shot(args, 90, "closing");
    Shot(args, 125, "field");
    args.insert(args.end(), {"--quit-after", "126"});
    const GameRun run = RunGameIn(dir, args, s.text);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto opening = ReadState(dir + "/opening.txt");
    EXPECT_TRUE(StateIs(opening, {"GameMode=3", "MenuOpened=0"}));
    auto open = ReadState(dir + "/open.txt");
    EXPECT_EQ(open["MenuOpened"], "1");
    EXPECT_LT(std::stof(open["PanelEdgeB"]), 0.035f);
    EXPECT_EQ(ReadState(dir + "/closing.txt")["MenuClosing"], "1");
    auto field = ReadState(dir + "/field.txt");
    EXPECT_TRUE(StateIs(field, {"GameMode=2", "MenuOpened=0"}));

    // Open: the hero panel fills the left, the entries are white on the right.
    const Image shown = ReadPNG(dir + "/open.png");
    EXPECT_GT(FindPixels(shown, 30, 30, 700, 580, IsPanelBlue).count, 200000);
    const Box item = FindPixels(shown, 820, 60, 1000, 110, IsWhite);
    EXPECT_GT(item.count, 50);
    EXPECT_GT(FindPixels(shown, 30, 20, 1000, 140, IsWhite).count, 300); // name, HP and MP
    // Two frames in, the panels are still dark and mostly off the screen.
    const Image early = ReadPNG(dir + "/opening.png");
    EXPECT_LT(FindPixels(early, 0, 0, 1024, 768, IsWhite).count, 10);
    EXPECT_GT(FindPixels(early, 400, 200, 700, 500, Black).count, 80000);
}

TEST(Menu, EveryPageShowsAndAPotionAndAWarpAreUsed) {
    const std::string dir = PrepareGameDir("menu_pages", true);
    const char* names[8] = {"item", "magic", "warp", "swarp", "fury", "status", "save", "load"};
    Script s;
    s.Press("C");
    s.Wait(kSlide);
    std::vector<std::string> args = {"--fixed-step", "--story", "1"};
    for (int k = 0; k < 8; ++k) {
        if (k > 0) s.Press("Down");
        s.Press("X");
        s.Wait(kTransition);
        Shot(args, s.frame, names[k]);
        s.Wait(1);
        if (k == 0) { // a Potion at full HP is still spent
            s.Press("X");
            Shot(args, s.frame, "potion");
            s.Wait(1);
        }
        if (k == 2) { // holder slot 0 takes the Ice from the bag
            s.Press("X");
            Shot(args, s.frame, "warp_picked");
            s.Wait(1);
            s.Press("X");
            Shot(args, s.frame, "warp_set");
            s.Wait(1);
        }
        s.Press("Z");
        s.Wait(kTransition);
    }
    args.insert(args.end(), {"--quit-after", std::to_string(s.frame + 1)});
    const GameRun run = RunGameIn(dir, args, s.text);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    const int states[8] = {2, 3, 9, 8, 4, 5, 6, 7};
    for (int k = 0; k < 8; ++k) {
        auto state = ReadState(dir + "/" + names[k] + ".txt");
        EXPECT_EQ(state["MenuState"], std::to_string(states[k])) << names[k];
        const Image shot = ReadPNG(dir + "/" + names[k] + ".png");
        // The page's title in its header panel, and panels over most of the screen.
        EXPECT_GT(FindPixels(shot, 820, 25, 1000, 70, IsWhite).count, 40) << names[k];
        EXPECT_GT(FindPixels(shot, 0, 0, 1024, 768, IsPanelBlue).count, 350000) << names[k];
    }
    EXPECT_EQ(ReadState(dir + "/item.txt")["Item0"], "Potion 3");
    auto potion = ReadState(dir + "/potion.txt");
    EXPECT_TRUE(StateIs(potion, {"Item0=Potion 2", "HP=500"}));
    EXPECT_EQ(ReadState(dir + "/warp_picked.txt")["WarpPicked"], "1");
    auto warp = ReadState(dir + "/warp_set.txt");
    EXPECT_TRUE(StateIs(warp, {"WarpHolder0_0=Ice 1", "WarpBag="}));
    // The green Ice stone now sits in the first socket of the upper holder.
    const Image set = ReadPNG(dir + "/warp_set.png");
    EXPECT_GT(FindPixels(set, 340, 150, 390, 195,
                         [](int r, int g, int b) { return g > 60 && g > 2 * r + 20 && g > 2 * b + 20; })
                  .count,
              40);
    // The save page lists five slots, all free in a fresh folder.
    EXPECT_GT(FindPixels(ReadPNG(dir + "/save.png"), 390, 150, 600, 700,
                         [](int r, int g, int b) { return b > 150 && r < 60 && g < 60; })
                  .count,
              500);
}

// Bytes of a slot file at an offset, little-endian.
void Put32(std::string& file, size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

TEST(Menu, ASaveInSlotThreeLoadsFromTheTitleWhereHeStood) {
    const std::string dir = PrepareGameDir("menu_save_load", true);
    Script s;
    s.text += "20 hold Up 30\n";
    s.frame = 60;
    s.Press("C");
    s.Press("Down", 6); // Save
    s.Wait(kSlide);
    s.Press("X");
    s.Wait(kTransition);
    s.Press("Down", 2); // slot 3
    s.Press("X");
    const int saved = s.frame;
    s.Wait(2);
    s.Press("Z");
    s.Wait(kTransition);
    s.Press("Down", 2); // Quit
    s.Press("X");
    std::vector<std::string> args = {"--fixed-step", "--story", "1"};
    Shot(args, saved, "saved");
    args.insert(args.end(), {"--quit-after", std::to_string(s.frame + 200)});
    GameRun run = RunGameIn(dir, args, s.text);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto before = ReadState(dir + "/saved.txt");
    const std::vector<std::string> log1 = LogLines(dir);
    ASSERT_GE(log1.size(), 3u);
    EXPECT_NE(std::find(log1.begin(), log1.end(), "Saved Save Slot:Save/Slot3.sav"), log1.end());
    EXPECT_EQ(log1[log1.size() - 2], "Quiting...");

    std::ifstream in(dir + "/Save/Slot3.sav", std::ios::binary);
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(file.size(), 5747u);
    EXPECT_EQ(file.substr(0, 9), std::string("Deduvavi\0", 9));
    // Give the saved hero a red Swarp in his bag and a second fury skill.
    std::memcpy(&file[608], "Sling\0\0\0\0\0", 10);
    file[618] = 1;
    Put32(file, 620, 255);
    Put32(file, 624, 0);
    Put32(file, 628, 0);
    Put32(file, 632, 5);
    file[80 + 28 + 23] = 1;
    std::ofstream(dir + "/Save/Slot3.sav", std::ios::binary) << file;

    // Start again: Load Game, slot 3, then the Swarp onto the sword and the second skill.
    Script t;
    t.text = "2 press X\n3 press Down\n4 press Down\n7 press X\n";
    t.frame = 10;
    t.Press("C");
    t.Press("Down", 3); // Swarp
    t.Wait(kSlide);
    t.Press("X");
    t.Wait(kTransition);
    t.Press("X"); // pick sword slot 0
    const int picked = t.frame;
    t.Wait(1);
    t.Press("X"); // with bag entry 0
    const int forged = t.frame;
    t.Wait(1);
    t.Press("Z");
    t.Wait(kTransition);
    t.Press("Down"); // Fury
    t.Press("X");
    t.Wait(kTransition);
    t.Press("Down");
    t.Press("X");
    const int fury = t.frame;
    std::vector<std::string> args2 = {"--fixed-step"};
    Shot(args2, 6, "title_list");
    Shot(args2, 8, "loaded");
    Shot(args2, picked, "swarp_picked");
    Shot(args2, forged, "swarp_set");
    Shot(args2, fury, "fury");
    args2.insert(args2.end(), {"--quit-after", std::to_string(fury + 1)});
    run = RunGameIn(dir, args2, t.text);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    auto loaded = ReadState(dir + "/loaded.txt");
    EXPECT_TRUE(
        StateIs(loaded, {"GameMode=2", "HeroPosition=" + before["HeroPosition"],
                         "CameraPosition=" + before["CameraPosition"],
                         "CurrentLevel=" + before["CurrentLevel"], "PlaySeconds=" + before["PlaySeconds"],
                         "PlayerHasControl=1", "SaveSlotCursor=0", "MusicRequested=Music\\Fuzzy.wav"}));
    const std::vector<std::string> log2 = LogLines(dir);
    EXPECT_NE(std::find(log2.begin(), log2.end(), "Loaded Save Slot:Save/Slot3.sav"), log2.end());
    // The title's list showed the saved hero in the third row.
    const Image list = ReadPNG(dir + "/title_list.png");
    EXPECT_GT(
        FindPixels(list, 390, 370, 600, 470, [](int r, int g, int b) { return b > 150 && r < 60 && g < 60; })
            .count,
        300);

    EXPECT_EQ(ReadState(dir + "/swarp_picked.txt")["SwarpPicked"], "1");
    auto swarp = ReadState(dir + "/swarp_set.txt");
    EXPECT_TRUE(StateIs(swarp, {"SwordSlot0=Sling 1", "SwarpBag="}));
    const Image sword = ReadPNG(dir + "/swarp_set.png");
    EXPECT_GT(FindPixels(sword, 325, 170, 375, 215,
                         [](int r, int g, int b) { return r > 90 && r > 2 * g + 20 && r > 2 * b + 20; })
                  .count,
              40);
    auto skills = ReadState(dir + "/fury.txt");
    EXPECT_TRUE(StateIs(skills, {"MenuState=4", "FuryCursor=1"}));
    EXPECT_EQ(skills["Skill1"].substr(skills["Skill1"].size() - 3), "1 1");
    EXPECT_EQ(skills["Skill0"].substr(skills["Skill0"].size() - 3), "1 0");
}

} // namespace
