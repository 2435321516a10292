#include "dialog_fit.h"

#include <vector>

#include "unit_growth.h"
#include "wide_text.h"

namespace {

// `text` on one line, drawn with `format`, and `edges` of the system's 3-D
// edges around it across and down.
TextRoom RoomOfLine(HDC dc, const char* text, UINT format, int edges) {
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc, Widen(text).c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | format);
    return TextRoom{static_cast<double>(extent.right + edges * GetSystemMetrics(SM_CXEDGE)),
                    static_cast<double>(extent.bottom + edges * GetSystemMetrics(SM_CYEDGE))};
}

// A button's text needs its frame and the focus rectangle around it too, a
// check box's text the box and a gap before it; a static text is shown as
// written, "&" included. An edit field scrolls its text, and the icon and
// the bar have none: they need no room.
TextRoom RoomForText(HDC dc, const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::kText:
        return RoomOfLine(dc, control.text, DT_NOPREFIX, 0);
    case ControlKind::kButton:
    case ControlKind::kDefaultButton:
        return RoomOfLine(dc, control.text, 0, 4);
    case ControlKind::kCheckBox: {
        TextRoom room = RoomOfLine(dc, control.text, 0, 0);
        room.width += GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE);
        return room;
    }
    case ControlKind::kEdit:
    case ControlKind::kIcon:
    case ControlKind::kProgressBar:
        return TextRoom{0, 0};
    }
    return TextRoom{0, 0};
}

}  // namespace

void FitDialogToTexts(HWND dialog, const DialogTemplate& dialogTemplate) {
    // Many units at once, so that the system's rounding hardly counts.
    RECT units{0, 0, 400, 800};
    MapDialogRect(dialog, &units);
    const double unitWidth = units.right / 400.0;
    const double unitHeight = units.bottom / 800.0;
    std::vector<HWND> controls;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        controls.push_back(control);
    }
    if (controls.size() != dialogTemplate.controlCount) return;

    const HDC dc = GetDC(dialog);
    const HGDIOBJ systemFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    const UnitGrowth growth = GrowthToFit(
        dialogTemplate, [&](std::size_t i) { return RoomForText(dc, dialogTemplate.controls[i]); }, unitWidth,
        unitHeight);
    SelectObject(dc, systemFont);
    ReleaseDC(dialog, dc);
    if (growth.horizontal == 1.0 && growth.vertical == 1.0) return;

    const double across = unitWidth * growth.horizontal;
    const double down = unitHeight * growth.vertical;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        const UINT keepSize = control.kind == ControlKind::kIcon ? SWP_NOSIZE : 0;
        SetWindowPos(controls[i], nullptr, PositionPixels(control.x * across), PositionPixels(control.y * down),
                     SizePixels(control.width * across), SizePixels(control.height * down),
                     SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
    }
    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int width = window.right - window.left + SizePixels(dialogTemplate.width * across) - client.right;
    const int height = window.bottom - window.top + SizePixels(dialogTemplate.height * down) - client.bottom;
    SetWindowPos(dialog, nullptr, (window.left + window.right - width) / 2, (window.top + window.bottom - height) / 2,
                 width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
