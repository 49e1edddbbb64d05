#include "assets/text_scan.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace {

float ScanFloat(const std::string& text) {
    TextScan scan(text.data(), text.size());
    float value = -123.0f;
    EXPECT_EQ(scan.Scan("%f", &value), 1) << text;
    return value;
}

} // namespace

// The ranges beyond a float are in the number table below.
TEST(TextScanFloat, TooSmallKeepsItsSignAndDenormalsAreInRange) {
    const float tiny = ScanFloat("-1e-50");
    EXPECT_TRUE(tiny == 0.0f && std::signbit(tiny));
    EXPECT_GT(ScanFloat("1.5e-42"), 0.0f);
}

TEST(TextScan, WhiteSpaceInThePatternMatchesAnyRunOrNone) {
    int32_t a = 0, b = 0;
    const std::string text = "Objects:\t\r\n  3,7";
    TextScan scan(text.data(), text.size());
    EXPECT_EQ(scan.Scan("Objects: %d , %d", &a, &b), 2);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 7);
    EXPECT_TRUE(scan.AtEnd());
}

TEST(TextScan, AMismatchStopsWhereItFailedAndKeepsWhatWasRead) {
    int32_t a = -1, b = -1;
    const std::string text = "Size 4 Width 9";
    TextScan scan(text.data(), text.size());
    EXPECT_EQ(scan.Scan("Size %d Height %d", &a, &b), 1);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, -1);
    // The next pattern is tried from the word that did not match.
    EXPECT_EQ(scan.Scan("Width %d", &b), 1);
    EXPECT_EQ(b, 9);
    // A number that is not there stores nothing and is no end of input.
    const std::string word = "x";
    TextScan other(word.data(), word.size());
    EXPECT_EQ(other.Scan("%d", &a), 0);
    EXPECT_EQ(other.Remaining(), 1u);
}

TEST(TextScan, InputEndingBeforeTheFirstValueIsMinusOne) {
    int32_t a = 0;
    TextScan empty(nullptr, 0);
    EXPECT_EQ(empty.Scan("%d", &a), -1);
    const std::string blank = "  \n ";
    TextScan spaces(blank.data(), blank.size());
    EXPECT_EQ(spaces.Scan(" %d", &a), -1);
    // The buffer has no terminator: a number running to its end is read whole.
    const char digits[] = {'1', '2'};
    TextScan cut(digits, sizeof digits);
    EXPECT_EQ(cut.Scan("%d", &a), 1);
    EXPECT_EQ(a, 12);
}

TEST(TextScan, WordsAreCutToTheirWidthAndAlwaysTerminated) {
    char word[5];
    std::memset(word, 'z', sizeof word);
    const std::string text = "Textures/Ground.tga next";
    TextScan scan(text.data(), text.size());
    EXPECT_EQ(scan.Scan("%4s", word), 1);
    EXPECT_STREQ(word, "Text");
    // The rest of the cut word is what the next directive sees.
    char rest[32];
    EXPECT_EQ(scan.Scan("%31s", rest), 1);
    EXPECT_STREQ(rest, "ures/Ground.tga");
}

// Text, what the pattern stores (nothing for a refusal) and the bytes left behind.
template <typename T>
struct NumberCase {
    const char* text;
    std::optional<T> value;
    size_t left;
};

template <typename T>
void ExpectNumbers(const char* pattern, std::initializer_list<NumberCase<T>> cases) {
    for (const NumberCase<T>& c : cases) {
        TextScan scan(c.text, std::strlen(c.text));
        T value = T(-99);
        EXPECT_EQ(scan.Scan(pattern, &value), c.value ? 1 : 0) << c.text;
        EXPECT_EQ(value, c.value.value_or(T(-99))) << c.text;
        EXPECT_EQ(scan.Remaining(), c.left) << c.text;
    }
}

TEST(TextScan, NumberEdges) {
    ExpectNumbers<int32_t>("%d", {{"+5", 5, 0},
                                  {"-0", 0, 0},
                                  {"007", 7, 0},
                                  {"2147483647", 2147483647, 0},
                                  {"-2147483648", INT32_MIN, 0},
                                  {"2147483648", std::nullopt, 10},
                                  {"+", std::nullopt, 1},
                                  {"-", std::nullopt, 1},
                                  {"+-3", std::nullopt, 3},
                                  {"12abc", 12, 3},
                                  {"0x10", 0, 3},
                                  {"3.7", 3, 2}});
    ExpectNumbers<float>("%f", {{"+.5", 0.5f, 0},
                                {".5", 0.5f, 0},
                                {"5.", 5.0f, 0},
                                {"-2.25e1", -22.5f, 0},
                                {"1e", 1.0f, 1},
                                {"1e+", 1.0f, 2},
                                {"+", std::nullopt, 1},
                                {".", std::nullopt, 1},
                                {"-.e3", std::nullopt, 4},
                                {"2,5", 2.0f, 2},
                                // Out of range saturates the way the C library does, the whole number read.
                                {"1e-50", 0.0f, 0},
                                {"0.00000000000000000000000000000000000000000000000001", 0.0f, 0},
                                {"12345e-99999999999", 0.0f, 0},
                                {"1e-50 7", 0.0f, 2},
                                {"1e50", HUGE_VALF, 0},
                                {"-3.5e39", -HUGE_VALF, 0},
                                {"1000000000000000000000000000000000000000000", HUGE_VALF, 0},
                                {"0.0001e45", HUGE_VALF, 0}});
}
