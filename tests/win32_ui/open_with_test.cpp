// The program's arguments, from a UTF-16 command line: one fills the IOB
// field and proposes the output name, folders split at either separator;
// several, as Explorer passes the files dropped on the program's icon or
// sent to it, are each converted in one window. "Open with" on several
// files starts one program each, and each window opens clear of the others.
#include <gtest/gtest.h>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "iob_file_arguments.h"
#include "test_folder.h"
#include "wide_text.h"

TEST(OpenWith, OneArgumentFillsTheIobFieldAndProposesTheOutputName) {
    EXPECT_EQ(IobFileArguments(L"IobToQuorvane.exe"), std::vector<std::string>());
    EXPECT_EQ(IobFileArguments(L"\"C:\\Program Files\\IobToQuorvane.exe\" \"c:\\測量 1.iob\" x.iob"),
              (std::vector<std::string>{"c:\\測量 1.iob", "x.iob"}));
    DialogRun run({"c:/jobs.v2\\測量"});
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdIobName)), L"c:/jobs.v2\\測量");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdOutputName)), L"c:/jobs.v2\\測量.txt");
}

TEST(OpenWith, SeveralArgumentsAreEachConvertedWithOneSummary) {
    const TestFolder folder;
    std::vector<std::string> arguments;
    std::wstring summary;
    for (const wchar_t* stem : {L"north", L"測量 2", L"south"}) {
        std::filesystem::copy_file(ExamplePath("stations.iob"), folder.Path(stem + std::wstring(L".iob")));
        arguments.push_back(Narrow(folder.Path(stem + std::wstring(L".iob"))));
        summary += folder.Path(stem) + L".iob: converted into " + folder.Path(stem) +
                   L".txt, 2 stations, 0 GPS vectors in 0 groups\n";
    }
    DialogRun run(arguments);
    EXPECT_NE(run.main, nullptr);  // shown beneath the summary
    EXPECT_EQ(ReadMessageBox(run).text, L"3 of 3 files converted\n\n" + summary.substr(0, summary.size() - 1));
    for (const wchar_t* stem : {L"north", L"測量 2", L"south"}) {
        EXPECT_EQ(BytesOf(folder.Path(stem + std::wstring(L".txt"))), BytesOf(ExamplePath("stations.txt")));
    }
}

TEST(OpenWith, EachNewWindowOpensClearOfTheOthers) {
    const DialogRun runs[3];
    RECT places[3];
    for (int i = 0; i < 3; ++i) GetWindowRect(runs[i].main, &places[i]);
    for (int i = 1; i < 3; ++i) EXPECT_TRUE(places[i].left > places[i - 1].left && places[i].top > places[i - 1].top);
}
