// The check box of the single-line syntax in the Win32 dialog: after the
// output's "Browse..." in the tab order, clear at first, stored in the
// registry at once and the syntax of the conversion.
#include <gtest/gtest.h>

#include "dialog_run.h"
#include "dialog_templates.h"
#include "test_folder.h"

namespace {

// HKEY_CURRENT_USER is a key of this test's own: the tests running at once
// in other processes of the Wine prefix never meet the value it stores.
struct OwnCurrentUserKey {
    OwnCurrentUserKey() {
        const std::wstring path = L"Software\\IobToQuorvaneTests\\" + std::to_wstring(GetCurrentProcessId());
        RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        EXPECT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
    }
    ~OwnCurrentUserKey() { RegOverridePredefKey(HKEY_CURRENT_USER, nullptr); }
    HKEY key = nullptr;
};

// Alt+S, posted as its character: its key would give a second one through
// the dialog's TranslateMessage, and a second click. True once `value` is stored.
bool AltSStores(HWND main, DWORD value) {
    PostMessageW(GetDlgItem(main, kIdIobName), WM_SYSCHAR, 's', 1 << 29);
    DWORD stored = 2, size = sizeof(stored);
    for (int step = 0; step < 1000 && stored != value; ++step, Sleep(10)) {
        RegGetValueW(HKEY_CURRENT_USER, L"Software\\IobToQuorvane\\IobToQuorvane", L"SingleLineSyntax",
                     RRF_RT_REG_DWORD, nullptr, &stored, &size);
    }
    return stored == value;
}

}  // namespace

TEST(SyntaxBox, ClearAtFirstThenAltSIsStoredAtOnceAndConvertsIntoTheSingleLineSyntax) {
    const OwnCurrentUserKey user;
    const TestFolder folder;
    std::filesystem::copy_file(ExamplePath("stations.iob"), folder.Path(L"stations.iob"));
    {
        DialogRun run;
        const HWND box = GetDlgItem(run.main, kIdSingleLineSyntax);
        EXPECT_EQ(TextOf(box), L"Write the &single-line syntax: also fixed stations and terrestrial observations");
        EXPECT_EQ(GetNextDlgTabItem(run.main, GetDlgItem(run.main, kIdBrowseOutput), FALSE), box);
        EXPECT_EQ(GetNextDlgTabItem(run.main, box, FALSE), GetDlgItem(run.main, kIdConvert));
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_TRUE(AltSStores(run.main, 1));
        SetItemText(run.main, kIdIobName, folder.Path(L"stations.iob"));
        Press(run.main, kIdConvert);
        ReadMessageBox(run);
        const std::string output = BytesOf(folder.Path(L"stations.txt"));
        EXPECT_NE(output.find("_DATUM; NAD 83; 6378137.0000; 298.2572221"), std::string::npos) << output;
        EXPECT_EQ(output.find("$DATUM"), std::string::npos);
    }
    DialogRun again;
    EXPECT_EQ(SendDlgItemMessageW(again.main, kIdSingleLineSyntax, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(AltSStores(again.main, 0));
}
