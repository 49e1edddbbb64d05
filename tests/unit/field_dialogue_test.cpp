// The dialogue buffer and where the two boxes print.
#include "world/dialogue.h"

#include "assets/game_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

TEST(FieldDialogue, VillagerTextsArriveWholeAndTerminated) {
    VillagerRecord villager{};
    CopyName(villager.Name, "Umos");
    CopyName(villager.Lines[0], "first");
    CopyName(villager.Lines[3], "fourth");
    DialogueRecord buffer;
    std::memset(&buffer, 'x', sizeof buffer);
    CopyVillagerDialogue(buffer, villager);
    EXPECT_EQ(std::vector<std::string>(std::begin(buffer.Text), std::end(buffer.Text)),
              (std::vector<std::string>{"Umos", "first", "", "", "fourth"}));

    // Texts filling their whole field are cut to 69 characters, not run together.
    std::memset(villager.Name, 'N', sizeof villager.Name);
    std::memset(villager.Lines, 'L', sizeof villager.Lines);
    CopyVillagerDialogue(buffer, villager);
    for (const auto& text : buffer.Text) EXPECT_EQ(std::strlen(text), 69u);
    EXPECT_EQ(buffer.Text[0][0], 'N');
    EXPECT_EQ(buffer.Text[1][0], 'L');
}

TEST(FieldDialogue, TextPositionsMixTruncatedQuotientsAndIntegerDivision) {
    struct Case {
        int32_t w, h;
        TextPoint speaker, lines[4], message;
    };
    const Case cases[] = {
        {1024, 768, {375, 585}, {{51, 615}, {51, 640}, {51, 666}, {51, 691}}, {480, 70}},
        {800, 600, {293, 457}, {{40, 480}, {40, 500}, {40, 520}, {40, 540}}, {375, 55}},
        {640, 480, {234, 365}, {{32, 384}, {32, 400}, {32, 416}, {32, 432}}, {300, 44}},
    };
    const auto same = [](TextPoint a, TextPoint b) { return a.x == b.x && a.y == b.y; };
    for (const Case& c : cases) {
        EXPECT_TRUE(same(DialogueTextPosition(0, c.w, c.h), c.speaker)) << c.w;
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(same(DialogueTextPosition(i + 1, c.w, c.h), c.lines[i])) << c.w << " line " << i + 1;
        EXPECT_TRUE(same(MessageTextPosition(c.w, c.h), c.message)) << c.w;
    }
}

// Under the sanitizers a read past an unterminated line, or a line taken as a
// format, fails this test; everywhere the drawing leaves the buffer as it was.
TEST(FieldDialogue, BoxesDrawAnyBytesWithoutAWindow) {
    // No GL context here: the calls go nowhere, but the texts are still read.
    DialogueRecord buffer;
    std::memset(&buffer, '%', sizeof buffer); // no terminators, and every byte a format directive
    const DialogueRecord before = buffer;
    DrawDialogueBox(buffer);
    DrawMessageBox(nullptr, 0, -150);
    DrawMessageBox("%s%s%n", INT32_MAX, INT32_MIN);
    EXPECT_EQ(std::memcmp(&buffer, &before, sizeof buffer), 0);
}

} // namespace
