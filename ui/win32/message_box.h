// The message boxes of ShowMessage.
#pragma once

#include "windows_api.h"

#include <iob/show_message.h>

// A presenter that shows each message in a box modal to `owner`: the warning
// icon, the buttons of its box type, the application's title as caption and
// the whole text, however long, with the report of a conversion beneath it
// after an empty line. Returns the id of the pressed button, which
// show_message.h numbers as Windows does.
iob::MessagePresenter MessageBoxPresenter(HWND owner);
