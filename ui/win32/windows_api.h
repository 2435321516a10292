// <windows.h> for the Win32 shell, included before any header of ours. Its
// LoadString and FormatMessage macros would rename iob::LoadString and
// iob::FormatMessage to their ...W names; the shell calls only the W
// functions by their full names.
#pragma once

#include <windows.h>
// Dropped files (HDROP); after <windows.h>, which it needs.
#include <shellapi.h>

#undef LoadString
#undef FormatMessage
