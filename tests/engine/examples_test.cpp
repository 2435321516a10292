// Every file in examples/ converts to its expected output, byte for byte.
#include <filesystem>
#include <gtest/gtest.h>

#include "conversion_run.h"
#include "file_bytes.h"

using namespace iob;

namespace {

class Example : public testing::TestWithParam<std::string> {};

TEST_P(Example, GivesItsExpectedOutput) {
    std::filesystem::path iob = std::filesystem::path(IOB_EXAMPLES_DIR) / (GetParam() + ".iob");
    Conversion run = Convert(ReadFileBytes(iob));
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.output, ReadFileBytes(iob.replace_extension(".txt")));
}

INSTANTIATE_TEST_SUITE_P(Examples, Example,
                         testing::Values("header", "stations", "vector", "vector-diag", "network", "genc-ct-uppr",
                                         "cov-lg-diag", "wgt-diag", "wgt-uppr", "height-terms", "corr"));

// Examples written in the single-line syntax. terrestrial.txt, worked out by hand:
//   no ELIP record: one blank line, then _DATUM of NAD 83 (a = 6378137.0000,
//   1/f = 298.2572221) and _UNITS; M; D;
//   fix flags "111" fix all of BM-1, "0 1" the height of STN-2 ("0" and blank
//   are free), "11 " the latitude and longitude of the long-layout station,
//   whose name is cut to 15: MILLBROOK WATER;
//   DIST 1234.5678 m, SD 0.0030 m, IH of BM-1 1.500 (HI), TH of STN-2 1.650 (HT);
//   AZIM S 210 15 30.5: 210 + 180 = 390, modulo 360 gives 30 -> 30.1530500000, SD 2.5000;
//   ZANG 89 59 58.0 -> 89.5958000000 after _REFRACTION; 0.13000;
//   the GPS group of one vector, DIAG covariances 4e-6, 9e-6, 1.6e-5 m^2 and zeros;
//   HI of BM-1 becomes 1.600; ZANG 90 00 12.0 -> 90.0012000000 with coefficient
//   0.30, above 0.23, so _REFRACTION; 0.23000; TH of MILLBROOK WATER 2.000 ft = 0.60960 m;
//   ANGL at STN-2 (no HI: 0.00000) from BM-1 to MILLBROOK WATER: 123 45 6.7 ->
//   123.4506700000, SD 1.5000, written at; to; backsight;
//   DIST 500.000 ft = 152.40000 m, SD 0.010 ft = 0.003048 -> 0.00305 m.
class SingleLineExample : public testing::TestWithParam<std::string> {};

TEST_P(SingleLineExample, GivesItsExpectedOutput) {
    std::filesystem::path iob = std::filesystem::path(IOB_EXAMPLES_DIR) / (GetParam() + ".iob");
    Conversion run = Convert(ReadFileBytes(iob), OutputSyntax::kSingleLine);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.output, ReadFileBytes(iob.replace_extension(".txt")));
}

INSTANTIATE_TEST_SUITE_P(Examples, SingleLineExample, testing::Values("terrestrial", "unconverted-observations"));

}  // namespace
