// The single-line syntax beyond its examples: the refraction coefficient's
// rule, the names of observations, and its report (the doubts in its fields
// are rows of doubt_test.cpp).
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <iob/report_text.h>

#include "conversion_run.h"
#include "file_bytes.h"

using namespace iob;

namespace {

// Observation records of the short layout, as laid out: names in 11-22 and
// 24-35; the distance in 50-64 and its unit in 77-78; an angle's sign or
// reference in 50, degrees 51-53, minutes 55-56, seconds 58-64, its SD in
// 66-75; a ZANG coefficient in 77-86.
const std::string kDist = " DIST     A-1          B-2                             1852.1234     0.0030 m";
const std::string kAzim = " AZIM     A-1          B-2                         45 10    30.0        2.0";
const std::string kZang = " ZANG     A-1          B-2                         89 59    58.0        3.0       0.13";

std::string With(std::string line, int column, const std::string& text) {
    line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
    return line;
}

// The lines of `output` that begin with `keyword`, without their CR LF.
std::vector<std::string> LinesOf(const std::string& output, const std::string& keyword) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < output.size();) {
        const std::size_t end = output.find("\r\n", at);
        const std::string line = output.substr(at, end - at);
        if (line.rfind(keyword, 0) == 0) lines.push_back(line);
        at = end + 2;
    }
    return lines;
}

}  // namespace

TEST(SingleLineRefraction, CoefficientsBelowTheRangeAreNoneAndAboveItTheMost) {
    const struct {
        std::string coefficient;  // columns 77-86
        std::string written;
    } cases[] = {
        {"          ", "_REFRACTION; 0.00000"}, {"     0.029", "_REFRACTION; 0.00000"},
        {"      0.03", "_REFRACTION; 0.03000"}, {"   0.14255", "_REFRACTION; 0.14255"},
        {"      0.23", "_REFRACTION; 0.23000"}, {"     0.231", "_REFRACTION; 0.23000"},
    };
    for (const auto& c : cases) {
        const Conversion run = Convert(IobLines({With(kZang, 77, c.coefficient)}), OutputSyntax::kSingleLine);
        EXPECT_EQ(LinesOf(run.output, "_REFRACTION"), std::vector<std::string>{c.written}) << c.coefficient;
    }
    // Written again only when it changes.
    const Conversion run =
        Convert(IobLines({kZang, kZang, With(kZang, 77, "      0.20"), kZang}), OutputSyntax::kSingleLine);
    EXPECT_EQ(LinesOf(run.output, "_REFRACTION"),
              (std::vector<std::string>{"_REFRACTION; 0.13000", "_REFRACTION; 0.20000", "_REFRACTION; 0.13000"}));
}

TEST(SingleLineNames, ObservationNamesAreCheckedAsStationNamesAre) {
    const std::string longDist = " DIST    *RIVERSIDE CONTROL MONUMENT 7    B-2                                     "
                                 "1852.123     0.003 m";
    const std::string longPlh = " PLH     *RIVERSIDE CONTROL MONUMENT 8    N 45 30  0.000000 W 75  0  0.000000"
                                "       10.000 m";
    const struct {
        std::vector<std::string> lines;
        std::string message;
    } cases[] = {
        {{With(kDist, 24, "B;2")}, "Station name 'B;2' on line 1 contains ';', which a QUORVANE file cannot hold"},
        {{longPlh, longDist},
         "Station names 'RIVERSIDE CONTROL MONUMENT 8' on line 1 and 'RIVERSIDE CONTROL MONUMENT 7' on line 2 would "
         "both be written as 'RIVERSIDE CONTR'"},
    };
    for (const auto& c : cases) {
        const Conversion run = Convert(IobLines(c.lines), OutputSyntax::kSingleLine);
        ASSERT_EQ(run.messages.size(), 1U) << c.message;
        EXPECT_EQ(run.messages[0].text, c.message);
        EXPECT_TRUE(LinesOf(run.output, "_OBS_AZ_SET").empty()) << c.message;
    }
}

TEST(SingleLineReport, AnglesBesideGeoiRecordsGetANote) {
    const std::string geoi = " GEOI     A-1                 1.5       -2.0";
    const Conversion singleLine = Convert(IobLines({geoi, kAzim, kDist}), OutputSyntax::kSingleLine);
    EXPECT_EQ(ReportNotes(singleLine.report),
              (std::vector<std::string>{"No ELIP record: the default datum NAD 83 was written",
                                        "The GEOI records were not converted: the angular observations are adjusted "
                                        "without their deflections of the vertical"}));
    EXPECT_EQ(ReportSummary(singleLine.report), "0 stations, 0 GPS vectors in 0 groups, 2 terrestrial observations");
    EXPECT_EQ(UnconvertedItems(singleLine.report), std::vector<std::string>{"1 GEOI record (line 1)"});
    // No angle written, no note.
    EXPECT_EQ(ReportNotes(Convert(IobLines({geoi, kDist}), OutputSyntax::kSingleLine).report).size(), 1U);
}

TEST(SingleLineReport, EachKindThatStaysUnconvertedIsNamed) {
    const Conversion run =
        Convert(ReadFileBytes(std::filesystem::path(IOB_EXAMPLES_DIR) / "unconverted-observations.iob"),
                OutputSyntax::kSingleLine);
    EXPECT_EQ(
        UnconvertedItems(run.report),
        (std::vector<std::string>{
            "1 ANGT record (line 3)", "1 SIGM record (line 6)", "1 GEOI record (line 7)", "1 DIR record (line 13)",
            "1 DSET record (line 14)", "1 OHDF record (line 15)", "1 EHDF record (line 16)", "1 OHGT record (line 17)",
            "1 EHGT record (line 18)",
            "1 DIST record naming a sigma record in columns 7-9 (line 8): its standard deviation would lack the "
            "sigma record's part",
            "1 negative zenith angle (line 10)",
            "2 angular observations (first on line 11): the ANGT record on line 3 may set another angle unit than "
            "degrees, and it is not read"}));
    EXPECT_EQ(run.report.written.observations, 1);
}
