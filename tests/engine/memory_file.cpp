#include "memory_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace iob {

namespace {

ssize_t ReadMemory(void* cookie, char* buffer, std::size_t size) {
    auto* file = static_cast<MemoryFile*>(cookie);
    std::size_t end = file->data.size();
    if (file->failReadsFrom >= 0 && file->rewinds >= file->failAfterRewinds) {
        if (file->readPosition >= static_cast<std::size_t>(file->failReadsFrom)) {
            errno = EIO;
            return -1;
        }
        end = std::min(end, static_cast<std::size_t>(file->failReadsFrom));
    }
    std::size_t count = std::min(size, end - std::min(end, file->readPosition));
    std::memcpy(buffer, file->data.data() + file->readPosition, count);
    file->readPosition += count;
    return static_cast<ssize_t>(count);
}

ssize_t WriteMemory(void* cookie, const char* buffer, std::size_t size) {
    auto* file = static_cast<MemoryFile*>(cookie);
    std::size_t count = size;
    if (file->failWritesAfter >= 0) {
        std::size_t limit = static_cast<std::size_t>(file->failWritesAfter);
        std::size_t room = limit - std::min(file->data.size(), limit);
        if (room < size) ++file->failedWrites;
        if (room == 0) {
            errno = ENOSPC;
            return -1;
        }
        count = std::min(count, room);
    }
    file->data.append(buffer, count);
    return static_cast<ssize_t>(count);
}

int SeekMemory(void* cookie, off64_t* offset, int whence) {
    auto* file = static_cast<MemoryFile*>(cookie);
    if (!file->seekable || whence != SEEK_SET || *offset < 0) {
        errno = ESPIPE;
        return -1;
    }
    file->readPosition = static_cast<std::size_t>(*offset);
    if (*offset == 0) ++file->rewinds;
    return 0;
}

}  // namespace

std::FILE* MemoryFile::Open(const char* mode) {
    cookie_io_functions_t functions{};
    functions.read = ReadMemory;
    functions.write = WriteMemory;
    functions.seek = SeekMemory;
    std::FILE* file = fopencookie(this, mode, functions);
    // Unbuffered, so that a failing write shows at the write that fails.
    if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

void MemoryFile::Close(std::FILE* stream) { std::fclose(stream); }

long OffsetOfLine(const std::string& text, int line) {
    long offset = 0;
    for (int current = 1; current < line; ++current) {
        offset = static_cast<long>(text.find('\n', static_cast<std::size_t>(offset))) + 1;
    }
    return offset;
}

}  // namespace iob
