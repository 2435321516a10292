// The report box of a message with a report, shown by the presenter on a
// thread of its own: the answers of a message box, and texts a user selects
// and copies.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "dialog_run.h"
#include "message_box.h"
#include "report_box.h"

namespace {

// The presenter's box, without an owner, on a thread of its own; Answer waits for its end.
class BoxRun {
public:
    BoxRun(unsigned boxType, const std::string& text, const std::string& report)
        : thread_([this, boxType, text, report] {
              threadId_ = GetCurrentThreadId();
              answer_ = MessageBoxPresenter(nullptr)(0, boxType, text, report);
          }) {
        while (threadId_ == 0) Sleep(1);
        box = WaitForWindowOf(threadId_, kMessageBoxTitle, kMessageBoxTitle);
    }
    ~BoxRun() {
        if (thread_.joinable()) thread_.join();
    }

    int Answer() {
        thread_.join();
        return answer_;
    }

    HWND box = nullptr;

private:
    std::atomic<DWORD> threadId_{0};
    std::atomic<int> answer_{0};
    std::thread thread_;
};

}  // namespace

TEST(ReportBox, EachWayToEndItGivesTheAnswerOfAMessageBox) {
    const auto key = [](WPARAM vk) { return [vk](HWND box) { PressKey(GetDlgItem(box, kIdReportMessage), vk); }; };
    const struct {
        const char* what;
        unsigned boxType;
        std::function<void(HWND box)> act;
        int answer;
    } cases[] = {
        {"a message, Enter", iob::kBoxOk, key(VK_RETURN), IDOK},
        {"a message, Escape", iob::kBoxOk, key(VK_ESCAPE), IDOK},
        {"a question, Enter", iob::kBoxYesNoDefaultNo, key(VK_RETURN), IDNO},
        {"a question, Escape", iob::kBoxYesNoDefaultNo, key(VK_ESCAPE), IDNO},
        {"a question, the close box", iob::kBoxYesNoDefaultNo,
         [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDNO},
        {"a question, Yes", iob::kBoxYesNoDefaultNo, [](HWND box) { Press(box, IDYES); }, IDYES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BoxRun run(c.boxType, "Replace it?", "2 stations");
        ASSERT_NE(run.box, nullptr);
        c.act(run.box);
        EXPECT_EQ(run.Answer(), c.answer);
    }
}

TEST(ReportBox, APieceOfTheReportIsSelectedAndCopied) {
    BoxRun run(iob::kBoxOk, "Success - the results are in C:\\jobs\\測量.txt",
               "3 stations\nNot converted: 1 PLX record");
    const HWND shown = GetDlgItem(run.box, kIdReportShown);
    EXPECT_NE(GetWindowLongPtrW(shown, GWL_STYLE) & ES_READONLY, 0);
    SendMessageW(shown, EM_SETSEL, 12, 25);
    SendMessageW(shown, WM_COPY, 0, 0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE copied = GetClipboardData(CF_UNICODETEXT);
    EXPECT_STREQ(copied == nullptr ? L"" : static_cast<const wchar_t*>(GlobalLock(copied)), L"Not converted");
    if (copied != nullptr) GlobalUnlock(copied);
    CloseClipboard();
    EXPECT_EQ(ReadBox(run.box, IDOK).text,
              L"Success - the results are in C:\\jobs\\測量.txt\n\n3 stations\nNot converted: 1 PLX record");
}
