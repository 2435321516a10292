#include "files_and_messages/output_file.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "files_and_messages/file_names.h"

namespace iob {
namespace fs = std::filesystem;
namespace {

// The output is written line by line: a larger buffer saves most of the
// write calls. (The C library would ignore the size without a buffer of ours.)
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// What an output name denotes, for writing the output through a temporary
// file that is renamed over it.
struct OutputName {
    enum Kind {
        kMissing,     // no file has the name (yet): a new file takes it
        kSoleName,    // a regular file, and this its only name: it can be replaced
        kNotReplaced  // anything else, or what cannot be told: written in place
    };
    Kind kind = kNotReplaced;
    fs::path file;  // the name with its symbolic links followed
};

OutputName ExamineOutputName(const fs::path& name) {
#ifdef _WIN32
    // Windows follows links as it opens a file, and tells the name it opened.
    // Its stat would call every file one name, and a device no file at all.
    HANDLE file = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return {OutputName::kMissing, name};
        return {};
    }
    BY_HANDLE_FILE_INFORMATION information;
    std::wstring path(MAX_PATH, L'\0');
    bool sole = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) != 0 &&
                (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && information.nNumberOfLinks == 1;
    DWORD length = sole ? GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0) : 0;
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    CloseHandle(file);
    if (length == 0 || length >= path.size()) return {};
    path.resize(length);
    // The C library takes "C:\..." and "\\server\...", not the "\\?\" forms.
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return {OutputName::kSoleName, L"\\" + path.substr(7)};
    if (path.compare(0, 4, L"\\\\?\\") == 0) return {OutputName::kSoleName, path.substr(4)};
    return {OutputName::kSoleName, path};
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
    if (stat(path.c_str(), &status) != 0)
        return {errno == ENOENT ? OutputName::kMissing : OutputName::kNotReplaced, path};
    return {S_ISREG(status.st_mode) && status.st_nlink == 1 ? OutputName::kSoleName : OutputName::kNotReplaced, path};
#endif
}

// Creates `path` and opens it for writing in binary mode, with the
// permissions fopen would give a new file; null when it exists already
// (errno is then EEXIST) or cannot be made.
std::FILE* CreateNewFile(const fs::path& path) {
#ifdef _WIN32
    int descriptor = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    if (descriptor >= 0 && file == nullptr) _close(descriptor);
#else
    int descriptor = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (descriptor >= 0 && file == nullptr) ::close(descriptor);
#endif
    return file;
}

// Renames `from` to `to` in the same folder, replacing a file of that
// name: the old file stays whole until the new one takes its name.
bool RenameReplacing(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

OutputFile::~OutputFile() {
    if (file_ != nullptr) Close(false);
}

bool OutputFile::OpenTemporary(const fs::path& name) {
    const OutputName output = ExamineOutputName(name);
    if (output.kind == OutputName::kNotReplaced) return false;
    const fs::path& target = output.file;
    const bool replaces = output.kind == OutputName::kSoleName;
    fs::perms permissions = fs::perms::unknown;
    if (replaces) {
        std::error_code error;
        permissions = fs::status(target, error).permissions();
        // A file that may not be written is refused as before, never replaced.
        std::FILE* probe = OpenFile(target, "ab");
        if (probe == nullptr) return false;
        std::fclose(probe);
    }
    // A name of its own: the output's, a random number and ".tmp", taken
    // only if no file has it yet (so the number need not be unguessable).
    std::minstd_rand random(
        static_cast<std::minstd_rand::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()));
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts && file_ == nullptr; ++attempt) {
        fs::path candidate = target;
        candidate += "." + std::to_string(random() % 1000000) + ".tmp";
        file_ = CreateNewFile(candidate);
        if (file_ == nullptr && errno != EEXIST) return false;
        if (file_ != nullptr) temporary_ = candidate;
    }
    if (file_ == nullptr) return false;
    std::error_code permissionsError;
    if (replaces) fs::permissions(temporary_, permissions, fs::perm_options::replace, permissionsError);
    if (permissionsError) {
        Close(false);
        return false;
    }
    target_ = target;
    return true;
}

std::FILE* OutputFile::Open(const std::string& name) {
    const fs::path path = PathFromUtf8(name);
    if (!OpenTemporary(path)) file_ = OpenFile(path, "wb");
    if (file_ != nullptr) {
        buffer_.resize(kBufferSize);
        std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    }
    return file_;
}

bool OutputFile::Close(bool keep) {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (temporary_.empty()) return closed;
    const bool placed = keep && closed && RenameReplacing(temporary_, target_);
    std::error_code error;
    if (!placed) fs::remove(temporary_, error);
    temporary_.clear();
    return closed && (placed || !keep);
}

}  // namespace iob
