#include "assets/text2d.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

TEST(Text2DFormat, FormatsAndCutsAtTheBuffer) {
    // The buffer sits between guard bytes so any write past it shows.
    struct Guarded {
        char before[16];
        char text[kTextBufferSize];
        char after[16];
    } g;
    std::memset(&g, '#', sizeof g);

    EXPECT_EQ(FormatText(g.text, "%d/%d  %s", 12, 340, "Hero"), 12);
    EXPECT_STREQ(g.text, "12/340  Hero");

    const std::string exact(255, 'a');
    EXPECT_EQ(FormatText(g.text, "%s", exact.c_str()), 255);
    EXPECT_EQ(std::string(g.text), exact);

    const std::string longer = std::string(250, 'b') + "0123456789";
    EXPECT_EQ(FormatText(g.text, "%s", longer.c_str()), 255);
    EXPECT_EQ(std::string(g.text), longer.substr(0, 255));

    EXPECT_EQ(FormatText(g.text, "%600d", 7), 255);
    EXPECT_EQ(std::strlen(g.text), 255u);

    EXPECT_EQ(FormatText(g.text, "%s", ""), 0);
    EXPECT_STREQ(g.text, "");

    // A percent sign inside a value is text, not a directive.
    EXPECT_EQ(FormatText(g.text, "%s", "100%d"), 5);
    EXPECT_STREQ(g.text, "100%d");

    for (char c : g.before) EXPECT_EQ(c, '#');
    for (char c : g.after) EXPECT_EQ(c, '#');
}

TEST(Text2DFormat, AbsentFormatGivesNothing) {
    char text[kTextBufferSize];
    std::memset(text, 'x', sizeof text);
    const char* none = nullptr;
    EXPECT_EQ(FormatText(text, none), -1);
    EXPECT_STREQ(text, "");
}

TEST(Text2DLayout, ShadowOffsetsTruncateTowardZero) {
    struct Case {
        int32_t width, height, dx, dy;
    };
    const Case cases[] = {
        {1024, 768, 5, 3},  {800, 600, 3, 2}, {640, 480, 3, 1}, {1280, 1024, 6, 4},
        {1600, 1200, 7, 4}, {204, 255, 0, 0}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const TextPoint offset = ShadowTextOffset(c.width, c.height);
        EXPECT_EQ(offset.x, c.dx) << c.width;
        EXPECT_EQ(offset.y, c.dy) << c.height;
    }
}

TEST(Text2DLayout, RasterOriginIsOnePixelLeftWithTheBaselineAFontHeightDown) {
    // 1024 x 768: the Times font is 32 high, so text at y = 200 has its baseline on row 232 from the top.
    SetWindowSize(1024, 768);
    TextPoint origin = TextRasterOrigin(100, 200);
    EXPECT_EQ(origin.x, 99);
    EXPECT_EQ(origin.y, 535);
    EXPECT_EQ(768 - 1 - origin.y, 232);

    SetWindowSize(800, 600);
    origin = TextRasterOrigin(0, 0);
    EXPECT_EQ(origin.x, -1);
    EXPECT_EQ(origin.y, 600 - 25 - 1);

    // The font height is an integer division of the layout width: 1000 / 32 is 31.
    SetWindowSize(1000, 750);
    EXPECT_EQ(TextRasterOrigin(10, 10).y, 750 - 31 - 10 - 1);

    // 1920 x 1080: the 1440 x 1080 area starts 240 pixels in, and the font is 45 high.
    SetWindowSize(1920, 1080);
    origin = TextRasterOrigin(100, 200);
    EXPECT_EQ(origin.x, 240 + 100 - 1);
    EXPECT_EQ(origin.y, 1080 - 200 - 45 - 1);
    // 1280 x 1024: the 1280 x 960 area starts 32 rows down.
    SetWindowSize(1280, 1024);
    EXPECT_EQ(TextRasterOrigin(0, 0).y, 1024 - 32 - 40 - 1);

    // Text below the window lands below row 0 rather than wrapping round.
    SetWindowSize(1024, 768);
    EXPECT_EQ(TextRasterOrigin(5, 2000).y, 768 - 32 - 2000 - 1);
    origin = TextRasterOrigin(INT_MIN, INT_MIN);
    EXPECT_EQ(origin.x, INT_MIN);
    EXPECT_EQ(origin.y, INT_MAX);
}
