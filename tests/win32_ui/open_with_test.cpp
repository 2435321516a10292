// "Open with": the program's argument, from a UTF-16 command line, fills the
// IOB field and proposes the output name, folders split at either separator.
#include <gtest/gtest.h>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "iob_file_argument.h"

TEST(OpenWith, FirstArgumentFillsTheIobFieldAndProposesTheOutputName) {
    EXPECT_EQ(IobFileArgument(L"IobToQuorvane.exe"), "");
    EXPECT_EQ(IobFileArgument(L"\"C:\\Program Files\\IobToQuorvane.exe\" \"c:\\測量 1.iob\" x.iob"), "c:\\測量 1.iob");
    DialogRun run("c:/jobs.v2\\測量");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdIobName)), L"c:/jobs.v2\\測量");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdOutputName)), L"c:/jobs.v2\\測量.txt");
}
