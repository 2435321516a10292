// Text-mode streams over C byte streams opened in binary mode.
//
// The IOB reader and the output writer behave the same on every platform:
//   reading  - the data ends at the first 0x1A (Ctrl-Z) byte; CR LF reads as
//              one LF; a CR not followed by LF is an ordinary byte;
//   writing  - every LF is written as CR LF.
// Both keep an end-of-file and a sticky error indicator like stdio streams.
// Neither owns its FILE: the caller opens and closes it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace iob {

class TextReader {
public:
    explicit TextReader(std::FILE* file);

    // Reads at most `maxBytes` bytes into `buffer`, stopping after the first
    // LF, and ends them with a NUL (`buffer` holds maxBytes + 1 bytes).
    // Returns the number of bytes delivered: 0 at the end of the data, and 0
    // when the read failed (the error indicator is then set), as fgets does.
    std::size_t ReadLine(char* buffer, std::size_t maxBytes);

    // Reads on past the rest of the current line and its LF, or to the end
    // of the data; returns how many bytes came before the LF.
    std::size_t SkipRestOfLine();

    // The next line in place, when it lies whole in the read buffer: its
    // bytes before the line end (CR LF or LF), which the caller may change
    // until the next read. Only a line that ReadLine(buffer, maxBytes) would
    // deliver whole, LF included, qualifies, and none from a buffer that
    // holds a NUL; the reader has then passed the line and its line end.
    // Returns null, passing nothing, for a line left to ReadLine.
    char* TakeBufferedLine(std::size_t maxBytes, std::size_t& length);

    // After the data ended at a 0x1A byte: reads on past it to the end of the
    // file and returns how many of the lines there hold a byte other than a
    // blank, the rest of the 0x1A's own line among them. 0 when the data
    // ended otherwise. The reader stays at its end.
    long long CountLinesAfterCtrlZ();

    bool AtEnd() const { return atEnd_; }
    bool Failed() const { return failed_; }

    // Goes back to the first byte and clears both indicators. Fails, changing
    // nothing, on a stream that cannot seek, such as a pipe.
    bool Rewind();

    // Called after each read from the file, with the number of the reading
    // (1, and one more after each rewind: the conversion's pass) and the
    // bytes of the file read in it so far; the calls follow every 64 KiB.
    using ProgressHook = std::function<void(int reading, long long bytesRead)>;
    void SetProgressHook(ProgressHook hook) { progressHook_ = std::move(hook); }

private:
    int NextByte();  // the next translated byte, or EOF
    // Copies the buffered bytes that translate to themselves, up to
    // `maxBytes` and short of the line end, into `out`; returns how many.
    std::size_t CopyPlainBytes(char* out, std::size_t maxBytes);
    int PeekRawByte();
    bool Refill();

    std::FILE* file_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    bool holdsNul_ = false;     // the buffered data has a NUL byte
    bool sourceEnded_ = false;  // raw data exhausted, or a 0x1A met
    // The raw bytes read after a 0x1A: buffer_[afterCtrlZ_, rawLength_).
    bool ctrlZMet_ = false;
    std::size_t afterCtrlZ_ = 0;
    std::size_t rawLength_ = 0;
    bool sourceFailed_ = false;  // the underlying read failed
    bool atEnd_ = false;
    bool failed_ = false;
    ProgressHook progressHook_;
    int reading_ = 1;
    long long bytesRead_ = 0;
};

class TextWriter {
public:
    explicit TextWriter(std::FILE* file);

    // Writes `length` bytes, each LF as CR LF. Sets the error indicator when
    // the underlying stream reports an error; nothing is written after that.
    void Write(const char* text, std::size_t length);

    bool Failed() const { return failed_; }
    // The C library's error number (errno) of the first failure, 0 before.
    int ErrorNumber() const { return errorNumber_; }

    // Pushes buffered bytes to the file; false when that fails.
    bool Flush();

private:
    void Fail();

    std::FILE* file_;
    bool failed_ = false;
    int errorNumber_ = 0;
};

}  // namespace iob
