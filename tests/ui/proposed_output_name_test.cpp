// The output name proposed for an IOB file, as Linux splits folders.
#include <gtest/gtest.h>

#include "proposed_output_name.h"

TEST(ProposedOutputName, IsTheIobFilesFolderAndBaseNameWithTxt) {
    const char* const cases[][2] = {
        {"/jobs/net.iob", "/jobs/net.txt"},
        {"/jobs.v2/net", "/jobs.v2/net.txt"},
        {" net.a.IOB\t", "net.a.txt"},
        {"/jobs/.iob", "/jobs/.iob.txt"},
        {"c:\\jobs.v2\\net", "c:\\jobs.txt"},
        {"/jobs/net.Txt", ""},
        {"/jobs/", ""},
        {" ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ProposedOutputName(c[0]), c[1]) << c[0];
}
