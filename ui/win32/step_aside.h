// "Open with" on several IOB files starts the program once for each file,
// and each main dialog opens centred on the screen: every new one would
// hide the one before exactly, as if only one had opened.
#pragma once

#include "windows_api.h"

// Moves `window`, not yet shown, down and right by a title bar's height
// for as long as another shown window with its title stands exactly where
// it stands, while it stays within its screen's work area.
void StepAsideFromTwins(HWND window);
