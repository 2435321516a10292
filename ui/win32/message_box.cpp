#include "message_box.h"

#include "application_title.h"
#include "wide_text.h"

// The answers pass through as MessageBoxW gives them.
static_assert(iob::kButtonOk == IDOK && iob::kButtonYes == IDYES && iob::kButtonNo == IDNO);

iob::MessagePresenter MessageBoxPresenter(HWND owner) {
    return [owner](unsigned, unsigned boxType, const std::string& text, const std::string& details) {
        const std::string whole = details.empty() ? text : text + "\n\n" + details;
        const UINT buttons = boxType == iob::kBoxYesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2 : MB_OK;
        return MessageBoxW(owner, Widen(whole).c_str(), Widen(ApplicationTitle()).c_str(), buttons | MB_ICONWARNING);
    };
}
