// The frame of both dialogs: a caption with the window menu and a close
// box, no minimise or maximise box; the dialogs' fixed size keeps the frame
// from resizing.
#pragma once

#include <Qt>

constexpr Qt::WindowFlags kDialogWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
