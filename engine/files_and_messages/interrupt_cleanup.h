// The temporary file of an output being written, removed when the program
// is interrupted (Ctrl+C, SIGTERM, SIGHUP; on Windows the console's Ctrl+C,
// Ctrl+Break and close events), so that none is left behind and the
// earlier file of the output's name stays as it was.
#pragma once

#include <filesystem>

namespace iob {

// The temporary file now being written; one at a time.
void SetPendingTemporary(const std::filesystem::path& path);
// It was put in place or removed.
void ClearPendingTemporary();

}  // namespace iob
