// The message boxes of ShowMessage.
#pragma once

#include "windows_api.h"

#include <iob/show_message.h>

// A presenter that shows each message in a box modal to `owner`: the warning
// icon, one OK button, the application's title as caption and the whole
// text, however long, with the report of a conversion beneath it after an
// empty line. Every caller passes box type 0, so the box type adds nothing.
// Returns the id of OK.
iob::MessagePresenter MessageBoxPresenter(HWND owner);
