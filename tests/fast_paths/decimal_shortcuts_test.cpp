// The shortcuts give exactly what the general paths give: strtod for
// reading, to_chars (printf's %f) for writing, or they decline.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "decimal_shortcuts.h"

using namespace iob;

namespace {

bool Read(const std::string& text, double& value) {
    return ReadShortDecimal(text.data(), text.data() + text.size(), value);
}

std::string Fixed(double value, int decimals) {
    char digits[400];
    std::to_chars_result converted =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return std::string(digits, converted.ptr);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(ReadShortDecimal, ReadsTheNumbersOfIobFields) {
    double value = 0.0;
    ASSERT_TRUE(Read("    1234.5678", value));
    EXPECT_TRUE(SameBits(value, 1234.5678));
    ASSERT_TRUE(Read("  -4.0D-06", value));
    EXPECT_TRUE(SameBits(value, -4.0e-6));
    ASSERT_TRUE(Read("\t+.5e+3x", value));
    EXPECT_EQ(value, 500.0);
    ASSERT_TRUE(Read("1.5e", value));  // no exponent digit: the number ends before the letter
    EXPECT_EQ(value, 1.5);
    ASSERT_TRUE(Read("-0", value));
    EXPECT_TRUE(std::signbit(value));
}

TEST(ReadShortDecimal, StopsAtTheEndItIsGiven) {
    const char field[] = "12345";
    double value = 0.0;
    ASSERT_TRUE(ReadShortDecimal(field, field + 3, value));
    EXPECT_EQ(value, 123.0);
}

TEST(ReadShortDecimal, DeclinesWhatOneRoundingCannotGive) {
    double value = 7.0;
    EXPECT_FALSE(Read("", value));
    EXPECT_FALSE(Read("   .", value));
    EXPECT_FALSE(Read("abc", value));
    EXPECT_FALSE(Read("12345678901234567890", value));  // 20 digits
    EXPECT_FALSE(Read("9007199254740993", value));      // above 2^53
    EXPECT_FALSE(Read("1e23", value));
    EXPECT_FALSE(Read("1e-23", value));
    EXPECT_FALSE(Read("1e00001", value));  // five exponent digits
    EXPECT_EQ(value, 7.0);
}

TEST(ReadShortDecimal, AgreesWithStrtodOnRandomDecimals) {
    std::mt19937_64 random(6);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        int digits = 1 + static_cast<int>(random() % 18);
        int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
        for (int k = 0; k < digits; ++k) {
            if (k == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2 == 0) text += "e" + std::to_string(static_cast<int>(random() % 41) - 20);
        double value = 0.0;
        if (!Read(text, value)) continue;
        ++checked;
        ASSERT_TRUE(SameBits(value, std::strtod(text.c_str(), nullptr))) << text;
    }
    EXPECT_GT(checked, 100000);
}

TEST(AppendShortFixed, WritesAsPrintfDoes) {
    std::string out = "x";
    ASSERT_TRUE(AppendShortFixed(out, 45.30123456, 10));
    EXPECT_EQ(out, "x45.3012345600");
    out.clear();
    ASSERT_TRUE(AppendShortFixed(out, 0.125, 2));  // halves go to the even neighbour
    ASSERT_TRUE(AppendShortFixed(out, 0.375, 2));
    EXPECT_EQ(out, "0.120.38");
    out.clear();
    ASSERT_TRUE(AppendShortFixed(out, -1e-9, 5));
    EXPECT_EQ(out, "-0.00000");
    out.clear();
    ASSERT_TRUE(AppendShortFixed(out, 100.0, 4));
    EXPECT_EQ(out, "100.0000");
}

TEST(AppendShortFixed, DeclinesWhatDoesNotFit) {
    std::string out;
    EXPECT_FALSE(AppendShortFixed(out, 2e7, 12));  // 2e19 units of the last decimal
    EXPECT_FALSE(AppendShortFixed(out, 1e300, 4));
    EXPECT_FALSE(AppendShortFixed(out, INFINITY, 4));
    EXPECT_FALSE(AppendShortFixed(out, NAN, 4));
    EXPECT_FALSE(AppendShortFixed(out, 1.0, 13));
    EXPECT_EQ(out, "");
}

TEST(AppendShortFixed, AgreesWithToCharsOnRandomDoubles) {
    std::mt19937_64 random(6);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        double value;
        if (i % 2 == 0) {
            std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        } else {
            value = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 100) - 90);
            if (random() % 2 == 0) value = -value;
        }
        int decimals = 1 + static_cast<int>(random() % 12);
        std::string out;
        if (!AppendShortFixed(out, value, decimals)) continue;
        ++checked;
        ASSERT_EQ(out, Fixed(value, decimals)) << value;
    }
    EXPECT_GT(checked, 50000);
}

}  // namespace
