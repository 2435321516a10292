#include "step_aside.h"

#include <string>

namespace {

constexpr int kTitleLength = 256;

// Another program's title is read without a message to it, which a program
// that hangs would never answer.
std::wstring TitleOf(HWND window) {
    wchar_t title[kTitleLength] = L"";
    InternalGetWindowText(window, title, kTitleLength);
    return title;
}

struct TwinSearch {
    HWND self;
    std::wstring title;
    POINT corner;
    bool found;
};

BOOL CALLBACK FindTwin(HWND other, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<TwinSearch*>(searchAddress);
    RECT place;
    if (other == search.self || !IsWindowVisible(other) || !GetWindowRect(other, &place)) return TRUE;
    search.found = place.left == search.corner.x && place.top == search.corner.y && TitleOf(other) == search.title;
    return search.found ? FALSE : TRUE;
}

}  // namespace

void StepAsideFromTwins(HWND window) {
    RECT place;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowRect(window, &place) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME);
    TwinSearch search{window, TitleOf(window), {place.left, place.top}, false};
    for (;;) {
        search.found = false;
        EnumWindows(FindTwin, reinterpret_cast<LPARAM>(&search));
        if (!search.found || place.right + step > monitor.rcWork.right || place.bottom + step > monitor.rcWork.bottom)
            break;
        OffsetRect(&place, step, step);
        search.corner = {place.left, place.top};
    }
    SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
