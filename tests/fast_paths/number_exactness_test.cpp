// Numbers read and written exactly: ParseNumber as strtod reads, the fixed
// notation shortcut as to_chars (printf's %f) writes, or it declines.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "parse_text.h"
#include "writing/fixed_notation.h"

using namespace iob;

namespace {

std::string Fixed(double value, int decimals) {
    char digits[400];
    std::to_chars_result converted =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return std::string(digits, converted.ptr);
}

// What WriteShortFixed writes, appended to `out`; false when it declines.
bool AppendShortFixed(std::string& out, double value, int decimals) {
    char text[kShortFixedMaxLength];
    char* end = WriteShortFixed(text, value, decimals);
    if (end != nullptr) out.append(text, end);
    return end != nullptr;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Decimals of up to 25 digits with exponents up to +/-350: the numbers of
// IOB fields, overflow to infinity and underflow to 0 or a denormal among them.
TEST(ParseNumber, AgreesWithStrtodOnRandomDecimals) {
    std::mt19937_64 random(6);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        int digits = 1 + static_cast<int>(random() % 25);
        int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
        for (int k = 0; k < digits; ++k) {
            if (k == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2 == 0) {
            const unsigned range = random() % 8 == 0 ? 701 : 41;
            const int exponent = static_cast<int>(random() % range) - static_cast<int>(range / 2);
            text += (random() % 2 ? "e" : "E") + std::to_string(exponent);
        }
        ++checked;
        ASSERT_TRUE(SameBits(ParseNumber(text.c_str()), std::strtod(text.c_str(), nullptr))) << text;
    }
    EXPECT_EQ(checked, 200000);
}

TEST(WriteShortFixed, WritesAsPrintfDoes) {
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

TEST(WriteShortFixed, DeclinesWhatDoesNotFit) {
    std::string out;
    EXPECT_FALSE(AppendShortFixed(out, 2e7, 12));  // 2e19 units of the last decimal
    EXPECT_FALSE(AppendShortFixed(out, 1e300, 4));
    EXPECT_FALSE(AppendShortFixed(out, INFINITY, 4));
    EXPECT_FALSE(AppendShortFixed(out, NAN, 4));
    EXPECT_FALSE(AppendShortFixed(out, 1.0, 13));
    EXPECT_EQ(out, "");
}

TEST(WriteShortFixed, AgreesWithToCharsOnRandomDoubles) {
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
