// The frame of both dialogs: a caption with the window menu and a close
// box, no minimise or maximise box. Qt hands these hints on as they are
// (on X11 as Motif hints, which leave out the minimise and maximise
// functions and buttons); the dialogs' fixed size keeps the frame from
// resizing.
#pragma once

#include <Qt>

constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
