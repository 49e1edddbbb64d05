// The names the screen prints for keys and for each family's pad buttons.
#include "assets/input_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(InputNames, EachPadFamilyNamesItsButtonsByPosition) {
    const PadButton face[4] = {PadButton::South, PadButton::East, PadButton::West, PadButton::North};
    auto names = [&](PadType type) {
        std::string out;
        for (PadButton b : face) out += std::string(PadButtonName(b, type)) + " ";
        return out;
    };
    EXPECT_EQ(names(PadType::Xbox), "A B X Y ");
    EXPECT_EQ(names(PadType::PlayStation), "Cross Circle Square Triangle ");
    EXPECT_EQ(names(PadType::Nintendo), "B A Y X ");
    EXPECT_EQ(names(PadType::Unknown), "South East West North ");
    EXPECT_STREQ(PadButtonName(PadButton::ShoulderL, PadType::PlayStation), "L1");
    EXPECT_STREQ(PadButtonName(PadButton::ShoulderR, PadType::Xbox), "RB");
    EXPECT_STREQ(PadButtonName(static_cast<PadButton>(99), PadType::Xbox), "?");
}

TEST(InputNames, KeysAndConfigWords) {
    EXPECT_EQ(KeyName('X'), "X");
    EXPECT_EQ(KeyName('7'), "7");
    EXPECT_EQ(KeyName(KeyEscape), "Escape");
    EXPECT_EQ(KeyName(KeyLeft), "Left");
    EXPECT_EQ(KeyName(113), "F2");
    EXPECT_EQ(KeyName('a'), "?");
    EXPECT_EQ(KeyName(-5), "?");
    // Every word the writer uses reads back as its button; other words do not.
    for (PadButton b : {PadButton::South, PadButton::East, PadButton::West, PadButton::North,
                        PadButton::ShoulderL, PadButton::ShoulderR}) {
        PadButton read = PadButton::Start;
        EXPECT_TRUE(PadButtonFromWord(PadButtonWord(b), &read));
        EXPECT_EQ(read, b);
    }
    PadButton read = PadButton::Start;
    for (const char* word : {"south", "Start", "Back", "", "Up", "SouthX"})
        EXPECT_FALSE(PadButtonFromWord(word, &read)) << word;
    EXPECT_EQ(read, PadButton::Start);
}

} // namespace
