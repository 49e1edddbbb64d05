#include "tests/screen/screen_support.h"

#include <gtest/gtest.h>

namespace {

TEST(Title, LoadGamePulsesFirstAndTheCursorStaysInBounds) {
    const std::string dir = PrepareGameDir("title_cursor", false);
    const GameRun run = RunGameIn(dir,
                                  {"--fixed-step", "--state", "2:first.txt", "--state", "25:low.txt",
                                   "--state", "33:down.txt", "--state", "39:up.txt", "--quit-after", "40"},
                                  "28 press Down\n29 press Down\n30 press Down\n31 press Down\n"
                                  "33 press Up\n34 press Up\n35 press Up\n36 press Up\n37 press Up\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto first = ReadState(dir + "/first.txt");
    EXPECT_TRUE(StateIs(first, {"GameMode=1", "TitlePage=0", "TitleCursor=1"}));
    EXPECT_EQ(first["TitlePulse"], "0.97"); // the first title frame dims it once
    // Frame 25 is the 24th title frame: the pulse has fallen to 0.28 and turns.
    EXPECT_EQ(ReadState(dir + "/low.txt")["TitlePulse"], "0.28");
    EXPECT_EQ(ReadState(dir + "/down.txt")["TitleCursor"], "4"); // Options, the last
    EXPECT_EQ(ReadState(dir + "/up.txt")["TitleCursor"], "0");
}

TEST(Title, CreditsAndCancel) {
    const std::string dir = PrepareGameDir("title_credits", true);
    const GameRun run = RunGameIn(dir,
                                  {"--fixed-step", "--shot", "5:credits.png", "--state", "5:credits.txt",
                                   "--state", "7:back.txt", "--quit-after", "8"},
                                  "2 press Down\n3 press X\n6 press Z\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(ReadState(dir + "/credits.txt")["TitlePage"], "2");
    EXPECT_EQ(ReadState(dir + "/back.txt")["TitlePage"], "0");
    const Image shot = ReadPNG(dir + "/credits.png");
    // Four white lines at x = 256 with their tops at H / 2.02, 1.87, 1.74, 1.63.
    for (int top : {380, 410, 441, 471}) {
        const Box line = FindPixels(shot, 250, top, 1024, top + 30,
                                    [](int r, int g, int b) { return r > 240 && g > 240 && b > 240; });
        EXPECT_GT(line.count, 100) << "line at " << top;
        EXPECT_GE(line.left, 255) << "line at " << top;
        EXPECT_LE(line.left, 262) << "line at " << top;
    }
}

TEST(Title, NewGameEntersTheDungeonWithItsMusic) {
    const std::string dir = PrepareGameDir("title_newgame", false);
    const GameRun run = RunGameIn(dir, {"--fixed-step", "--state", "100:play.txt", "--quit-after", "101"},
                                  "2 press Up\n3 press X\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    auto state = ReadState(dir + "/play.txt");
    EXPECT_TRUE(StateIs(state, {"GameMode=2", "CurrentLevel=1", "MusicRequested=Music\\Fuzzy.wav",
                                "PlayHours=0", "PlayMinutes=0"}));
    // 97 field frames of 23 ms each: two seconds of play.
    EXPECT_EQ(state["PlaySeconds"], "2");
}

TEST(Title, QuitEndsTheProgram) {
    const std::string dir = PrepareGameDir("title_quit", false);
    const GameRun run =
        RunGameIn(dir, {"--fixed-step", "--quit-after", "500"}, "2 press Down\n3 press Down\n4 press X\n");
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const auto log = LogLines(dir);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Quiting...");
    EXPECT_EQ(log.back(), "Action : OK Button");
}

} // namespace

// At rest only the buttons are drawn again; the picture must be the one a whole
// redraw gives. A hidden spell forces whole frames when the window returns.
TEST(Title, ButtonsAloneRedrawnMatchAWholeFrame) {
    const std::vector<std::string> args = {"--fixed-step", "--shot",       "44:a.png", "--shot",
                                           "52:b.png",     "--quit-after", "53"};
    const std::string still = PrepareGameDir("title_still", true);
    ASSERT_EQ(RunGameIn(still, args, "20 press Down\n").exitCode, 0);
    const std::string back = PrepareGameDir("title_back", true);
    ASSERT_EQ(RunGameIn(back, args, "20 press Down\n30 hide\n43 show\n").exitCode, 0);
    for (const char* shot : {"/a.png", "/b.png"}) {
        const Image a = ReadPNG(still + shot), b = ReadPNG(back + shot);
        ASSERT_EQ(a.width, 1024) << shot;
        EXPECT_TRUE(a.rgba == b.rgba) << shot;
    }
}
