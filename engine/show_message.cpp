#include <iob/show_message.h>

#include <cstdarg>
#include <cstdio>
#include <utility>

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
    return Presenter()(messageNumber, boxType, text);
}

void ShowEnterIobName() { ShowMessage(kMsgEnterIobName, 0); }
void ShowEnterOutputName() { ShowMessage(kMsgEnterOutputName, 0); }
void ShowCannotOpen(const std::string& fileName) { ShowMessage(kMsgCannotOpen, 0, fileName.c_str()); }
void ShowSameFile(const std::string& fileName) { ShowMessage(kMsgSameFile, 0, fileName.c_str()); }
void ShowSuccess(const std::string& outputName) { ShowMessage(kMsgSuccess, 0, outputName.c_str()); }
void ShowOutOfMemory() { ShowMessage(kMsgOutOfMemory, 0); }
void ShowWriteError(const std::string& outputName) { ShowMessage(kMsgWriteError, 0, outputName.c_str()); }
void ShowReadError(int line, const std::string& iobName) {
    ShowMessage(kMsgReadError, 0, line, iobName.c_str());
}
void ShowUnsupportedSetting(const std::string& setting, const std::string& recordType) {
    ShowMessage(kMsgUnsupportedSetting, 0, setting.c_str(), recordType.c_str());
}
void ShowTooManyElements(const std::string& recordType, int line) {
    ShowMessage(kMsgTooManyElements, 0, recordType.c_str(), line);
}

void ShowSemicolonInName(const std::string& name, int line) {
    ShowMessage(kMsgSemicolonInName, 0, name.c_str(), line);
}
void ShowInvalidUnitFactor(int line) { ShowMessage(kMsgInvalidUnitFactor, 0, line); }
void ShowUnsupportedRecord(const std::string& recordType, int line) {
    ShowMessage(kMsgUnsupportedRecord, 0, recordType.c_str(), line);
}
void ShowNoStationPosition(const std::string& name, int line) {
    ShowMessage(kMsgNoStationPosition, 0, name.c_str(), line);
}
void ShowWeightsNotInvertible(int line) { ShowMessage(kMsgWeightsNotInvertible, 0, line); }

void ShowConversionFailure(const ConversionOutcome& outcome) {
    switch (outcome.result) {
    case kResultUnsupportedSetting:
        ShowUnsupportedSetting(outcome.failingText, outcome.failingRecordType);
        break;
    case kResultTooManyElements:
        ShowTooManyElements("ELEM", outcome.failingLine);
        break;
    case kResultSemicolonInName:
        ShowSemicolonInName(outcome.failingText, outcome.failingLine);
        break;
    case kResultInvalidUnitFactor:
        ShowInvalidUnitFactor(outcome.failingLine);
        break;
    case kResultUnsupportedRecord:
        ShowUnsupportedRecord(outcome.failingRecordType, outcome.failingLine);
        break;
    case kResultNoStationPosition:
        ShowNoStationPosition(outcome.failingText, outcome.failingLine);
        break;
    case kResultWeightsNotInvertible:
        ShowWeightsNotInvertible(outcome.failingLine);
        break;
    default:
        break;
    }
}

}  // namespace iob
