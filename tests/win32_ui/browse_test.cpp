// The IOB "Browse..." of the Win32 dialog: the system's open dialog with its
// title, filters and start folder, and the chosen path stored in lower case.
#include <gtest/gtest.h>

#include <cwctype>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "test_folder.h"

// After <windows.h>, which it needs.
#include <commdlg.h>

namespace {

// The ids of the open dialog's controls (dlgs.h).
constexpr int kFileTypes = 0x470;
constexpr int kFileName = 0x47C;

std::wstring ComboItem(HWND combo, WPARAM index) {
    wchar_t text[128] = L"";
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

TEST(BrowseIob, StartsInTheFieldsFolderAndStoresTheTypedNameInLowerCase) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path(L"Jobs"));
    DialogRun run;
    SetItemText(run.main, kIdIobName, folder.Path(L"Jobs\\net.iob"));
    SetItemText(run.main, kIdOutputName, L"typed.TXT");
    Press(run.main, kIdBrowseIob);
    const HWND chooser = run.WaitForWindow(L"Select IOB File");
    ASSERT_NE(chooser, nullptr);

    wchar_t start[MAX_PATH] = L"";
    SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(start, folder.Path(L"Jobs"));
    const HWND types = GetDlgItem(chooser, kFileTypes);
    EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ComboItem(types, 0), L"IOB File (*.iob)");
    EXPECT_EQ(ComboItem(types, 1), L"All Files (*.*)");
    EXPECT_EQ(SendMessageW(types, CB_GETCURSEL, 0, 0), 0);

    // A file that does not exist yet is taken as typed, with no extension added.
    SetWindowTextW(GetDlgItem(chooser, kFileName), L"Job1.IOB");
    Press(chooser, IDOK);
    std::wstring expected = folder.Path(L"Jobs\\Job1.IOB");
    for (wchar_t& c : expected) c = static_cast<wchar_t>(std::towlower(c));
    for (int step = 0; step < 1000 && TextOf(GetDlgItem(run.main, kIdIobName)) != expected; ++step) Sleep(10);
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdIobName)), expected);
    EXPECT_EQ(TextOf(GetDlgItem(run.main, kIdOutputName)), L"typed.TXT");
}

TEST(BrowseIob, StartsInTheNearestFolderWhoseNameTheDialogTakes) {
    TestFolder folder;
    // Folders of 100 letters: the innermost one's name is longer than MAX_PATH.
    const std::wstring fits = folder.Path(std::wstring(100, L'a') + L"\\" + std::wstring(100, L'b'));
    const std::wstring tooLong = fits + L"\\" + std::wstring(100, L'c');
    ASSERT_LT(fits.size(), static_cast<std::size_t>(MAX_PATH));
    std::filesystem::create_directories(L"\\\\?\\" + tooLong);
    DialogRun run;
    SetItemText(run.main, kIdIobName, tooLong + L"\\net.iob");
    Press(run.main, kIdBrowseIob);
    const HWND chooser = run.WaitForWindow(L"Select IOB File");
    ASSERT_NE(chooser, nullptr);

    wchar_t start[MAX_PATH] = L"";
    SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(start, fits);
}
