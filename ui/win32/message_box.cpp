#include "message_box.h"

#include "application_title.h"
#include "wide_text.h"

iob::MessagePresenter MessageBoxPresenter(HWND owner) {
    return [owner](unsigned, unsigned, const std::string& text, const std::string& details) {
        const std::string whole = details.empty() ? text : text + "\n\n" + details;
        return MessageBoxW(owner, Widen(whole).c_str(), Widen(ApplicationTitle()).c_str(), MB_OK | MB_ICONWARNING);
    };
}
