// The application icon (32 x 32, 16 colours at most), as XPM data so that
// it needs no resource compiler: the main dialog's window icon and the
// picture of the About box.
#pragma once

const char* const* AppIconXpm();
