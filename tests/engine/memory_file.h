// In-memory C streams for the engine's tests. Where the C library can make
// a stream over functions of ours (glibc's fopencookie), they also fail on
// request: reads that fail from a chosen byte on, writes that fail after N
// bytes, and streams that cannot seek, as a pipe cannot. Elsewhere they
// are temporary files, and the tests of faults are not built.
#pragma once

#include <cstdio>
#include <string>

namespace iob {

struct MemoryFile {
    std::string data;  // what reads deliver; what writes append to
#ifdef IOB_FAILING_STREAMS
    std::size_t readPosition = 0;
    long failReadsFrom = -1;   // byte offset from which every read fails...
    int failAfterRewinds = 0;  // ...once the file was rewound this often
    int rewinds = 0;
    long failWritesAfter = -1;  // bytes accepted before every write fails
    bool seekable = true;
    int failedWrites = 0;  // writes refused in whole or in part
#endif

    // A FILE* over this object (mode "rb" or "wb").
    std::FILE* Open(const char* mode);
    // Closes a stream that Open gave; `data` then holds all that was written.
    void Close(std::FILE* stream);
};

#ifdef IOB_FAILING_STREAMS
// The byte offset at which 1-based line `line` of `text` begins.
long OffsetOfLine(const std::string& text, int line);
#endif

}  // namespace iob
