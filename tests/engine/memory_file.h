// In-memory C streams for the engine's tests, with faults on request:
// reads that fail from a chosen byte on, writes that fail after N bytes,
// and streams that cannot seek, as a pipe cannot.
#pragma once

#include <cstdio>
#include <string>

namespace iob {

struct MemoryFile {
    std::string data;              // what reads deliver; what writes append to
    std::size_t readPosition = 0;
    long failReadsFrom = -1;       // byte offset from which every read fails...
    int failAfterRewinds = 0;      // ...once the file was rewound this often
    int rewinds = 0;
    long failWritesAfter = -1;     // bytes accepted before every write fails
    bool seekable = true;
    int failedWrites = 0;          // writes refused in whole or in part

    // A FILE* over this object (mode "rb" or "wb"); close it with fclose.
    std::FILE* Open(const char* mode);
};

// The byte offset at which 1-based line `line` of `text` begins.
long OffsetOfLine(const std::string& text, int line);

}  // namespace iob
