#include "files_and_messages/output_file.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>

#include "files_and_messages/windows_api.h"
#else
#include <unistd.h>
#endif

#include "files_and_messages/file_identity.h"
#include "files_and_messages/file_names.h"
#include "files_and_messages/interrupt_cleanup.h"
#include "files_and_messages/system_reason.h"

namespace iob {
namespace fs = std::filesystem;

// What an output name denotes, for writing the output through a temporary
// file that is renamed over it.
struct OutputName {
    enum Kind {
        kMissing,      // no file has the name (yet): a new file takes it
        kSoleName,     // a regular file, and this its only name: it can be replaced
        kNotReplaced,  // anything else, or what cannot be told: written in place
        kRefused       // a file that may not be written or is in use: nothing is written
    };
    Kind kind = kNotReplaced;
    fs::path file;       // the name with its symbolic links followed
    std::string reason;  // why it is refused
};

namespace {

// The output is written line by line: a larger buffer saves most of the
// write calls. (The C library would ignore the size without a buffer of ours.)
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

OutputName ExamineOutputName(const fs::path& name) {
#ifdef _WIN32
    // Windows follows links as it opens a file, and tells the name it opened.
    // Its stat would call every file one name, and a device no file at all.
    HANDLE file =
        CreateFileW(ExtendedLengthName(name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return {OutputName::kMissing, name, std::string()};
        return {};
    }
    BY_HANDLE_FILE_INFORMATION information;
    // Room for the longest name at once: Wine gives no length for a buffer too small.
    constexpr std::size_t kLongestName = 32768;
    std::wstring path(kLongestName, L'\0');
    bool sole = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) != 0 &&
                (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && information.nNumberOfLinks == 1;
    DWORD length = sole ? GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0) : 0;
    CloseHandle(file);
    if (!sole || length >= path.size()) return {};
    // Wine tells no final name longer than MAX_PATH: the name as given then
    // stands for itself, as it does for every file that is no link.
    std::error_code error;
    path = length == 0 ? fs::absolute(name, error).wstring() : path.substr(0, length);
    if (path.empty()) return {};
    // The C library takes "C:\..." and "\\server\...", not the "\\?\" forms.
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) path = L"\\" + path.substr(7);
    if (path.compare(0, 4, L"\\\\?\\") == 0) path = path.substr(4);
    // A file that another program holds open, or that may not be written,
    // cannot take the new file's place: refused now, before anything is
    // written, with the system's reason.
    HANDLE probe =
        CreateFileW(ExtendedLengthName(path).c_str(), GENERIC_WRITE | DELETE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return {OutputName::kRefused, path, ReasonOfWindowsError(GetLastError(), Access::kWrite)};
    }
    CloseHandle(probe);
    return {OutputName::kSoleName, path, std::string()};
#else
    fs::path path = name;
    constexpr int kMaxLinks = 40;  // as many as the system itself follows
    std::error_code error;
    for (int links = 0; links < kMaxLinks && fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        fs::path target = fs::read_symlink(path, error);
        if (error) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return {errno == ENOENT ? OutputName::kMissing : OutputName::kNotReplaced, path, std::string()};
    }
    if (!S_ISREG(status.st_mode) || status.st_nlink != 1) return {OutputName::kNotReplaced, path, std::string()};
    // A file that may not be written is refused, never replaced.
    std::FILE* probe = OpenFile(path, "ab");
    if (probe == nullptr) return {OutputName::kRefused, path, ReasonOfErrno(errno, Access::kWrite)};
    std::fclose(probe);
    return {OutputName::kSoleName, path, std::string()};
#endif
}

// Creates `path` and opens it for writing in binary mode, with the
// permissions fopen would give a new file; null when it exists already
// (`exists` is then set) or cannot be made. On Windows others may delete
// it while it is open, so that an interrupt can remove it.
std::FILE* CreateNewFile(const fs::path& path, bool& exists) {
#ifdef _WIN32
    HANDLE handle = CreateFileW(ExtendedLengthName(path).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    exists = handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS;
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr) _close(descriptor);
#else
    const int descriptor = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    exists = descriptor < 0 && errno == EEXIST;
    std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (descriptor >= 0 && file == nullptr) ::close(descriptor);
#endif
    return file;
}

// The process's standard output as inherited, for writing where it stands:
// at its offset, so that a shell's >> appends; in binary mode on Windows.
std::FILE* OpenStandardOutput() {
#ifdef _WIN32
    const int descriptor = _dup(1);
    if (descriptor < 0) return nullptr;
    _setmode(descriptor, _O_BINARY);
    std::FILE* file = _fdopen(descriptor, "wb");
    if (file == nullptr) _close(descriptor);
#else
    const int descriptor = ::dup(1);
    if (descriptor < 0) return nullptr;
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) ::close(descriptor);
#endif
    return file;
}

// Renames `from` to `to` in the same folder, replacing a file of that
// name: the old file stays whole until the new one takes its name.
bool RenameReplacing(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return MoveFileExW(ExtendedLengthName(from).c_str(), ExtendedLengthName(to).c_str(), MOVEFILE_REPLACE_EXISTING) !=
           0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

void RemoveFile(const fs::path& path) {
#ifdef _WIN32
    DeleteFileW(ExtendedLengthName(path).c_str());
#else
    std::error_code error;
    fs::remove(path, error);
#endif
}

}  // namespace

OutputFile::~OutputFile() {
    if (file_ != nullptr) Close(false);
}

bool OutputFile::OpenTemporary(const OutputName& output) {
    const fs::path& target = output.file;
    const bool replaces = output.kind == OutputName::kSoleName;
    fs::perms permissions = fs::perms::unknown;
    std::error_code error;
    if (replaces) permissions = fs::status(target, error).permissions();
    const bool keepsPermissions = replaces && permissions != fs::perms::unknown;
    // A short name of its own in the output's folder, taken only if no file
    // has it yet (so the number need not be unguessable): it fits wherever
    // the output's own name does.
    std::minstd_rand random(
        static_cast<std::minstd_rand::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()));
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts && file_ == nullptr; ++attempt) {
        const fs::path candidate = target.parent_path() / ("~iobq" + std::to_string(random() % 1000000) + ".tmp");
        bool exists = false;
        file_ = CreateNewFile(candidate, exists);
        if (file_ == nullptr && !exists) return false;
        if (file_ != nullptr) temporary_ = candidate;
    }
    if (file_ == nullptr) return false;
#ifdef _WIN32
    SetPendingTemporary(ExtendedLengthName(temporary_));
#else
    SetPendingTemporary(temporary_);
#endif
    std::error_code permissionsError;
    if (keepsPermissions) fs::permissions(temporary_, permissions, fs::perm_options::replace, permissionsError);
    if (permissionsError) {
        Close(false);
        return false;
    }
    target_ = target;
    replacesEarlierFile_ = replaces;
    return true;
}

std::FILE* OutputFile::Open(const std::string& name) {
    reason_.clear();
    if (IsStandardOutputName(name)) {
        file_ = OpenStandardOutput();
        if (file_ == nullptr) reason_ = ReasonOfErrno(errno, Access::kWrite);
    } else {
        const fs::path path = PathFromUtf8(name);
        const OutputName output = ExamineOutputName(path);
        if (output.kind == OutputName::kRefused) {
            reason_ = output.reason;
            return nullptr;
        }
        const bool temporary = output.kind != OutputName::kNotReplaced && OpenTemporary(output);
        if (!temporary) file_ = OpenFile(path, "wb");
        if (file_ == nullptr) reason_ = ReasonOfErrno(errno, Access::kWrite);
    }
    if (file_ != nullptr) {
        buffer_.resize(kBufferSize);
        std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    }
    return file_;
}

bool OutputFile::Close(bool keep) {
    const bool closed = std::fclose(file_) == 0;
    if (!closed) reason_ = ReasonOfErrno(errno, Access::kWrite);
    file_ = nullptr;
    if (temporary_.empty()) return closed;
    const bool placed = keep && closed && RenameReplacing(temporary_, target_);
#ifdef _WIN32
    if (keep && closed && !placed) reason_ = ReasonOfWindowsError(GetLastError(), Access::kWrite);
#else
    if (keep && closed && !placed) reason_ = ReasonOfErrno(errno, Access::kWrite);
#endif
    if (!placed) RemoveFile(temporary_);
    ClearPendingTemporary();
    temporary_.clear();
    return closed && (placed || !keep);
}

}  // namespace iob
