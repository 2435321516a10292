#include "executable_path.h"

#include "windows_api.h"

#include "wide_text.h"

// The path may be longer than MAX_PATH; a buffer that it fills is too short.
std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}
