// The application icon, drawn once as SVG (org.iobtoquorvane.IobToQuorvane.svg):
// the Qt program renders its window icon and the About box's picture from
// this text at the size each screen needs, so they stay sharp at any scale
// (the Windows program shows the .ico made from the same file). Plain data:
// no toolkit, no resource compiler.
#pragma once

// The side of the icon picture in the dialogs, in device-independent pixels.
constexpr int kAppIconSize = 32;

// The SVG text, UTF-8.
const char* AppIconSvg();
