// A long conversion shows the progress window over a disabled dialog while a
// worker thread converts; a short one does not. Either way the box reports it.
#include <gtest/gtest.h>

#include <fstream>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "iob_records.h"
#include "test_folder.h"

TEST(ProgressTest, OnlyALongConversionShowsItsProgressWindow) {
    const TestFolder folder;
    std::ofstream(std::filesystem::path(folder.Path(L"group.iob")), std::ios::binary) << iob::WgtGroupFile(600);
    const std::wstring success = L"Success - the results are in " + folder.Path(L"out.txt") + L"\n\n";
    const std::wstring progressTitle = L"Conversion in Progress";
    const struct {
        const char* shape;
        std::wstring iobName, message;
        bool slow;
    } cases[] = {
        {"a WGT group of 600 vectors", folder.Path(L"group.iob"), success + L"0 stations, 600 GPS vectors in 1 group",
         true},
        {"three vectors", ExamplePath("network.iob").wstring(),
         success + L"3 stations, 3 GPS vectors in 2 groups\n"
                   L"Not converted: 1 data line after the END record on line 25, which ends the data",
         false},
    };
    DialogRun run;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        SetItemText(run.main, kIdIobName, c.iobName);
        SetItemText(run.main, kIdOutputName, folder.Path(L"out.txt"));
        Press(run.main, kIdConvert);
        const HWND first = run.WaitForWindow(progressTitle, kMessageBoxTitle);
        EXPECT_EQ(TextOf(first), c.slow ? progressTitle : kMessageBoxTitle);
        if (c.slow) {
            EXPECT_EQ(TextOf(GetDlgItem(first, kIdProgressText)), L"Converting " + c.iobName);
            EXPECT_FALSE(IsWindowEnabled(run.main));
            // A screen reader names the bar, which has no text.
            EXPECT_EQ(HearControl(GetDlgItem(first, kIdProgressBar)).name, L"Conversion progress");
            // Commands queued meanwhile neither convert again nor end the dialog.
            PostMessageW(run.main, WM_COMMAND, kIdConvert, 0);
            PostMessageW(run.main, WM_COMMAND, IDCANCEL, 0);
            for (int step = 0; step < 6000 && IsWindow(first); ++step) Sleep(10);
        }
        EXPECT_EQ(ReadMessageBox(run).text, c.message);
        EXPECT_TRUE(IsWindowVisible(run.main));
        std::filesystem::remove(folder.Path(L"out.txt"));  // else the next case is asked to replace it
    }
}
