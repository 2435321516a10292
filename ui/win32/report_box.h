// The box of a message that comes with a conversion's report: the warning
// icon, the message and beneath it the report's first kReportLinesShown
// lines (report_parts.h), one item a line, then the answer buttons; a
// longer report keeps the rest in a details area below the buttons, which
// "Show &Details..." opens and "Hide &Details..." closes, as on Linux. The
// texts stand in read-only edit controls, so a user can select any part of
// them with the mouse or the keyboard (Ctrl+A for all) and copy it (Ctrl+C).
#pragma once

#include "windows_api.h"

#include <string>

// The box's own controls, beside the answer buttons IDOK, IDYES and IDNO.
enum ReportBoxControl : int {
    kIdReportMessage = 1100,
    kIdReportShown = 1101,
    kIdReportDetails = 1102,
    kIdDetailsToggle = 1103,
};

class CReportBox {
public:
    // Shows `text` with `report` (lines joined by '\n') beneath it in a box
    // of `boxType` (show_message.h), modal to `owner` and centred on it,
    // the application's title as caption. A message's box gives IDOK
    // however it ends; a question's IDYES for "&Yes", else IDNO ("&No" is
    // the default: Enter, Escape and the close box give it too). -1 when
    // the box cannot be made.
    static int Run(HWND owner, unsigned boxType, const std::string& text, const std::string& report);

private:
    CReportBox(unsigned boxType, const std::string& text, const std::string& report);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id);
    void ToggleDetails();

    HWND window_ = nullptr;
    bool question_;
    std::wstring text_;
    std::wstring shown_;
    std::wstring rest_;
    int detailsRoom_ = 0;  // pixels the box grows by while its details are open
    bool detailsOpen_ = false;
};
