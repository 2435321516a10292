// The one way the program speaks to its user: a string-table entry, filled
// with the caller's arguments, handed to the installed presenter (a message
// box in the desktop program, stderr in the command-line tool).
#pragma once

#include <functional>
#include <string>

#include <iob/conversion_outcome.h>
#include <iob/string_table.h>

namespace iob {

// The boxes a presenter shows, every one with the warning icon.
enum BoxType : unsigned {
    kBoxOk = 0,              // a message: one OK button
    kBoxYesNoDefaultNo = 1,  // a question: Yes and No, with No the default
};

// The answers, the button that ended the box; Windows' IDOK, IDYES and IDNO.
constexpr int kButtonOk = 1;
constexpr int kButtonYes = 6;
constexpr int kButtonNo = 7;

// Shows `text` for message `messageNumber` in a box of `boxType` and
// returns the pressed button.
// `details`, empty for most messages, is what a conversion converted and did
// not: a message box shows it beneath the text.
using MessagePresenter =
    std::function<int(unsigned messageNumber, unsigned boxType, const std::string& text, const std::string& details)>;

// Installs `presenter` and returns the one it replaces. Without a presenter
// messages are dropped.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Shows `text` for message `messageNumber` in a box of `boxType`, with
// `details` beneath it; returns the presenter's answer.
int PresentMessage(unsigned messageNumber, unsigned boxType, const std::string& text, const std::string& details);

// Formats message `messageNumber` with `arguments` (FormatMessage) and shows
// it; returns the presenter's answer.
template <typename... Arguments>
int ShowMessage(unsigned messageNumber, unsigned boxType, const Arguments&... arguments) {
    return PresentMessage(messageNumber, boxType, FormatMessage(messageNumber, arguments...), std::string());
}

// One function per message, so that every argument's type is checked. Those
// that end a conversion take the report's text as their details.
void ShowEnterIobName();
void ShowEnterOutputName();
// Asks whether the existing file `outputName` is to be replaced; true for
// Yes. A name ending in ".iob", in any case, gets the question that says it
// is an IOB file: swapped names would otherwise destroy an input.
bool AskReplace(const std::string& outputName);
void ShowSuccess(const std::string& outputName, const std::string& details);
void ShowOutOfMemory(const std::string& details = std::string());
void ShowWriteError(const std::string& outputName, const std::string& details);
void ShowReadError(LineNumber line, const std::string& iobName, const std::string& details);

// The message of a conversion that failed in a way only the conversion can
// tell (IsConversionFailure), with the arguments its outcome holds and
// `details`. Shows nothing for any other outcome.
void ShowConversionFailure(const ConversionOutcome& outcome, const std::string& details = std::string());

}  // namespace iob
