// The main dialog's texts are whole in the font it was given: no static text
// needs more width than its control has, whatever that font's widths.
#include <gtest/gtest.h>

#include <utility>

#include "dialog_run.h"
#include "dialog_templates.h"

TEST(ConvertDialogLayout, EveryTextFitsItsControl) {
    DialogRun run;
    const HDC dc = GetDC(run.main);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(run.main, WM_GETFONT, 0, 0)));
    for (HWND child = GetWindow(run.main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = L"";
        GetClassNameW(child, className, 16);
        if (std::wstring(className) != L"Static") continue;
        const std::wstring text = TextOf(child);
        RECT needed{0, 0, 0, 0}, control;
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        GetClientRect(child, &control);
        EXPECT_LE(needed.right, control.right) << std::string(text.begin(), text.end());
    }
    ReleaseDC(run.main, dc);
}

// Wine's dialog font needs more room across than the long texts have, but
// none down: the dialog is as tall as its 207 units, give or take a pixel.
TEST(ConvertDialogLayout, IsAsTallAsItsTemplateWhenNoTextNeedsMoreHeight) {
    DialogRun run;
    RECT units{0, 0, 400, 207}, client;
    MapDialogRect(run.main, &units);
    GetClientRect(run.main, &client);
    EXPECT_NEAR(client.bottom, units.bottom, 1);
}

// Both Browse buttons say "Browse...": a screen reader tells them apart by
// their names, and hears their role from the system's own object.
TEST(ConvertDialogLayout, BrowseButtonsHaveNamesOfTheirOwn) {
    DialogRun run;
    const std::pair<int, std::wstring> buttons[] = {{kIdBrowseIob, L"Browse for the IOB file"},
                                                    {kIdBrowseOutput, L"Browse for the QUORVANE file"},
                                                    {kIdConvert, L"Convert Data"}};
    for (const auto& [id, name] : buttons) {
        const HeardControl heard = HearControl(GetDlgItem(run.main, id));
        EXPECT_EQ(heard.name, name);
        EXPECT_NE(heard.role, 0);
    }
}
