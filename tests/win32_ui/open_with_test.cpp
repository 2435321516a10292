// "Open with": the program's argument, as Windows splits command lines,
// fills the IOB field and proposes the output name, split at either separator.
#include <gtest/gtest.h>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "iob_file_argument.h"

TEST(IobFileArgument, IsTheFirstArgumentInUtf8) {
    EXPECT_EQ(IobFileArgument(L"IobToQuorvane.exe"), "");
    EXPECT_EQ(IobFileArgument(L"\"C:\\Program Files\\IobToQuorvane.exe\" \"c:\\測量 1.iob\" x.iob"), "c:\\測量 1.iob");
}

TEST(OpenWith, ArgumentFillsTheIobFieldAndProposesTheOutputName) {
    DialogRun run("c:/jobs.v2\\測量");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdIobName)), L"c:/jobs.v2\\測量");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdOutputName)), L"c:/jobs.v2\\測量.txt");
}
