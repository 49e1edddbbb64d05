// The hints name the controls Game.cfg sets, in each pad family's lettering,
// and lay themselves out right-aligned, stacking only when a row is too wide.
#include "app/config.h"
#include "assets/control_hints.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;
constexpr HintActions kAll{.ok = true, .cancel = true, .menu = true};

void Apply(const std::string& text) {
    ApplyConfigText(text.data(), text.size());
}

TEST(ControlHints, NameTheKeysAndPadButtonsGameCfgSets) {
    Apply("Resolution=1024 768 32\nControls=J Enter 7\nVSync=0\n"
          "PadButtons=West North ShoulderR\n");
    EXPECT_EQ(HintEntries(kAll, InputDevice::Keyboard, PadType::Xbox),
              (Entries{"J: OK", "E: Cancel", "7: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::Xbox),
              (Entries{"X: OK", "Y: Cancel", "RB: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::PlayStation),
              (Entries{"Square: OK", "Triangle: Cancel", "R1: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::Nintendo),
              (Entries{"Y: OK", "X: Cancel", "R: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::Unknown),
              (Entries{"West: OK", "North: Cancel", "Right shoulder: Menu"}));

    // The usual file: X, Z and C, and each family's south, east and north.
    Apply("");
    EXPECT_EQ(HintEntries(kAll, InputDevice::Keyboard, PadType::Unknown),
              (Entries{"X: OK", "Z: Cancel", "C: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::Xbox), (Entries{"A: OK", "B: Cancel", "Y: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::PlayStation),
              (Entries{"Cross: OK", "Circle: Cancel", "Triangle: Menu"}));
    EXPECT_EQ(HintEntries(kAll, InputDevice::Pad, PadType::Nintendo),
              (Entries{"B: OK", "A: Cancel", "X: Menu"}));

    // Only the actions a screen takes, always in the order OK, Cancel, Menu.
    EXPECT_EQ(HintEntries({.ok = true}, InputDevice::Keyboard, PadType::Unknown), (Entries{"X: OK"}));
    EXPECT_EQ(HintEntries({.cancel = true, .menu = true}, InputDevice::Keyboard, PadType::Unknown),
              (Entries{"Z: Cancel", "C: Menu"}));
    EXPECT_TRUE(HintEntries({}, InputDevice::Pad, PadType::Xbox).empty());
}

// Ten columns a character, a 1024-wide layout.
int32_t TenEach(int32_t, const char* text) {
    return static_cast<int32_t>(std::string(text).size()) * 10;
}

TEST(ControlHints, OneRightAlignedRowOrOneEntryALineUpward) {
    const HintBox box{.left = 500, .right = 900, .y = 700, .lineStep = 30};
    // "X: OK   Z: Cancel" is 17 characters: its last column is the box's right edge.
    std::vector<HintLine> lines = LayOutHint({"X: OK", "Z: Cancel"}, box, 1024, TenEach);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "X: OK   Z: Cancel");
    EXPECT_EQ(lines[0].at.x - 1 + 170, 900);
    EXPECT_EQ(lines[0].at.y, 700);
    // 40 characters do not fit in 400 columns: each entry on its own line, the last on the box's row.
    lines = LayOutHint({"Right shoulder: OK", "Left shoulder: Cancel"}, box, 1024, TenEach);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Right shoulder: OK");
    EXPECT_EQ(lines[0].at.y, 670);
    EXPECT_EQ(lines[1].text, "Left shoulder: Cancel");
    EXPECT_EQ(lines[1].at.y, 700);
    EXPECT_EQ(lines[0].at.x - 1 + 180, 900);
    EXPECT_EQ(lines[1].at.x - 1 + 210, 900);
    EXPECT_TRUE(LayOutHint({}, box, 1024, TenEach).empty());
}

TEST(ControlHints, TheMarkersArrowEndsThePanelRowAndBobsUnderTheName) {
    const OkMarker a = LayOutOkMarker("Cross", 1024, 585, 0, TenEach);
    EXPECT_EQ(a.name, "Cross");
    EXPECT_EQ(a.nameAt.y, 585);
    EXPECT_LT(a.arrowLeft, a.arrowRight);
    EXPECT_LT(a.arrowTop, a.arrowBottom);
    EXPECT_LT(a.nameAt.x - 1 + 50, a.arrowLeft); // the name ends before the arrow
    EXPECT_LE(a.arrowRight, 1024 * 100 / 128);   // inside the dialogue panel
    // The arrow moves down and back; the name stays where it is.
    std::vector<int32_t> tops;
    for (int32_t frame = 0; frame < 40; ++frame) {
        const OkMarker m = LayOutOkMarker("Cross", 1024, 585, frame, TenEach);
        EXPECT_EQ(m.nameAt.x, a.nameAt.x);
        EXPECT_EQ(m.arrowBottom - m.arrowTop, a.arrowBottom - a.arrowTop);
        tops.push_back(m.arrowTop);
    }
    EXPECT_GT(*std::max_element(tops.begin(), tops.end()), a.arrowTop);
    EXPECT_LE(*std::max_element(tops.begin(), tops.end()) - a.arrowTop, 1024 / 32 / 4);
}

} // namespace
