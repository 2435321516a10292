// The application icon (32 x 32, 16 colours at most), as XPM data so that
// it needs no resource compiler: the main dialog's window icon and the
// picture of the About box.
#pragma once

// The side of the icon picture, in pixels.
constexpr int kAppIconSize = 32;

const char* const* AppIconXpm();
