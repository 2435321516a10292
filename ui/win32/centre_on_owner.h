// A window opened over the main dialog stands centred on it.
#pragma once

#include "windows_api.h"

// Moves `window` so that its centre is its owner's; its size stays.
void CentreOnOwner(HWND window);
