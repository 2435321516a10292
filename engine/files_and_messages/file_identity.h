// Which file a name denotes: the same file under two names, and the names
// of the process's standard output.
#pragma once

#include <string>

namespace iob {

// Whether `a` and `b` denote the same existing file: other spellings, hard
// and symbolic links count, and on Windows also other drive letters of the
// same volume (subst, mapped drives), UNC names and 8.3 names, as the
// volume's serial number and the file's index tell.
bool IsSameFile(const std::string& a, const std::string& b);

// Whether an output name denotes the standard output the process inherited:
// "-", and "/dev/stdout", "/dev/fd/1", "/proc/self/fd/1" (on Windows "-" and
// "CON", in any case). Such an output is written through descriptor 1
// where it stands, never replaced.
bool IsStandardOutputName(const std::string& name);

}  // namespace iob
