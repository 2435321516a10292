#include "report_box.h"

#include <iob/show_message.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "application_title.h"
#include "centre_on_owner.h"
#include "dialog_template.h"
#include "report_parts.h"
#include "wide_text.h"

namespace {

// Dialog units, as in the templates.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
// Wider texts wrap, as a message box's do; few lines of a report are wider.
constexpr int kTextWidthMost = 330;
// The details area shows this many lines and scrolls through the rest.
constexpr int kDetailsLinesInView = 12;

// An edit control breaks lines at "\r\n" only.
std::wstring EditText(const std::string& utf8) {
    std::wstring text;
    for (wchar_t c : Widen(utf8)) {
        if (c == L'\n') text += L'\r';
        text += c;
    }
    return text;
}

int WidestLine(HDC dc, const std::wstring& text) {
    int widest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        SIZE extent{0, 0};
        GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(end - start), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
        start = end + 2;
    }
    return widest;
}

// A read-only multi-line edit, which gives selection, Ctrl+A and Ctrl+C,
// placed after `previous` in the tab order; null when it cannot be made.
HWND AddTextArea(HWND dialog, HWND previous, int id, const std::wstring& text, DWORD style, DWORD exStyle) {
    const HWND area = CreateWindowExW(
        exStyle, L"EDIT", text.c_str(), WS_CHILD | WS_TABSTOP | ES_MULTILINE | ES_READONLY | style, 0, 0, 0, 0, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (area == nullptr) return nullptr;
    SendMessageW(area, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)), FALSE);
    SetWindowPos(area, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return area;
}

// Places `area` `width` pixels wide and as high as its lines, as it wraps
// them there, at most `linesMost`; returns that height. `frame` is what
// its border takes, beside the inner space above and below its lines (a
// bordered edit keeps a pixel there once it is higher than one line).
int PlaceWrapped(HWND area, int x, int y, int width, int lineHeight, int linesMost, int frame) {
    SetWindowPos(area, nullptr, x, y, width, 3 * lineHeight + frame, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT lines{0, 0, 0, 0};
    SendMessageW(area, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&lines));
    const int count = std::min(static_cast<int>(SendMessageW(area, EM_GETLINECOUNT, 0, 0)), linesMost);
    const int height = count * lineHeight + 2 * lines.top + frame;
    SetWindowPos(area, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return height;
}

// An answer button, by its id and its text's entry.
struct Answer {
    int id;
    unsigned text;
};

std::vector<Answer> AnswersOf(bool question) {
    if (question) return {{IDYES, iob::kMsgYesButton}, {IDNO, iob::kMsgNoButton}};
    return {{IDOK, iob::kMsgOkButton}};
}

// A button keeps its width in units unless its text needs more, with its
// frame and focus rectangle.
int ButtonWidth(HDC dc, const std::wstring& text, int unitsWidth) {
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
    return std::max(unitsWidth, static_cast<int>(extent.right) + 4 * GetSystemMetrics(SM_CXEDGE));
}

}  // namespace

CReportBox::CReportBox(unsigned boxType, const std::string& text, const std::string& report)
    : question_(boxType == iob::kBoxYesNoDefaultNo), text_(EditText(text)) {
    const ReportParts parts = SplitReport(report);
    shown_ = EditText(parts.shown);
    rest_ = EditText(parts.rest);
}

int CReportBox::Run(HWND owner, unsigned boxType, const std::string& text, const std::string& report) {
    CReportBox box(boxType, text, report);
    // The places are the texts' (OnInitDialog): the template gives sizes.
    std::vector<ControlTemplate> controls{{ControlKind::kIcon, kIdNone, "", 0, 0, 20, 20}};
    const std::vector<Answer> answers = AnswersOf(box.question_);
    for (const Answer& answer : answers) {
        // The last answer is the default: OK, or No.
        const ControlKind kind = &answer == &answers.back() ? ControlKind::kDefaultButton : ControlKind::kButton;
        controls.push_back({kind, answer.id, iob::LoadString(answer.text), 0, 0, kButtonWidth, kButtonHeight});
    }
    if (!box.rest_.empty()) {
        controls.push_back({ControlKind::kButton, kIdDetailsToggle, iob::LoadString(iob::kMsgShowDetails), 0, 0,
                            kButtonWidth, kButtonHeight});
    }
    const std::string title = ApplicationTitle();
    const std::vector<DWORD> dialogTemplate =
        BuildDialogTemplate(DialogTemplate{title.c_str(), 0, 0, controls.data(), controls.size()},
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0);
    return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                    reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
                                                    DialogProc, reinterpret_cast<LPARAM>(&box)));
}

INT_PTR CALLBACK CReportBox::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* box = reinterpret_cast<CReportBox*>(lParam);
        box->window_ = window;
        box->OnInitDialog();
        return FALSE;  // the focus is on the default button
    }
    auto* box = reinterpret_cast<CReportBox*>(GetWindowLongPtrW(window, DWLP_USER));
    if (box == nullptr || message != WM_COMMAND) return FALSE;
    box->OnCommand(LOWORD(wParam));
    return TRUE;
}

void CReportBox::OnInitDialog() {
    const HWND icon = GetWindow(window_, GW_CHILD);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_WARNING)), 0);
    const HWND message = AddTextArea(window_, icon, kIdReportMessage, text_, WS_VISIBLE, 0);
    const HWND shown = AddTextArea(window_, message, kIdReportShown, shown_, WS_VISIBLE, 0);
    const HWND details = rest_.empty()
                             ? nullptr
                             : AddTextArea(window_, HWND_BOTTOM, kIdReportDetails, rest_, WS_VSCROLL, WS_EX_CLIENTEDGE);
    // A message is never lost: without its texts the box makes way for a
    // plain message box.
    if (message == nullptr || shown == nullptr || (!rest_.empty() && details == nullptr)) {
        EndDialog(window_, -1);
        return;
    }
    // The texts line up with the icon and the buttons: no inner margins.
    for (HWND area : {message, shown}) SendMessageW(area, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);

    RECT units{0, 0, 400, 800};
    MapDialogRect(window_, &units);
    const auto across = [&](int dialogUnits) { return MulDiv(dialogUnits, units.right, 400); };
    const auto down = [&](int dialogUnits) { return MulDiv(dialogUnits, units.bottom, 800); };
    const HDC dc = GetDC(window_);
    const HGDIOBJ systemFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineHeight = metrics.tmHeight;
    // Room for the caret beside the widest line, lest it wrap.
    const int textWidth =
        std::min(std::max(WidestLine(dc, text_), WidestLine(dc, shown_)) + 2 * GetSystemMetrics(SM_CXEDGE),
                 across(kTextWidthMost));
    const std::vector<Answer> answers = AnswersOf(question_);
    int buttonWidth = 0;
    for (const Answer& answer : answers) {
        buttonWidth = std::max(buttonWidth, ButtonWidth(dc, Widen(iob::LoadString(answer.text)), across(kButtonWidth)));
    }
    const int toggleWidth =
        rest_.empty() ? 0
                      : std::max(ButtonWidth(dc, Widen(iob::LoadString(iob::kMsgShowDetails)), across(kButtonWidth)),
                                 ButtonWidth(dc, Widen(iob::LoadString(iob::kMsgHideDetails)), across(kButtonWidth)));
    SelectObject(dc, systemFont);
    ReleaseDC(window_, dc);

    const int margin = across(kMargin);
    const int top = down(kMargin);
    const int iconSize = GetSystemMetrics(SM_CXICON);
    SetWindowPos(icon, nullptr, margin, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int textX = margin + iconSize + margin;
    int textBottom = top + PlaceWrapped(message, textX, top, textWidth, lineHeight, INT_MAX, 0);
    // An empty line between the message and its report, as the system's message box has it.
    textBottom += lineHeight;
    textBottom += PlaceWrapped(shown, textX, textBottom, textWidth, lineHeight, INT_MAX, 0);

    const int gap = across(kButtonGap);
    const int count = static_cast<int>(answers.size());
    const int rowWidth = count * buttonWidth + (count - 1) * gap + (rest_.empty() ? 0 : toggleWidth + margin);
    const int width = std::max(textX + textWidth, margin + rowWidth) + margin;
    const int rowY = std::max(top + GetSystemMetrics(SM_CYICON), textBottom) + down(kMargin);
    const int buttonHeight = down(kButtonHeight);
    int x = width - margin - count * buttonWidth - (count - 1) * gap;
    for (const Answer& answer : answers) {
        SetWindowPos(GetDlgItem(window_, answer.id), nullptr, x, rowY, buttonWidth, buttonHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        x += buttonWidth + gap;
    }
    const int height = rowY + buttonHeight + down(kMargin);
    if (details != nullptr) {
        SetWindowPos(GetDlgItem(window_, kIdDetailsToggle), nullptr, margin, rowY, toggleWidth, buttonHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const int frame = 2 * GetSystemMetrics(SM_CYEDGE);
        detailsRoom_ =
            PlaceWrapped(details, margin, height, width - 2 * margin, lineHeight, kDetailsLinesInView, frame) +
            down(kMargin);
    }

    // The window around that client area, keeping its centre.
    RECT window, client;
    GetWindowRect(window_, &window);
    GetClientRect(window_, &client);
    const int windowWidth = window.right - window.left - client.right + width;
    const int windowHeight = window.bottom - window.top - client.bottom + height;
    SetWindowPos(window_, nullptr, (window.left + window.right - windowWidth) / 2,
                 (window.top + window.bottom - windowHeight) / 2, windowWidth, windowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (GetWindow(window_, GW_OWNER) != nullptr) CentreOnOwner(window_);

    const int answer = answers.back().id;
    SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(answer), 0);
    SetFocus(GetDlgItem(window_, answer));
}

void CReportBox::OnCommand(int id) {
    switch (id) {
    case kIdDetailsToggle:
        ToggleDetails();
        break;
    case IDYES:
        EndDialog(window_, IDYES);
        break;
    case IDOK:
    case IDNO:
    case IDCANCEL:  // Escape and the close box
        EndDialog(window_, question_ ? IDNO : IDOK);
        break;
    default:
        break;
    }
}

void CReportBox::ToggleDetails() {
    detailsOpen_ = !detailsOpen_;
    const HWND details = GetDlgItem(window_, kIdReportDetails);
    const HWND toggle = GetDlgItem(window_, kIdDetailsToggle);
    // The keyboard keeps a control to work on.
    if (!detailsOpen_ && GetFocus() == details)
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(toggle), TRUE);
    ShowWindow(details, detailsOpen_ ? SW_SHOW : SW_HIDE);
    SetWindowTextW(toggle, Widen(iob::LoadString(detailsOpen_ ? iob::kMsgHideDetails : iob::kMsgShowDetails)).c_str());
    RECT window;
    GetWindowRect(window_, &window);
    SetWindowPos(window_, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + (detailsOpen_ ? detailsRoom_ : -detailsRoom_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
