#include "output_file.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#include "file_names.h"

namespace iob {
namespace fs = std::filesystem;
namespace {

// The output is written line by line: a larger buffer saves most of the
// write calls. (The C library would ignore the size without a buffer of ours.)
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

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
