// How the Win32 dialog ends, and its keys: Enter in a field is OK; Escape,
// "Close" and the close box are Cancel; Alt+C is "&Convert Data".
#include <gtest/gtest.h>

#include <functional>

#include "dialog_run.h"
#include "dialog_templates.h"

TEST(ConvertDialogEnd, EachWayGivesItsResult) {
    const struct {
        const char* what;
        std::function<void(HWND main)> act;
        INT_PTR result;
    } cases[] = {
        {"Enter in a field", [](HWND main) { PressKey(GetDlgItem(main, kIdOutputName), VK_RETURN); }, IDOK},
        {"Escape in a field", [](HWND main) { PressKey(GetDlgItem(main, kIdIobName), VK_ESCAPE); }, IDCANCEL},
        {"Close", [](HWND main) { Press(main, kIdCancel); }, IDCANCEL},
        {"the close box", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DialogRun run;
        ASSERT_NE(run.main, nullptr);
        c.act(run.main);
        EXPECT_EQ(run.WaitForEnd(), c.result);
    }
}

TEST(ConvertDialogKeys, AltCPressesConvertData) {
    DialogRun run;
    const HWND field = GetDlgItem(run.main, kIdIobName);
    PostMessageW(field, WM_SYSKEYDOWN, 'C', 1 << 29);
    PostMessageW(field, WM_SYSCHAR, 'c', 1 << 29);
    EXPECT_EQ(ReadMessageBox(run).text, L"Please enter an 'IOB' File name");
}

TEST(AboutBox, SystemMenuEntryBelowASeparatorShowsItsTexts) {
    DialogRun run;
    const HMENU menu = GetSystemMenu(run.main, FALSE);
    const int last = GetMenuItemCount(menu) - 1;
    wchar_t entry[64] = L"";
    GetMenuStringW(menu, static_cast<UINT>(last), entry, 64, MF_BYPOSITION);
    EXPECT_STREQ(entry, L"&About IobToQuorvane...");
    EXPECT_EQ(GetMenuItemID(menu, last), 16u);
    EXPECT_NE(GetMenuState(menu, static_cast<UINT>(last - 1), MF_BYPOSITION) & MF_SEPARATOR, 0u);

    PostMessageW(run.main, WM_SYSCOMMAND, 16, 0);
    const HWND about = run.WaitForWindow(L"About IOB To Quorvane");
    ASSERT_NE(about, nullptr);
    // The icon first, then the texts after it.
    const HWND icon = GetWindow(about, GW_CHILD);
    EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
    std::wstring texts;
    for (HWND child = GetWindow(icon, GW_HWNDNEXT); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        texts += TextOf(child) + L"|";
    }
    EXPECT_EQ(
        texts,
        L"OK|"
        L"IobToQuorvane " IOB_PROJECT_VERSION_W L"|Converts GeoLab IOB files into QUORVANE input files|MIT License|");
    // Escape ends the About box alone.
    PressKey(GetDlgItem(about, kIdOk), VK_ESCAPE);
    for (int step = 0; step < 1000 && IsWindow(about); ++step) Sleep(10);
    EXPECT_FALSE(IsWindow(about));
    Press(run.main, kIdCancel);
    EXPECT_EQ(run.WaitForEnd(), IDCANCEL);
}
