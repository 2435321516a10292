#include <iob/show_message.h>

#include <utility>

#include "reading/char_class.h"

namespace iob {
namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

bool EndsInIob(const std::string& name) {
    constexpr char kEnd[] = ".iob";
    constexpr std::size_t kEndLength = sizeof kEnd - 1;
    return name.size() >= kEndLength && EqualIgnoringAsciiCase(name.c_str() + name.size() - kEndLength, kEnd);
}

// A message box with one OK button, the report of a conversion beneath it.
void Present(unsigned messageNumber, const std::string& text, const std::string& details) {
    PresentMessage(messageNumber, kBoxOk, text, details);
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

int PresentMessage(unsigned messageNumber, unsigned boxType, const std::string& text, const std::string& details) {
    if (!Presenter()) return 0;
    return Presenter()(messageNumber, boxType, text, details);
}

void ShowEnterIobName() { ShowMessage(kMsgEnterIobName, kBoxOk); }
void ShowEnterOutputName() { ShowMessage(kMsgEnterOutputName, kBoxOk); }
bool AskReplace(const std::string& outputName) {
    const unsigned number = EndsInIob(outputName) ? kMsgReplaceIobFile : kMsgReplaceFile;
    return ShowMessage(number, kBoxYesNoDefaultNo, outputName) == kButtonYes;
}
void ShowSuccess(const std::string& outputName, const std::string& details) {
    Present(kMsgSuccess, FormatMessage(kMsgSuccess, outputName), details);
}
void ShowOutOfMemory(const std::string& details) { Present(kMsgOutOfMemory, FormatMessage(kMsgOutOfMemory), details); }
void ShowWriteError(const std::string& outputName, const std::string& details) {
    Present(kMsgWriteError, FormatMessage(kMsgWriteError, outputName), details);
}
void ShowReadError(LineNumber line, const std::string& iobName, const std::string& details) {
    Present(kMsgReadError, FormatMessage(kMsgReadError, line, iobName), details);
}

void ShowConversionFailure(const ConversionOutcome& outcome, const std::string& details) {
    if (!IsConversionFailure(outcome.result)) return;
    const auto number = static_cast<unsigned>(outcome.result);
    Present(number, FormatMessage(number, outcome.messageArguments), details);
}

}  // namespace iob
