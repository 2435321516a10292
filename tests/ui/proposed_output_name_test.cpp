// The output name proposed for an IOB file.
#include <gtest/gtest.h>

#include "proposed_output_name.h"

TEST(ProposedOutputName, SameFolderAndBaseNameWithTxt) {
    const std::pair<const char*, const char*> cases[] = {
        {"/jobs/net.iob", "/jobs/net.txt"},
        {"net", "net.txt"},
        {" \t/jobs/net.IOB \r\n", "/jobs/net.txt"},
        {"/jobs/net.tar.iob", "/jobs/net.tar.txt"},
        {"c:\\jobs\\net.iob", "c:\\jobs\\net.txt"},
        {".iob", ".iob.txt"},  // a name that is all extension is a base name
        {"", ""},
        {"/jobs/", ""},
        {"net.TxT", ""},
    };
    for (const auto& [iob, proposed] : cases) EXPECT_EQ(ProposedOutputName(iob), proposed) << iob;
}
