#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "parse_text.h"
#include "writing/fixed_notation.h"

using namespace iob;

namespace {

TEST(ParseNumber, DExponent) { EXPECT_EQ(ParseNumber("1.5D+02"), 150.0); }
TEST(ParseNumber, LowerCaseDExponent) { EXPECT_EQ(ParseNumber("4.0d-06"), 4.0e-06); }
TEST(ParseNumber, DExponentAfterMoreDigitsThanAFieldHolds) {
    EXPECT_EQ(ParseNumber(("   25" + std::string(200, '0') + "D-201").c_str()), 2.5);
    EXPECT_EQ(ParseNumber(("   -25" + std::string(90, '0') + "D-91").c_str()), -2.5);
}
TEST(ParseNumber, LeadingBlanksAndTrailingJunk) { EXPECT_EQ(ParseNumber("  -12.5abc"), -12.5); }
// Right-aligned fields: runs of spaces shorter, as long as and longer than a
// word of 8 bytes, spaces mixed with tabs, and a field of spaces only.
TEST(ParseNumber, SpacesBeforeTheNumberInAField) {
    struct Case {
        std::string field;
        double value;
    };
    for (const Case& c : std::vector<Case>{{"       7", 7.0},
                                           {"        8", 8.0},
                                           {std::string(17, ' ') + "-9.5", -9.5},
                                           {"   \t    \t  1e2", 100.0},
                                           {"         \t", 0.0},
                                           {std::string(23, ' '), 0.0}}) {
        EXPECT_EQ(ParseNumber(c.field.data(), c.field.data() + c.field.size()), c.value) << '"' << c.field << '"';
    }
    // The field ends where its bytes end, even inside a word of spaces.
    const char text[] = "     3";
    EXPECT_EQ(ParseNumber(text, text + 5), 0.0);
}
TEST(ParseNumber, NoDigitIsZero) {
    EXPECT_EQ(ParseNumber("abc"), 0.0);
    EXPECT_EQ(ParseNumber("    "), 0.0);
    EXPECT_EQ(ParseNumber("-."), 0.0);
    EXPECT_FALSE(std::signbit(ParseNumber("-")));
}
TEST(ParseNumber, PlusSign) { EXPECT_EQ(ParseNumber("+7"), 7.0); }
TEST(ParseNumber, TwoSignsAreNoNumber) {
    for (const char* text : {"+-1", "-+1", "++1", "--1", "  +-1.5", "+-.5"}) {
        EXPECT_EQ(ParseNumber(text), 0.0) << text;
        EXPECT_FALSE(std::signbit(ParseNumber(text))) << text;
    }
}
TEST(ParseNumber, PointBeforeOrAfterTheDigits) {
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("1.2.3"), 1.2);
}
TEST(ParseNumber, NegativeZero) {
    EXPECT_EQ(ParseNumber("-0"), 0.0);
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
}
TEST(ParseNumber, ExponentWithoutDigitsIsIgnored) {
    EXPECT_EQ(ParseNumber("1.5e"), 1.5);
    EXPECT_EQ(ParseNumber("1.5E+"), 1.5);
    EXPECT_EQ(ParseNumber("2e+-3"), 2.0);
}
TEST(ParseNumber, NoInfNanOrHex) {
    EXPECT_EQ(ParseNumber("inf"), 0.0);
    EXPECT_EQ(ParseNumber("nan"), 0.0);
    EXPECT_EQ(ParseNumber("0x10"), 0.0);
    EXPECT_EQ(ParseNumber("1x10"), 1.0);
}
TEST(ParseNumber, OverflowGivesInfinity) {
    EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("-1D999"), -std::numeric_limits<double>::infinity());
}
TEST(ParseNumber, UnderflowGivesZeroOrDenormal) {
    EXPECT_EQ(ParseNumber("1e-999"), 0.0);
    EXPECT_EQ(ParseNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
}
TEST(ParseNumber, NearestDouble) { EXPECT_EQ(ParseNumber("298.2572221"), 298.2572221); }

std::string Fixed(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}

TEST(AppendFixed, RoundsAsPrintfDoes) {
    EXPECT_EQ(Fixed(37.6293888, 5), "37.62939");
    EXPECT_EQ(Fixed(0.5, 0), "0");
    EXPECT_EQ(Fixed(2.5, 0), "2");
    EXPECT_EQ(Fixed(1e-7, 7), "0.0000001");
    EXPECT_EQ(Fixed(-75.0559876543, 10), "-75.0559876543");
}
TEST(AppendFixed, NegativeZeroKeepsItsSign) { EXPECT_EQ(Fixed(-0.0, 5), "-0.00000"); }
TEST(AppendFixed, NonFinite) {
    EXPECT_EQ(Fixed(std::numeric_limits<double>::infinity(), 4), "inf");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 4), "-inf");
    EXPECT_EQ(Fixed(std::nan(""), 4), "nan");
    EXPECT_EQ(Fixed(-std::nan(""), 4), "-nan");
}
TEST(AppendFixed, HugeValueHasAllItsDigits) { EXPECT_EQ(Fixed(1e300, 2).size(), 301u + 3u); }

}  // namespace
