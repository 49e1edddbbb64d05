#include "assets/text_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

float ScanFloat(const std::string& text, size_t* left = nullptr) {
    TextScan scan(text.data(), text.size());
    float value = -123.0f;
    EXPECT_EQ(scan.Scan("%f", &value), 1) << text;
    if (left) *left = scan.Remaining();
    return value;
}

} // namespace

TEST(TextScanFloat, OutOfRangeValuesSaturateTheWayTheCLibraryDoes) {
    // Too small for a float reads as zero with its sign, not as infinity.
    EXPECT_EQ(ScanFloat("1e-50"), 0.0f);
    EXPECT_TRUE(std::signbit(ScanFloat("-1e-50")));
    EXPECT_EQ(ScanFloat("-1e-50"), 0.0f);
    EXPECT_EQ(ScanFloat("0.00000000000000000000000000000000000000000000000001"), 0.0f);
    EXPECT_EQ(ScanFloat("12345e-99999999999"), 0.0f);
    // Too large is infinity.
    EXPECT_EQ(ScanFloat("1e50"), HUGE_VALF);
    EXPECT_EQ(ScanFloat("-3.5e39"), -HUGE_VALF);
    EXPECT_EQ(ScanFloat("1000000000000000000000000000000000000000000"), HUGE_VALF);
    EXPECT_EQ(ScanFloat("0.0001e45"), HUGE_VALF);
    // Either way the whole number is consumed.
    size_t left = 0;
    ScanFloat("1e-50 7", &left);
    EXPECT_EQ(left, 2u);
    // Denormals are still in range.
    EXPECT_GT(ScanFloat("1.5e-42"), 0.0f);
}
