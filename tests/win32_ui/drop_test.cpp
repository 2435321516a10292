// Files dropped on the Win32 dialog, as Explorer drops them: one goes into
// the IOB field, several are each converted, with one summary at the end.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "report_box.h"
#include "test_folder.h"

namespace {

// The drop's memory as the shell hands it over: a DROPFILES header, then
// the wide names, each ended by a NUL, the list by another. The dialog frees it.
WPARAM DropOf(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& name : names) list += name + L'\0';
    list += L'\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return reinterpret_cast<WPARAM>(memory);
}

}  // namespace

TEST(DropFiles, OneFileGoesIntoTheIobFieldWithItsProposal) {
    DialogRun run;
    SendMessageW(run.main, WM_DROPFILES, DropOf({L"C:\\jobs\\測量.iob"}), 0);
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdIobName)), L"C:\\jobs\\測量.iob");
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdOutputName)), L"C:\\jobs\\測量.txt");
}

// 22 files: 20 summary lines beneath the message, the last 2 in the details area.
TEST(DropFiles, SeveralFilesAreEachConvertedAndALongSummaryKeepsItsRestInTheDetails) {
    const TestFolder folder;
    std::vector<std::wstring> names;
    std::wstring summary;
    for (int i = 10; i < 32; ++i) {
        const std::wstring stem = folder.Path(L"net" + std::to_wstring(i));
        std::filesystem::copy_file(ExamplePath("stations.iob"), stem + L".iob");
        names.push_back(stem + L".iob");
        summary += stem + L".iob: converted into " + stem + L".txt, 2 stations, 0 GPS vectors in 0 groups\n";
    }
    DialogRun run;
    PostMessageW(run.main, WM_DROPFILES, DropOf(names), 0);
    const HWND box = run.WaitForWindow(kMessageBoxTitle);
    ASSERT_NE(box, nullptr);
    const HWND details = GetDlgItem(box, kIdReportDetails);
    EXPECT_FALSE(IsWindowVisible(details));
    RECT closed, open;
    GetWindowRect(box, &closed);
    Press(box, kIdDetailsToggle);
    for (int step = 0; step < 1000 && !IsWindowVisible(details); ++step) Sleep(10);
    EXPECT_TRUE(IsWindowVisible(details));
    GetWindowRect(box, &open);
    EXPECT_GT(open.bottom - open.top, closed.bottom - closed.top);
    EXPECT_EQ(TextOf(GetDlgItem(box, kIdDetailsToggle)), L"Hide &Details...");

    const std::size_t twentieth = summary.find(names[20]);
    const SeenBox seen = ReadBox(box, IDOK);
    EXPECT_EQ(seen.text, L"22 of 22 files converted\n\n" + summary.substr(0, twentieth - 1));
    EXPECT_EQ(seen.details, summary.substr(twentieth, summary.size() - twentieth - 1));
    for (const std::wstring& name : names) {
        EXPECT_EQ(BytesOf(name.substr(0, name.size() - 4) + L".txt"), BytesOf(ExamplePath("stations.txt")));
    }
}
