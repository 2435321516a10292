// Numbers keep their point under a locale whose decimal separator is a comma.
#include <clocale>
#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"
#include "number_text.h"

using namespace iob;

namespace {

class GermanLocale : public testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            FAIL() << "locale de_DE.UTF-8 is not installed; ./test generates it (locale-gen)";
        }
        ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(GermanLocale, NumbersAreReadWithAPoint) { EXPECT_EQ(ParseNumber("1.5D+02"), 150.0); }

TEST_F(GermanLocale, ConversionIsByteIdentical) {
    std::vector<std::string> records = {WorkedElip(), ShortStation(BenchMark())};
    for (const std::string& record : WorkedGroup()) records.push_back(record);
    const std::string iob = IobLines(records);
    std::string german = Convert(iob).output;
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(german, Convert(iob).output);
    EXPECT_NE(german.find("  6378137.0000\r\n  298.2572215\r\n"), std::string::npos);
    EXPECT_NE(german.find("; 37.62939; "), std::string::npos);
}

}  // namespace
