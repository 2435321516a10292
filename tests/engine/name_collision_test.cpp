#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"

using namespace iob;

namespace {

std::string LongNamed(const std::string& name) {
    Station station = Riverside();
    station.name = name;
    return LongStation(station);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

const std::string kMonument7 = "RIVERSIDE CONTROL MONUMENT 7";
const std::string kMonument8 = "RIVERSIDE CONTROL MONUMENT 8";
const std::string kAlike = " would both be written as 'RIVERSIDE CONTR'";

// Names cut to 15 bytes that would merge two stations end the conversion
// before the lines that would hold them: every station line, or the group.
TEST(NamesWrittenAlike, EndTheConversionBeforeTheirLines) {
    const struct {
        std::vector<std::string> records;
        std::string message;  // empty: converts
        std::size_t stationLines, vectorLines;
    } cases[] = {
        {{LongNamed(kMonument7), LongNamed(kMonument8)},
         "Station names '" + kMonument7 + "' on line 1 and '" + kMonument8 + "' on line 2" + kAlike,
         0,
         0},
        {{LongNamed("RIVERSIDE CONTR"), ShortStation(BenchMark()), LongNamed(kMonument7)},
         "Station names 'RIVERSIDE CONTR' on line 1 and '" + kMonument7 + "' on line 3" + kAlike,
         0,
         0},
        {{LongNamed(kMonument7), Dxyz("A", "B"), Elem({"1", "0", "0"}), Elem({"1", "0", "1"}),
          LongDxyz("P", kMonument8)},
         "Station names '" + kMonument7 + "' on line 1 and '" + kMonument8 + "' on line 5" + kAlike,
         1,
         1},
        {{LongDxyz(kMonument8, kMonument7)},
         "Station names '" + kMonument8 + "' on line 1 and '" + kMonument7 + "' on line 1" + kAlike,
         0,
         0},
        // The same name again, or the same once trimmed, is one station.
        {{LongNamed(kMonument7), LongNamed("   " + kMonument7), LongDxyz(kMonument7, "B"), Elem({"1", "0", "0"}),
          Elem({"1", "0", "1"})},
         "",
         2,
         1},
    };
    for (const auto& c : cases) {
        Conversion run = Convert(IobLines(c.records));
        if (c.message.empty()) {
            EXPECT_EQ(run.result, 0);
            EXPECT_TRUE(run.messages.empty());
        } else {
            EXPECT_EQ(run.result, 5118) << c.message;
            ASSERT_EQ(run.messages.size(), 1u) << c.message;
            EXPECT_EQ(run.messages[0].text, c.message);
        }
        EXPECT_EQ(Count(run.output, "$GEO_COMPACT; "), c.stationLines) << c.message;
        EXPECT_EQ(Count(run.output, "$GPS_COMPACT; "), c.vectorLines) << c.message;
    }
}

}  // namespace
