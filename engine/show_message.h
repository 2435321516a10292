// The one way the program speaks to its user: a string-table entry, filled
// printf-style with the caller's arguments, handed to the installed presenter
// (a message box in the desktop program, stderr in the command-line tool).
#pragma once

#include <functional>
#include <string>

#include "string_table.h"

// Shows `text` for message `messageNumber` with the platform's `boxType`
// (buttons and icon; 0 is one OK button) and returns the pressed button.
using MessagePresenter = std::function<int(unsigned messageNumber, unsigned boxType, const std::string& text)>;

// Installs `presenter` and returns the one it replaces. Without a presenter
// messages are dropped.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// The text of entry `messageNumber` filled with the arguments; never cut.
std::string FormatMessage(unsigned messageNumber, ...);

// Formats message `messageNumber` and shows it; returns the presenter's answer.
int ShowMessage(unsigned messageNumber, unsigned boxType, ...);
