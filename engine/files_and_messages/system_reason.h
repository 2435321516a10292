// Why the system refused a file, in the plain words of the string table
// ("no such file or folder", "in use by another program", ...), or the
// system's own text for what the table has no words for.
#pragma once

#include <string>

namespace iob {

enum class Access { kRead, kWrite };

// The reason for the C library's error number `errorNumber` (errno).
std::string ReasonOfErrno(int errorNumber, Access access);

#ifdef _WIN32
// The reason for a Windows error code (GetLastError).
std::string ReasonOfWindowsError(unsigned long error, Access access);
#endif

}  // namespace iob
