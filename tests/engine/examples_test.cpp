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

}  // namespace
