// <windows.h> for the files layer's Windows calls. Its LoadString and
// FormatMessage macros would rename iob::LoadString and iob::FormatMessage
// to their ...W names; this layer calls only the W functions by name, so
// both macros go.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef LoadString
#undef FormatMessage

#include <filesystem>
#include <string>

namespace iob {

inline std::string Utf8OfWide(const std::wstring& wide) { return std::filesystem::path(wide).u8string(); }

}  // namespace iob
