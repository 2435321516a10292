// What is read with doubt: one row per mistake that hand-edited IOB files
// really hold, the line as it stands and the report's exact words. The
// output bytes follow the reading rules as before; only the report speaks.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <iob/report_text.h>

#include "conversion_run.h"

using namespace iob;

namespace {

// A PLH line of the short layout, 74 columns: name in 11-22, latitude in
// 24-40, longitude in 42-58, height in 60-71, unit in 73-74.
const std::string kPlh = " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft";

// kPlh with `text` written over it from column `column` (1-based).
std::string PlhWith(int column, const std::string& text) {
    std::string line = kPlh;
    line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
    return line;
}

// A PLO line of the long layout, 92 columns: name in 11-41, written as its
// first 15 bytes, "RIVERSIDE CONTR"; height in 79-90, unit in 92-93.
const std::string kPloLong =
    " PLO     *RIVERSIDE CONTROL MONUMENT 7    S 33 51  4.123400 E151 12 36.000000       58.200 m";

// Observation records of the short layout, which the single-line syntax
// reads: names in 11-22 and 24-35, the distance in 50-64 and its unit in
// 77-78; an angle's degrees in 51-53, minutes 55-56, seconds 58-64; an HT
// height in 24-33, its unit in 35-36.
const std::string kDist = " DIST     A-1          B-2                             1852.1234     0.0030 m";
const std::string kAzim = " AZIM     A-1          B-2                         45 10    30.0        2.0";
const std::string kZang = " ZANG     A-1          B-2                         89 59    58.0        3.0       0.13";
const std::string kHt = " HT       B-2               1.650 m";

std::string With(std::string line, int column, const std::string& text) {
    line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
    return line;
}

const std::string kBeyondRange =
    ", beyond its angle's range (minutes and seconds below 60, degrees to 90, 180 or 360), "
    "taken as it stands";

}  // namespace

TEST(ReadWithDoubt, EachMistakeIsNamedWithItsLineColumnsAndText) {
    const struct {
        const char* what;
        std::string iob;
        std::vector<std::string> doubts;
        OutputSyntax syntax = OutputSyntax::kCompact;  // the compact syntax reads no observation
    } cases[] = {
        {"a decimal comma",
         IobLines({PlhWith(32, "12,345600")}),
         {"'12,345600' in columns 32-40 on line 1, read as 12"}},
        {"no digit at all",
         IobLines({PlhWith(32, "abcdefghi")}),
         {"'abcdefghi' in columns 32-40 on line 1, read as 0"}},
        {"a blank field is no doubt", IobLines({PlhWith(60, "            ")}), {}},
        {"right-aligned numbers as laid out are no doubt", IobLines({kPlh}), {}},
        {"a description after the unit is no doubt", IobLines({kPlh + "  layer 3 description"}), {}},
        {"a mistyped unit code",
         IobLines({PlhWith(73, "fr")}),
         {"unit code 'fr' in columns 73-74 on line 1 is neither in the unit table nor the LUNT record's: its values "
          "took the custom factor 1"}},
        {"minutes of 75, seconds of 61",
         IobLines({PlhWith(29, "75"), PlhWith(50, "61.876543").replace(10, 7, "BM-2042")}),
         {"'75' in columns 29-30 on line 1" + kBeyondRange, "'61.876543' in columns 50-58 on line 2" + kBeyondRange}},
        {"latitude 90, longitude 180, their bounds, are no doubt",
         IobLines({PlhWith(26, "90"), PlhWith(43, "180").replace(10, 7, "BM-2042")}),
         {}},
        {"latitude 91, longitude 181",
         IobLines({PlhWith(26, "91"), PlhWith(43, "181").replace(10, 7, "BM-2042")}),
         {"'91' in columns 25-27 on line 1" + kBeyondRange, "'181' in columns 43-45 on line 2" + kBeyondRange}},
        {"a byte in a column between two fields",
         IobLines({PlhWith(41, "0")}),
         {"'0' in column 41 on line 1, between two fields, was not read: is a field shifted by a column?"}},
        {"a NUL byte",
         IobLines({PlhWith(36, std::string(1, '\0'))}),
         {"a NUL byte in column 36 on line 1: the rest of the line was not read"}},
        {"data after Ctrl-Z",
         IobLines({kPlh, "\x1a" + PlhWith(11, "BM-2042")}),
         {"a Ctrl-Z byte (0x1A) on line 2 ends the data: 1 non-blank line after it was not read"}},
        {"an infinite height",
         IobLines({PlhWith(60, "   1.0E999  ")}),
         {"'1.0E999' in columns 60-71 on line 1 reads as infinite"}},
        {"a control byte in a name",
         IobLines({PlhWith(14, "\x01")}),
         {"name 'BM-\\x01041' in columns 11-22 on line 1 holds a control byte, written as it stands"}},
        {"a station given twice",
         IobLines({kPlh, kPlh}),
         {"station 'BM-2041' on line 1 and again on line 2, at the same position"}},
        {"a long name given twice, and again elsewhere",
         IobLines({kPloLong, kPloLong, kPloLong.substr(0, 84) + "59.200 m"}),
         {"station 'RIVERSIDE CONTR' on line 1 and again on line 2, at the same position",
          "station 'RIVERSIDE CONTR' on line 1 and again on line 3, at another position"}},
        {"a short name of the long layout given twice",
         IobLines({kPloLong.substr(0, 10) + "SHORT ONE" + std::string(22, ' ') + kPloLong.substr(41),
                   kPloLong.substr(0, 10) + "SHORT ONE" + std::string(22, ' ') + kPloLong.substr(41)}),
         {"station 'SHORT ONE' on line 1 and again on line 2, at the same position"}},
        {"a DXYZ value with its unit one column early",
         IobLines({" DXYZ     A            B               1234.5678   -2345.6789      345.1234 m"}),
         {"'345.1234 m' in columns 65-77 on line 1, read as 345.1234"}},
        {"a decimal comma in a distance",
         IobLines({With(kDist, 56, "1852,1234")}),
         {"'1852,1234' in columns 50-64 on line 1, read as 1852"},
         OutputSyntax::kSingleLine},
        {"a byte between the names and the distance",
         IobLines({With(kDist, 40, "x")}),
         {"'x' in column 40 on line 1, between two fields, was not read: is a field shifted by a column?"},
         OutputSyntax::kSingleLine},
        {"azimuth minutes of 75, a zenith angle of 200 degrees",
         IobLines({With(kAzim, 55, "75"), With(kZang, 51, "200")}),
         {"'75' in columns 55-56 on line 1" + kBeyondRange, "'200' in columns 51-53 on line 2" + kBeyondRange},
         OutputSyntax::kSingleLine},
        {"an azimuth of 360 degrees, its bound, is no doubt",
         IobLines({With(kAzim, 51, "360")}),
         {},
         OutputSyntax::kSingleLine},
        {"a mistyped unit of a target height",
         IobLines({With(kHt, 35, "fr")}),
         {"unit code 'fr' in columns 35-36 on line 1 is neither in the unit table nor the LUNT record's: its values "
          "took the custom factor 1"},
         OutputSyntax::kSingleLine},
    };
    for (const auto& c : cases) {
        const Conversion run = Convert(c.iob, c.syntax);
        EXPECT_EQ(run.result, 0) << c.what;
        EXPECT_EQ(iob::DoubtItems(run.report), c.doubts) << c.what;
        if (c.syntax != OutputSyntax::kCompact) {
            EXPECT_TRUE(DoubtItems(Convert(c.iob).report).empty()) << c.what;
        }
    }
}
