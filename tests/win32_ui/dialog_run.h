// The main dialog run as the program runs it, on a thread of its own, and a
// user's hands that work it from the test's thread with window messages:
// the windows it opens are found by title among that thread's windows, so
// tests running at once in other processes do not meet.
#pragma once

#include "windows_api.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class DialogRun {
public:
    // Starts the dialog, with `arguments` as the program's, and waits until
    // it is shown; `main` is then its window.
    explicit DialogRun(const std::vector<std::string>& arguments = {});
    // Closes whatever is still open, the dialog last.
    ~DialogRun();
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;

    // The shown top-level window of the dialog's thread with that title, or
    // with either title; null when none came within 10 s.
    HWND WaitForWindow(const std::wstring& title) const;
    HWND WaitForWindow(const std::wstring& title, const std::wstring& otherTitle) const;
    // The dialog's result once it has ended; -1 when it did not end within 10 s.
    INT_PTR WaitForEnd();

    HWND main = nullptr;

private:
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    INT_PTR result_ = -1;
    std::thread thread_;
};

// A message box's title: the program's, the executable's name.
constexpr wchar_t kMessageBoxTitle[] = L"win32_ui_tests";

// What a message box titled with the program's title showed. The text of
// a report box (report_box.h) is its message, an empty line and the report
// beneath it; `details`, the text of its details area. Lines end in '\n'.
struct SeenBox {
    std::wstring text;
    std::wstring details;
    bool warningIcon = false;
    bool okIsTheOnlyButton = false;
    bool yesAndNoWithNoDefault = false;
};

// The shown top-level window of thread `threadId` titled `title`, or null
// when none came within 10 s.
HWND WaitForWindowOf(DWORD threadId, const std::wstring& title, const std::wstring& otherTitle);
std::wstring TextOf(HWND window);
void SetItemText(HWND dialog, int id, const std::wstring& text);
// A button's command, as a click sends it.
void Press(HWND dialog, int id);
// A key pressed and released on `control`, through the dialog's own key handling.
void PressKey(HWND control, WPARAM key);
// What a screen reader learns of `control` through AccessibleObjectFromWindow:
// its name and role, empty and 0 where nothing is learnt.
struct HeardControl {
    std::wstring name;
    long role = 0;
};
HeardControl HearControl(HWND control);
// Reads message box `box`, closes it with `answer` and waits until it has gone.
SeenBox ReadBox(HWND box, int answer);
// The same with the next message box of the dialog's thread.
SeenBox ReadMessageBox(const DialogRun& run, int answer = IDOK);
