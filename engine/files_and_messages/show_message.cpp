#include <iob/show_message.h>

#include <cstdarg>
#include <cstdio>
#include <utility>

#include "reading/char_class.h"

namespace iob {
namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

std::string FormatMessageV(unsigned messageNumber, va_list args) {
    const char* format = LoadString(messageNumber);
    va_list sizing;
    va_copy(sizing, args);
    int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool EndsInIob(const std::string& name) {
    constexpr char kEnd[] = ".iob";
    constexpr std::size_t kEndLength = sizeof kEnd - 1;
    return name.size() >= kEndLength && EqualIgnoringAsciiCase(name.c_str() + name.size() - kEndLength, kEnd);
}

// Shows the formatted text with `details`; returns the presenter's answer.
int Present(unsigned messageNumber, const std::string& text, const std::string& details) {
    if (!Presenter()) return 0;
    return Presenter()(messageNumber, 0, text, details);
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

std::string FormatMessage(unsigned messageNumber, ...) {
    va_list args;
    va_start(args, messageNumber);
    std::string text = FormatMessageV(messageNumber, args);
    va_end(args);
    return text;
}

int ShowMessage(unsigned messageNumber, unsigned boxType, ...) {
    va_list args;
    va_start(args, boxType);
    std::string text = FormatMessageV(messageNumber, args);
    va_end(args);
    if (!Presenter()) return 0;
    return Presenter()(messageNumber, boxType, text, std::string());
}

void ShowEnterIobName() { ShowMessage(kMsgEnterIobName, 0); }
void ShowEnterOutputName() { ShowMessage(kMsgEnterOutputName, 0); }
void ShowCannotOpen(const std::string& fileName) { ShowMessage(kMsgCannotOpen, 0, fileName.c_str()); }
void ShowSameFile(const std::string& fileName) { ShowMessage(kMsgSameFile, 0, fileName.c_str()); }
bool AskReplace(const std::string& outputName) {
    const unsigned number = EndsInIob(outputName) ? kMsgReplaceIobFile : kMsgReplaceFile;
    return ShowMessage(number, kBoxYesNoDefaultNo, outputName.c_str()) == kButtonYes;
}
void ShowSuccess(const std::string& outputName, const std::string& details) {
    Present(kMsgSuccess, FormatMessage(kMsgSuccess, outputName.c_str()), details);
}
void ShowOutOfMemory(const std::string& details) { Present(kMsgOutOfMemory, FormatMessage(kMsgOutOfMemory), details); }
void ShowWriteError(const std::string& outputName, const std::string& details) {
    Present(kMsgWriteError, FormatMessage(kMsgWriteError, outputName.c_str()), details);
}
void ShowReadError(LineNumber line, const std::string& iobName, const std::string& details) {
    Present(kMsgReadError, FormatMessage(kMsgReadError, line, iobName.c_str()), details);
}

void ShowConversionFailure(const ConversionOutcome& outcome, const std::string& details) {
    // Each of these messages has the number of its result and quotes what
    // the outcome holds: a text as read, a record type, the line.
    const unsigned number = static_cast<unsigned>(outcome.result);
    const char* text = outcome.failingText.c_str();
    const char* type = outcome.failingRecordType.c_str();
    const LineNumber line = outcome.failingLine;
    switch (outcome.result) {
    case kResultUnsupportedSetting:
        Present(number, FormatMessage(number, text, type), details);
        break;
    case kResultTooManyElements:
    case kResultUnsupportedRecord:
        Present(number, FormatMessage(number, type, line), details);
        break;
    case kResultSemicolonInName:
    case kResultNoStationPosition:
        Present(number, FormatMessage(number, text, line), details);
        break;
    case kResultInvalidUnitFactor:
    case kResultWeightsNotInvertible:
        Present(number, FormatMessage(number, line), details);
        break;
    case kResultNamesWrittenAlike: {
        const ConversionOutcome::NamesWrittenAlike& names = outcome.namesWrittenAlike;
        Present(number,
                FormatMessage(number, names.firstName.c_str(), names.firstLine, names.secondName.c_str(),
                              names.secondLine, names.writtenName.c_str()),
                details);
        break;
    }
    default:
        break;
    }
}

}  // namespace iob
