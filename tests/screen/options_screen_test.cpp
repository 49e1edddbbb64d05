// The options screen on the real game: each page from the title at two screen
// shapes, the display choices with the 15-second way back, a rebound OK key
// after a restart, lowered volumes heard through SDL's disk audio driver, and
// the screen opened from the in-game menu and closed back to the field.
#include "tests/screen/field_routes.h"
#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The title opens on Load Game: three rows down is Options, open after frame 5.
constexpr const char* kToOptions = "2 press Down\n3 press Down\n4 press Down\n5 press X\n";

void Shot(std::vector<std::string>& args, int frame, const std::string& name) {
    args.insert(args.end(), {"--shot", std::to_string(frame) + ":" + name + ".png", "--state",
                             std::to_string(frame) + ":" + name + ".txt"});
}

std::string Events(std::initializer_list<std::pair<int, const char*>> events) {
    std::string text;
    for (const auto& [frame, what] : events) text += std::to_string(frame) + " " + what + "\n";
    return text;
}

TEST(Options, EachPageFromTheTitleLaidOutInTheLayoutAreaAtTwoShapes) {
    for (const auto& [w, h] : {std::pair{1024, 768}, {1920, 1080}}) {
        const std::string dir = PrepareGameDir("options_pages_" + std::to_string(w), true,
                                               "Resolution=0 0 32\nControls=X Z C\nVSync=0\n");
        std::vector<std::string> args = {"--fixed-step", "--quit-after", "24"};
        for (const auto& [frame, name] :
             {std::pair{8, "display"}, {12, "sound"}, {16, "controls"}, {22, "title"}})
            Shot(args, frame, name);
        const std::string script =
            std::string(kToOptions) +
            Events({{9, "press Right"}, {13, "press Right"}, {14, "press Down"}, {17, "press Z"}});
        const GameRun run = RunGameIn(dir, args, script, w, h);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        const int left = (w - h * 4 / 3) / 2, scale = h; // the 4:3 layout area
        const int outside = FindPixels(ReadPNG(dir + "/title.png"), 0, 0, left - 2, h, IsPanelBlue).count;
        int page = 0;
        for (const char* name : {"display", "sound", "controls"}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(w));
            auto state = ReadState(dir + "/" + name + ".txt");
            EXPECT_EQ(state["Options"].substr(0, 1), std::to_string(page++));
            const Image shot = ReadPNG(dir + "/" + name + ".png");
            ASSERT_EQ(shot.width, w);
            // The settings panel fills the layout area below the page names, and nothing of it lies outside.
            EXPECT_GT(FindPixels(shot, left + scale / 10, h / 5, left + scale, h * 9 / 10, IsPanelBlue).count,
                      scale * scale / 2);
            // Beside the layout area the title's picture shows as it was.
            EXPECT_EQ(FindPixels(shot, 0, 0, left - 2, h, IsPanelBlue).count, outside);
            // White labels in their column, the first row's under the page names.
            const Box labels =
                FindPixels(shot, left + scale * 4 / 30, h / 6, left + scale * 4 / 9, h * 3 / 4, IsWhite);
            EXPECT_GT(labels.count, 300);
            EXPECT_LT(labels.top, h / 5);
        }
        EXPECT_EQ(ReadState(dir + "/controls.txt")["Options"].substr(0, 3), "2 1");
        EXPECT_TRUE(StateIs(ReadState(dir + "/title.txt"), {"TitlePage=0", "TitleCursor=4"}));
    }
}

TEST(Options, WindowAndBackAModeLeftAloneGoesBackAndTheClassicPictureHasBars) {
    const std::string dir =
        PrepareGameDir("options_display", true, "Resolution=0 0 32\nControls=X Z C\nVSync=0\n");
    std::vector<std::string> args = {"--fixed-step", "--quit-after", "712"};
    for (const auto& [frame, name] : {std::pair{12, "window"},
                                      {17, "desktop"},
                                      {23, "question"},
                                      {690, "waiting"},
                                      {700, "back"},
                                      {706, "bars"}})
        Shot(args, frame, name);
    const std::string script = std::string(kToOptions) + Events({{7, "press Down"},
                                                                 {8, "press Right"},
                                                                 {9, "press X"},
                                                                 {13, "press Left"},
                                                                 {14, "press X"},
                                                                 {18, "press Right"},
                                                                 {19, "press Right"},
                                                                 {20, "press X"},
                                                                 {701, "press Down"},
                                                                 {702, "press Right"},
                                                                 {708, "press Z"}});
    const GameRun run = RunGameIn(dir, args, script, 1280, 720);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;

    EXPECT_TRUE(
        StateIs(ReadState(dir + "/window.txt"), {"FullScreen=0 0", "WindowSize=960 540", "Windowed=1"}));
    EXPECT_TRUE(
        StateIs(ReadState(dir + "/desktop.txt"), {"FullScreen=1 0", "WindowSize=1280 720", "Windowed=0"}));
    // A display mode asks, and fifteen seconds (675 frames) without OK put the desktop back.
    auto question = ReadState(dir + "/question.txt");
    EXPECT_EQ(question["FullScreen"], "1 1");
    EXPECT_EQ(IntOf(ReadState(dir + "/waiting.txt"), "FullScreen"), 1);
    EXPECT_NE(ReadState(dir + "/waiting.txt")["Options"].find(" 2 0"), std::string::npos); // still the mode
    auto back = ReadState(dir + "/back.txt");
    EXPECT_TRUE(StateIs(back, {"FullScreen=1 0", "WindowSize=1280 720", "OptionsMessage=Display put back"}));
    EXPECT_EQ(back["Options"], "0 1 -1 0 0 0");
    const Image asked = ReadPNG(dir + "/question.png");
    EXPECT_GT(FindPixels(asked, 300, 440, 700, 480, IsWhite).count, 100); // "Keep this display?"

    // The classic picture: black bars beside the 960 x 720 middle.
    auto bars = ReadState(dir + "/bars.txt");
    EXPECT_TRUE(StateIs(bars, {"Pillarbox=1", "PictureArea=160 0 960 720"}));
    const Image barred = ReadPNG(dir + "/bars.png");
    ASSERT_EQ(barred.width, 1280);
    auto notBlack = [](int r, int g, int b) { return r + g + b > 0; };
    EXPECT_EQ(FindPixels(barred, 0, 0, 160, 720, notBlack).count, 0);
    EXPECT_EQ(FindPixels(barred, 1120, 0, 1280, 720, notBlack).count, 0);
    EXPECT_GT(FindPixels(ReadPNG(dir + "/back.png"), 0, 0, 160, 720, notBlack).count, 10000);
    // Left on a page: written whole, every line in its order.
    std::ifstream in(dir + "/Game.cfg");
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved,
              "Resolution=0 0 32\nControls=X Z C\nVSync=0\nGamepad=1\nVolume=80 80\nAspect=4:3\n"
              "RenderScale=1\nMouseSpeed=1\nInvertLook=0\nPadButtons=South East North\nWindow=0\nHints=1\n");
}

TEST(Options, AReboundOkKeyTalksToAVillagerAfterARestartAndTheOldOneDoesNothing) {
    const std::string dir =
        PrepareGameDir("options_rebind", true, "Resolution=640 480 32\nControls=X Z C\nVSync=0\n");
    const std::string rebind = std::string(kToOptions) + Events({{7, "press Right"},
                                                                 {8, "press Right"},
                                                                 {9, "press Down"},
                                                                 {10, "press X"},
                                                                 {11, "press Q"},
                                                                 {13, "press Z"}});
    std::vector<std::string> args = {"--fixed-step", "--state", "12:bound.txt", "--quit-after", "15"};
    GameRun run = RunGameIn(dir, args, rebind, 640, 480);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(StateIs(ReadState(dir + "/bound.txt"), {"KeyOk=Q", "OptionsMessage=OK is now Q"}));

    // The restart reads the new key: the whole way to Umos is walked with Q as OK.
    std::string script = ScriptIntoVorudu();
    for (size_t at = script.find("press X"); at != std::string::npos; at = script.find("press X", at))
        script.replace(at, 7, "press Q");
    const int end = AddVoruduToUmos(script);
    script += Events({{end + 2, "press X"}, {end + 5, "press Q"}});
    args = {"--fixed-step",
            "--story",
            "1",
            "--encounter-steps",
            "100000",
            "--state",
            std::to_string(end + 4) + ":old.txt",
            "--state",
            std::to_string(end + 6) + ":new.txt",
            "--quit-after",
            std::to_string(end + 7)};
    run = RunGameIn(dir, args, script, 640, 480);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(StateIs(ReadState(dir + "/old.txt"), {"KeyOk=Q", "CurrentLevel=0", "DialogueOpen=0"}));
    EXPECT_TRUE(StateIs(ReadState(dir + "/new.txt"), {"DialogueOpen=1", "DialogueBuffer0=Umos"}));
}

// Sound as SDL's disk audio driver records it, in real time (no --fixed-step).
std::vector<int16_t> Record(const std::string& name, const std::string& script, int frames) {
    const std::string dir = PrepareGameDir(name, true, "Resolution=640 480 32\nControls=X Z C\nVSync=0\n");
    const std::string recording = dir + "/sound.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    const GameRun run = RunGameIn(
        dir, {"--story", "1", "--encounter-steps", "100000", "--quit-after", std::to_string(frames)}, script,
        640, 480);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    std::ifstream in(recording, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::copy(bytes.begin(), bytes.begin() + static_cast<long>(samples.size() * 2),
              reinterpret_cast<char*>(samples.data()));
    return samples;
}

constexpr size_t kSecond = 44100 * 2; // stereo samples a second

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) sum += double(s[i]) * s[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

// New game, the menu, its Options entry, the Sound page's music row.
std::string ToMusicRow() {
    std::string script = std::string(kNewGameScript) + "10 press C\n";
    for (int f = 66; f < 75; ++f) script += std::to_string(f) + " press Down\n";
    return script + Events({{75, "press X"}, {150, "press Right"}, {151, "press Down"}});
}

std::string Presses(int from, int count, int every, const char* key) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(from + i * every) + " press " + key + "\n";
    return text;
}

TEST(Options, LoweredMusicAndEffectsAreHeardLowerAndZeroIsSilence) {
    // The music at 80 and then at 40, each heard alone over the last seconds of a run.
    const std::vector<int16_t> loud = Record("options_sound_80", ToMusicRow(), 400);
    const std::vector<int16_t> half =
        Record("options_sound_40", ToMusicRow() + Presses(160, 8, 1, "Left"), 400);
    ASSERT_GT(loud.size(), 4 * kSecond);
    ASSERT_GT(half.size(), 4 * kSecond);
    const double at80 = Rms(loud, loud.size() - 3 * kSecond, loud.size() - kSecond / 2);
    const double at40 = Rms(half, half.size() - 3 * kSecond, half.size() - kSecond / 2);
    EXPECT_GT(at80, 200.0);
    EXPECT_LT(at40, 0.75 * at80);
    EXPECT_GT(at40, 0.2 * at80);

    // Music off, then the effects stepped down: each click at the level just set, the last at 0 unheard.
    const std::string script =
        ToMusicRow() + Presses(160, 16, 1, "Left") + "180 press Down\n" + Presses(200, 16, 25, "Left");
    const std::vector<int16_t> clicks = Record("options_sound_effects", script, 640);
    // Each stretch of sound apart from the next by 200 ms of silence, and its peak.
    std::vector<int> peaks;
    int quiet = 1000;
    const size_t block = kSecond / 100;
    for (size_t b = 0; b * block < clicks.size(); ++b) {
        int peak = 0;
        for (size_t i = b * block; i < std::min(clicks.size(), (b + 1) * block); ++i)
            peak = std::max(peak, std::abs(int(clicks[i])));
        if (peak < 64) {
            ++quiet;
            continue;
        }
        if (quiet >= 20) peaks.push_back(0);
        quiet = 0;
        peaks.back() = std::max(peaks.back(), peak);
    }
    // The music with the clicks over it, then 15 clicks falling from 75 to 5; the one at 0 is not heard.
    ASSERT_GE(peaks.size(), 16u);
    const std::vector<int> tail(peaks.end() - 15, peaks.end());
    for (size_t i = 1; i < tail.size(); ++i) EXPECT_LE(tail[i], tail[i - 1] + 100) << "click " << i;
    EXPECT_GT(tail.front(), 4 * tail.back());
    // After the click at 0, silence to the end.
    ASSERT_GT(clicks.size(), kSecond);
    EXPECT_TRUE(std::all_of(clicks.end() - static_cast<long>(kSecond), clicks.end(),
                            [](int16_t v) { return v == 0; }));
}

TEST(Options, FromTheInGameMenuAndBackToTheFieldWhereHeStood) {
    const std::string dir = PrepareGameDir("options_menu", true);
    std::string script = std::string(kNewGameScript) + "10 press C\n";
    for (int f = 66; f < 75; ++f) script += std::to_string(f) + " press Down\n";
    script += Events({{75, "press X"},
                      {150, "press Right"},
                      {151, "press Down"},
                      {152, "press Left"},
                      {160, "press Z"},
                      {240, "press Z"}});
    std::vector<std::string> args = {"--fixed-step", "--story",      "1",  "--state",
                                     "9:before.txt", "--quit-after", "320"};
    Shot(args, 65, "top");
    Shot(args, 155, "options");
    Shot(args, 235, "list");
    Shot(args, 319, "field");
    const GameRun run = RunGameIn(dir, args, script);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto top = ReadState(dir + "/top.txt");
    EXPECT_TRUE(StateIs(top, {"GameMode=3", "MenuState=0", "MenuOpened=1"}));
    // The tenth entry, one row below Quit inside the command panel.
    const Image list = ReadPNG(dir + "/top.png");
    EXPECT_GT(FindPixels(list, 820, 521, 1000, 556, IsWhite).count, 50);
    EXPECT_GT(FindPixels(list, 722, 556, 972, 610, IsPanelBlue).count, 5000);
    auto options = ReadState(dir + "/options.txt");
    EXPECT_TRUE(StateIs(options, {"GameMode=3", "MenuState=10", "MenuCursor=9", "Volumes=75 80"}));
    EXPECT_GT(FindPixels(ReadPNG(dir + "/options.png"), 100, 150, 1000, 700, IsPanelBlue).count, 300000);
    EXPECT_TRUE(StateIs(ReadState(dir + "/list.txt"), {"GameMode=3", "MenuState=0"}));
    auto field = ReadState(dir + "/field.txt");
    auto before = ReadState(dir + "/before.txt");
    EXPECT_TRUE(StateIs(field, {"GameMode=2", "HeroPosition=" + before["HeroPosition"],
                                "HeroRotation=" + before["HeroRotation"], "CurrentLevel=1"}));
    // Leaving the page wrote the new volume.
    std::ifstream in(dir + "/Game.cfg");
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(saved.find("\nVolume=75 80\n"), std::string::npos) << saved;
}

} // namespace
