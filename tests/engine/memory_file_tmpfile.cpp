// MemoryFile where the C library cannot make a stream over functions of
// ours: the bytes go through a temporary file, which is gone once closed.
#include "memory_file.h"

namespace iob {

std::FILE* MemoryFile::Open(const char* mode) {
    // Wine's C library now and then fails to make one while another test
    // process makes its own (seen under ctest -j): a few more tries.
    std::FILE* stream = std::tmpfile();
    for (int attempt = 1; stream == nullptr && attempt < 20; ++attempt) stream = std::tmpfile();
    if (stream == nullptr) return nullptr;
    // Writes append to what `data` holds already, as over fopencookie.
    std::fwrite(data.data(), 1, data.size(), stream);
    if (mode[0] == 'r') std::rewind(stream);
    return stream;
}

void MemoryFile::Close(std::FILE* stream) {
    std::rewind(stream);
    data.clear();
    char buffer[4096];
    while (std::size_t count = std::fread(buffer, 1, sizeof buffer, stream)) data.append(buffer, count);
    std::fclose(stream);
}

}  // namespace iob
