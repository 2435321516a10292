#include "message_box.h"

#include "application_title.h"
#include "report_box.h"
#include "wide_text.h"

// The answers pass through as MessageBoxW gives them.
static_assert(iob::kButtonOk == IDOK && iob::kButtonYes == IDYES && iob::kButtonNo == IDNO);

iob::MessagePresenter MessageBoxPresenter(HWND owner) {
    return [owner](unsigned, unsigned boxType, const std::string& text, const std::string& details) {
        if (!details.empty()) {
            const int answer = CReportBox::Run(owner, boxType, text, details);
            if (answer != -1) return answer;
        }
        // A box that cannot be made still leaves the system's, with the whole text.
        const std::string whole = details.empty() ? text : text + "\n\n" + details;
        const UINT buttons = boxType == iob::kBoxYesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2 : MB_OK;
        return MessageBoxW(owner, Widen(whole).c_str(), Widen(ApplicationTitle()).c_str(), buttons | MB_ICONWARNING);
    };
}
