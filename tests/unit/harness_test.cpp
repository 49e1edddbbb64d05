#include "app/harness.h"
#include "platform/platform.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::vector<ScriptEvent> Parse(const std::string& text, std::string* error = nullptr) {
    std::vector<ScriptEvent> events;
    std::string ignored;
    EXPECT_TRUE(ParseInputScript(text, events, error ? error : &ignored)) << (error ? *error : ignored);
    return events;
}

TEST(InputScript, ReadsEveryKindOfLineInFrameOrder) {
    const auto events = Parse("# a walk\n"
                              "40 hold Up 90   # then\n"
                              "\n"
                              "12 press x\n"
                              "12 press Enter\n"
                              "13 click middle\n"
                              "14 move -100 5\n");
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].frame, 12u);
    EXPECT_EQ(events[0].key, 'X');
    EXPECT_EQ(events[1].key, KeyEnter); // same frame keeps file order
    EXPECT_EQ(std::tuple(events[2].action, events[2].key), std::tuple(ScriptAction::Click, 2));
    EXPECT_EQ(std::tuple(events[3].action, events[3].dx, events[3].dy),
              std::tuple(ScriptAction::Move, -100, 5));
    EXPECT_EQ(std::tuple(events[4].action, events[4].key, events[4].count),
              std::tuple(ScriptAction::Hold, KeyUp, 90));
}

TEST(InputScript, RefusesMalformedLinesWithTheirNumber) {
    const char* bad[] = {"5 press",     "5 press F1",  "0 press X",          "x press X",  "5 hold Up",
                         "5 hold Up 0", "5 click top", "5 move 1",           "5 move a b", "5 jump",
                         "5 press X Y", "-3 press X",  "99999999999 press X"};
    for (const char* line : bad) {
        std::vector<ScriptEvent> events;
        std::string error;
        EXPECT_FALSE(ParseInputScript(std::string("# ok\n1 press X\n") + line + "\n", events, &error))
            << line;
        EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    }
}

TEST(InputScript, PadLines) {
    const auto events = Parse("3 pad plug\n"
                              "4 pad press south\n"
                              "5 pad hold up 20\n"
                              "6 pad stick right -32768 400\n"
                              "7 pad unplug\n");
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].action, ScriptAction::PadPlug);
    EXPECT_EQ(std::tuple(events[1].action, events[1].key, events[1].count),
              std::tuple(ScriptAction::PadHold, static_cast<int>(PadButton::South), 1));
    EXPECT_EQ(std::tuple(events[2].key, events[2].count), std::tuple(static_cast<int>(PadButton::Up), 20));
    EXPECT_EQ(std::tuple(events[3].action, events[3].key, events[3].dx, events[3].dy),
              std::tuple(ScriptAction::PadStick, static_cast<int>(PadStick::Right), -32768, 400));
    EXPECT_EQ(events[4].action, ScriptAction::PadUnplug);
    for (const char* name :
         {"south", "east", "west", "north", "back", "start", "lb", "rb", "up", "down", "left", "right"})
        EXPECT_GE(ScriptPadButton(name), 0) << name;
    EXPECT_EQ(ScriptPadButton("South"), -1);
    const char* bad[] = {"5 pad",
                         "5 pad plug 1",
                         "5 pad press",
                         "5 pad press a",
                         "5 pad hold up",
                         "5 pad hold up 0",
                         "5 pad stick left 1",
                         "5 pad stick top 0 0",
                         "5 pad stick left x 0",
                         "5 pad press south 2"};
    for (const char* line : bad) {
        std::vector<ScriptEvent> rejected;
        std::string error;
        EXPECT_FALSE(ParseInputScript(line, rejected, &error)) << line;
    }
}

TEST(InputScript, KeyNames) {
    const std::pair<const char*, int> names[] = {
        {"Up", KeyUp},       {"Down", KeyDown}, {"Left", KeyLeft}, {"Right", KeyRight}, {"Escape", KeyEscape},
        {"Space", KeySpace}, {"7", '7'},        {"y", 'Y'},        {"up", 0},           {"?", 0}};
    for (const auto& [name, key] : names) EXPECT_EQ(ScriptKeyCode(name), key) << name;
}

TEST(HarnessArgs, ReadsFlagsAndFrameFiles) {
    const char* argv[] = {"aurelant", "--windowed", "--shot",  "1:/tmp/a b.png", "--state",
                          "30:s.txt", "--shot",     "2:c.png", "--quit-after",   "40"};
    std::string error;
    ASSERT_TRUE(ParseHarnessArgs(10, const_cast<char**>(argv), &error)) << error;
    EXPECT_TRUE(Harness.windowed);
    EXPECT_FALSE(Harness.fixedStep);
    ASSERT_EQ(Harness.shots.size(), 2u);
    EXPECT_EQ(
        std::tuple(Harness.shots[0].frame, Harness.shots[0].path, Harness.states[0].frame, Harness.quitAfter),
        std::tuple(1u, std::string("/tmp/a b.png"), 30u, 40u));
    EXPECT_TRUE(HarnessScripted());
}

// Each run-shaping flag, and a plain run that is none of them.
TEST(HarnessArgs, TimedemoLevelWarpsAndFuryShapeTheRun) {
    std::string error;
    const char* timedemo[] = {"aurelant", "--timedemo"};
    ASSERT_TRUE(ParseHarnessArgs(2, const_cast<char**>(timedemo), &error));
    EXPECT_TRUE(Harness.fixedStep);
    EXPECT_GT(Harness.quitAfter, 0u); // it always ends
    const char* level[] = {"aurelant", "--level", "6"};
    ASSERT_TRUE(ParseHarnessArgs(3, const_cast<char**>(level), &error)) << error;
    EXPECT_EQ(Harness.startLevel, 6);
    EXPECT_TRUE(HarnessScripted()); // an unattended run
    const char* battle[] = {"aurelant", "--warps", "Ice,MegaAll,Kintos", "--fury", "100"};
    ASSERT_TRUE(ParseHarnessArgs(5, const_cast<char**>(battle), &error)) << error;
    EXPECT_EQ(Harness.warps, (std::vector<int32_t>{0, 2, 3})); // the Warp table's order
    EXPECT_EQ(Harness.fury, 100);
    const char* plain[] = {"aurelant"};
    ASSERT_TRUE(ParseHarnessArgs(1, const_cast<char**>(plain), &error));
    EXPECT_EQ(Harness.startLevel, -1);
    EXPECT_FALSE(HarnessScripted());
}

TEST(HarnessArgs, RefusesBadArguments) {
    const std::vector<std::vector<const char*>> bad = {{"aurelant", "--shot", "nocolon.png"},
                                                       {"aurelant", "--shot", "0:a.png"},
                                                       {"aurelant", "--shot"},
                                                       {"aurelant", "--quit-after", "ten"},
                                                       {"aurelant", "--fly"},
                                                       {"aurelant", "--state", "5:"},
                                                       {"aurelant", "--level", "7"},
                                                       {"aurelant", "--level", "-1"},
                                                       {"aurelant", "--level"},
                                                       {"aurelant", "--warps", "Ice,Thunder"},
                                                       {"aurelant", "--warps", ""},
                                                       {"aurelant", "--fury", "101"},
                                                       {"aurelant", "--fury", "-5"}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseHarnessArgs(static_cast<int>(args.size()), const_cast<char**>(args.data()), &error))
            << args.back();
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
