// <windows.h> for the Win32 shell, included before any header of ours. Its
// LoadString and FormatMessage macros would rename iob::LoadString and
// iob::FormatMessage to their ...W names; the shell calls only the W
// functions by their full names.
#pragma once

#include <windows.h>

#undef LoadString
#undef FormatMessage
