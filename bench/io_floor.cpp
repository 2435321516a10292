// io_floor: the I/O that a conversion cannot avoid, and nothing else.
//
//   io_floor INPUT OUTPUT BYTES
//
// Reads INPUT three times from its start and writes BYTES bytes to OUTPUT,
// all with plain buffered stdio in 64 KiB pieces, the way the converter
// streams its three passes and its output.
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Usage: io_floor INPUT OUTPUT BYTES\n");
        return 2;
    }
    std::size_t outputBytes = std::strtoull(argv[3], nullptr, 10);
    std::FILE* input = std::fopen(argv[1], "rb");
    std::FILE* output = std::fopen(argv[2], "wb");
    if (input == nullptr || output == nullptr) {
        std::perror("io_floor");
        return 1;
    }
    std::vector<char> buffer(kChunk);
    for (int pass = 0; pass < 3; ++pass) {
        std::rewind(input);
        while (std::fread(buffer.data(), 1, buffer.size(), input) == buffer.size()) {
        }
    }
    for (std::size_t written = 0; written < outputBytes;) {
        std::size_t piece = outputBytes - written < kChunk ? outputBytes - written : kChunk;
        if (std::fwrite(buffer.data(), 1, piece, output) != piece) break;
        written += piece;
    }
    bool ok = !std::ferror(input) && std::fclose(output) == 0;
    std::fclose(input);
    if (!ok) {
        std::perror("io_floor");
        return 1;
    }
    return 0;
}
