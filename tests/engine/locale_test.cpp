// Numbers keep their point under a locale whose decimal separator is a comma.
// The numbers have more than 19 digits, so that they take the general path
// through the C library, where a locale-bound strtod would stop at the point.
#include <clocale>
#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"
#include "parse_text.h"

using namespace iob;

namespace {

#ifdef _WIN32
constexpr char kGerman[] = "German_Germany.1252";
#else
constexpr char kGerman[] = "de_DE.UTF-8";
#endif

class GermanLocale : public testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, kGerman) == nullptr) {
            FAIL() << "locale " << kGerman << " is missing; on Linux ./test generates it (locale-gen)";
        }
        ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(GermanLocale, NumbersAreReadWithAPoint) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.5D+02", 150.0},
        {"1.2345678901234567890123e-30", 1.2345678901234567890123e-30},
        {"-98765.432109876543210987D+3", -98765.432109876543210987e+3},
        {"0.000000000000000000004000000001", 4.000000001e-21},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
}

TEST_F(GermanLocale, ConversionIsByteIdentical) {
    const std::string iob = IobLines({
        " ELIP GRS 1980           6378137.000  6356752.3141",
        " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft",
        " DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m",
        " COV  CT                        2.0   0.000001                   1.0                       m",
        " ELEM 4.000000000000000001D-6                 5.0E-07                -3.0E-07 m",
        " ELEM                 9.0E-06                 7.0E-07                 1.6E-05 m",
    });
    std::string german = Convert(iob).output;
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(german, Convert(iob).output);
    EXPECT_NE(german.find("  6378137.0000\r\n  298.2572215\r\n"), std::string::npos);
    EXPECT_NE(german.find("; 37.62939; "), std::string::npos);
}

}  // namespace
