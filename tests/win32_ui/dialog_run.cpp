#include "dialog_run.h"

#include <ole2.h>
#include <oleacc.h>

#include <vector>

#include "converter_app.h"
#include "report_box.h"

namespace {

constexpr int kWaitSteps = 1000;  // of 10 ms
constexpr int kMessageTextId = 0xFFFF;
constexpr wchar_t kMainTitle[] = L"Convert GeoLab IOB File To a Quorvane Input File";

// Both enumerations hand each window to this with the list to add it to.
BOOL CALLBACK AddToList(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD threadId) {
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, AddToList, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, AddToList, reinterpret_cast<LPARAM>(&children));
    return children;
}

// An edit control's "\r\n" as "\n".
std::wstring ItemLines(HWND dialog, int id) {
    std::wstring lines;
    for (wchar_t c : TextOf(GetDlgItem(dialog, id))) {
        if (c != L'\r') lines += c;
    }
    return lines;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

DialogRun::DialogRun(const std::vector<std::string>& arguments) {
    thread_ = std::thread([this, arguments] {
        threadId_ = GetCurrentThreadId();
        CConverterApp application(arguments);
        result_ = application.Run();
        ended_ = true;
    });
    while (threadId_ == 0) Sleep(1);
    main = WaitForWindow(kMainTitle);
}

DialogRun::~DialogRun() {
    while (!ended_) {
        for (HWND window : WindowsOf(threadId_)) PostMessageW(window, WM_CLOSE, 0, 0);
        Sleep(20);
    }
    thread_.join();
}

HWND DialogRun::WaitForWindow(const std::wstring& title) const { return WaitForWindow(title, title); }

HWND DialogRun::WaitForWindow(const std::wstring& title, const std::wstring& otherTitle) const {
    return WaitForWindowOf(threadId_, title, otherTitle);
}

HWND WaitForWindowOf(DWORD threadId, const std::wstring& title, const std::wstring& otherTitle) {
    for (int step = 0; step < kWaitSteps; ++step) {
        for (HWND window : WindowsOf(threadId)) {
            if (IsWindowVisible(window) && (TextOf(window) == title || TextOf(window) == otherTitle)) return window;
        }
        Sleep(10);
    }
    return nullptr;
}

INT_PTR DialogRun::WaitForEnd() {
    for (int step = 0; step < kWaitSteps && !ended_; ++step) Sleep(10);
    return ended_ ? result_ : -1;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetItemText(HWND dialog, int id, const std::wstring& text) { SetDlgItemTextW(dialog, id, text.c_str()); }

void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 1);
}

HeardControl HearControl(HWND control) {
    // COM for the test's thread while it asks, as a screen reader has it.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    HeardControl heard;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    IAccessible* object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)))) {
        BSTR name = nullptr;
        if (object->get_accName(self, &name) == S_OK) heard.name.assign(name, SysStringLen(name));
        SysFreeString(name);
        VARIANT role{};
        if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) heard.role = role.lVal;
        object->Release();
    }
    if (com) CoUninitialize();
    return heard;
}

SeenBox ReadMessageBox(const DialogRun& run, int answer) {
    return ReadBox(run.WaitForWindow(kMessageBoxTitle), answer);
}

SeenBox ReadBox(HWND box, int answer) {
    SeenBox seen;
    if (box == nullptr) return seen;
    if (GetDlgItem(box, kIdReportMessage) != nullptr) {
        seen.text = ItemLines(box, kIdReportMessage) + L"\n\n" + ItemLines(box, kIdReportShown);
        seen.details = ItemLines(box, kIdReportDetails);
    } else {
        seen.text = TextOf(GetDlgItem(box, kMessageTextId));
    }
    int buttons = 0;
    for (HWND child : ChildrenOf(box)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (ClassOf(child) == L"Button" && IsWindowVisible(child)) ++buttons;
        if (ClassOf(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            seen.warningIcon =
                SendMessageW(child, STM_GETICON, 0, 0) == reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_WARNING));
        }
    }
    seen.okIsTheOnlyButton = buttons == 1 && GetDlgItem(box, IDOK) != nullptr;
    // Wine's message box marks its default button by style alone: DM_GETDEFID does not tell it.
    seen.yesAndNoWithNoDefault =
        buttons == 2 && GetDlgItem(box, IDYES) != nullptr &&
        (GetWindowLongPtrW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    Press(box, answer);
    // Gone before the next box is looked for, which could otherwise be this one.
    for (int step = 0; step < kWaitSteps && IsWindow(box); ++step) Sleep(10);
    return seen;
}
