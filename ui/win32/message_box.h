// The message boxes of ShowMessage.
#pragma once

#include "windows_api.h"

#include <iob/show_message.h>

// A presenter that shows each message in a box modal to `owner`: the warning
// icon, the buttons of its box type and the application's title as caption.
// A message without details is the system's message box; one with the
// report of a conversion is the report box (report_box.h), where both can
// be selected and copied, and the rest of a long report waits in its details
// area. Returns the id of the pressed button, which show_message.h numbers
// as Windows does.
iob::MessagePresenter MessageBoxPresenter(HWND owner);
