// The message boxes of ShowMessage.
#pragma once

#include <QWidget>

#include <iob/show_message.h>

// A presenter that shows each message in a box modal to `owner`: the warning
// icon, the buttons of its box type, the application's title as caption and
// the whole text, however long. Returns the pressed button as
// show_message.h numbers it; No for a question closed with Escape.
iob::MessagePresenter MessageBoxPresenter(QWidget* owner);
