#include "files_and_messages/interrupt_cleanup.h"

#include <csignal>
#include <cstring>

#include <iob/convert_files.h>

#ifdef _WIN32
#include "files_and_messages/windows_api.h"
#else
#include <unistd.h>
#endif

namespace iob {
namespace {

// Read by the handler, which may run at any moment: a fixed buffer, and a
// flag set only once the path in it is whole.
#ifdef _WIN32
using PathChar = wchar_t;
#else
using PathChar = char;
#endif
constexpr std::size_t kMaxPath = 32768;
PathChar g_pendingPath[kMaxPath];
volatile std::sig_atomic_t g_pending = 0;

#ifdef _WIN32
BOOL WINAPI RemovePendingOnConsoleEvent(DWORD event) {
    if ((event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) && g_pending != 0) {
        DeleteFileW(g_pendingPath);
    }
    return FALSE;  // the default handler ends the process
}
#else
extern "C" void RemovePendingOnSignal(int signalNumber) {
    if (g_pending != 0) unlink(g_pendingPath);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}
#endif

}  // namespace

void SetPendingTemporary(const std::filesystem::path& path) {
    g_pending = 0;
    const auto& native = path.native();
    if (native.size() >= kMaxPath) return;
    std::memcpy(g_pendingPath, native.c_str(), (native.size() + 1) * sizeof(PathChar));
    g_pending = 1;
}

void ClearPendingTemporary() { g_pending = 0; }

void RemoveTemporaryFileOnInterrupt() {
#ifdef _WIN32
    SetConsoleCtrlHandler(RemovePendingOnConsoleEvent, TRUE);
#else
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) std::signal(signalNumber, RemovePendingOnSignal);
#endif
}

}  // namespace iob
