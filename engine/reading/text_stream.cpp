#include <iob/text_stream.h>

#include <cerrno>
#include <cstring>

#include "reading/portability.h"

namespace iob {
namespace {
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;
constexpr char kCtrlZ = 0x1A;
}  // namespace

TextReader::TextReader(std::FILE* file) : file_(file), buffer_(kReadChunk) {}

bool TextReader::Refill() {
    if (sourceEnded_ || sourceFailed_) return false;
    position_ = 0;
    length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (length_ < buffer_.size()) {
        if (std::ferror(file_)) {
            // Bytes that arrived before the failure are still delivered; the
            // failure shows when they are used up.
            sourceFailed_ = true;
        } else {
            sourceEnded_ = true;
        }
    }
    void* ctrlZ = std::memchr(buffer_.data(), kCtrlZ, length_);
    if (ctrlZ != nullptr) {
        rawLength_ = length_;
        length_ = static_cast<std::size_t>(static_cast<char*>(ctrlZ) - buffer_.data());
        afterCtrlZ_ = length_ + 1;
        ctrlZMet_ = true;
        sourceEnded_ = true;
        sourceFailed_ = false;
    }
    holdsNul_ = std::memchr(buffer_.data(), '\0', length_) != nullptr;
    bytesRead_ += static_cast<long long>(length_);
    if (progressHook_) progressHook_(reading_, bytesRead_);
    return length_ > 0;
}

int TextReader::PeekRawByte() {
    if (position_ == length_ && !Refill()) return EOF;
    return static_cast<unsigned char>(buffer_[position_]);
}

int TextReader::NextByte() {
    int byte = PeekRawByte();
    if (byte == EOF) {
        if (sourceFailed_) {
            failed_ = true;
        } else {
            atEnd_ = true;
        }
        return EOF;
    }
    ++position_;
    if (byte == '\r' && PeekRawByte() == '\n') {
        ++position_;
        return '\n';
    }
    return byte;
}

std::size_t TextReader::CopyPlainBytes(char* out, std::size_t maxBytes) {
    // Bytes before the line's LF, but never a CR that an LF may follow (the
    // last byte of the span, or the byte before the LF): those, the LF and
    // every refill are left to NextByte.
    const char* start = buffer_.data() + position_;
    std::size_t span = length_ - position_ < maxBytes ? length_ - position_ : maxBytes;
    if (span == 0) return 0;
    const char* lineFeed = static_cast<const char*>(std::memchr(start, '\n', span));
    std::size_t plain = lineFeed ? static_cast<std::size_t>(lineFeed - start) : span - 1;
    if (lineFeed && plain > 0 && start[plain - 1] == '\r') --plain;
    std::memcpy(out, start, plain);
    position_ += plain;
    return plain;
}

std::size_t TextReader::ReadLine(char* buffer, std::size_t maxBytes) {
    std::size_t count = 0;
    while (count < maxBytes) {
        count += CopyPlainBytes(buffer + count, maxBytes - count);
        int byte = NextByte();
        if (byte == EOF) break;
        buffer[count++] = static_cast<char>(byte);
        if (byte == '\n') break;
    }
    if (failed_) count = 0;
    buffer[count] = '\0';
    return count;
}

char* TextReader::TakeBufferedLine(std::size_t maxBytes, std::size_t& length) {
    if (holdsNul_) return nullptr;
    char* start = buffer_.data() + position_;
    // A CR before the LF is read as part of the LF, so it may lie one byte further.
    std::size_t span = length_ - position_ < maxBytes + 1 ? length_ - position_ : maxBytes + 1;
    char* lineFeed = static_cast<char*>(std::memchr(start, '\n', span));
    if (lineFeed == nullptr) return nullptr;
    length = static_cast<std::size_t>(lineFeed - start);
    if (length > 0 && start[length - 1] == '\r') --length;
    if (length + 1 > maxBytes) return nullptr;
    position_ += static_cast<std::size_t>(lineFeed - start) + 1;
    return start;
}

std::size_t TextReader::SkipRestOfLine() {
    std::size_t skipped = 0;
    for (int byte = NextByte(); byte != EOF && byte != '\n'; byte = NextByte()) ++skipped;
    return skipped;
}

long long TextReader::CountLinesAfterCtrlZ() {
    if (!ctrlZMet_) return 0;
    long long lines = 0;
    bool lineHoldsData = false;
    auto count = [&](const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            if (bytes[i] == '\n') {
                lines += lineHoldsData ? 1 : 0;
                lineHoldsData = false;
            } else if (static_cast<unsigned char>(bytes[i]) > ' ') {
                lineHoldsData = true;
            }
        }
    };
    count(buffer_.data() + afterCtrlZ_, rawLength_ - afterCtrlZ_);
    for (std::size_t read = rawLength_ == buffer_.size() ? buffer_.size() : 0; read == buffer_.size();) {
        read = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        count(buffer_.data(), read);
    }
    ctrlZMet_ = false;  // the buffer holds none of it any more
    return lines + (lineHoldsData ? 1 : 0);
}

bool TextReader::Rewind() {
    if (!CanRewind(file_) || std::fseek(file_, 0, SEEK_SET) != 0) return false;
    std::clearerr(file_);
    position_ = length_ = 0;
    holdsNul_ = false;
    sourceEnded_ = sourceFailed_ = atEnd_ = failed_ = ctrlZMet_ = false;
    ++reading_;
    bytesRead_ = 0;
    return true;
}

TextWriter::TextWriter(std::FILE* file) : file_(file) {}

void TextWriter::Write(const char* text, std::size_t length) {
    const char* end = text + length;
    while (!failed_ && text < end) {
        std::size_t rest = static_cast<std::size_t>(end - text);
        const char* lineEnd = static_cast<const char*>(std::memchr(text, '\n', rest));
        const char* chunkEnd = lineEnd ? lineEnd : end;
        std::size_t chunk = static_cast<std::size_t>(chunkEnd - text);
        char line[512];
        if (lineEnd && chunk + 2 <= sizeof line) {
            // A line of a record goes out in one call, its CR LF with it.
            std::memcpy(line, text, chunk);
            line[chunk] = '\r';
            line[chunk + 1] = '\n';
            if (std::fwrite(line, 1, chunk + 2, file_) != chunk + 2) Fail();
        } else {
            if (chunk > 0 && std::fwrite(text, 1, chunk, file_) != chunk) Fail();
            if (!failed_ && lineEnd && std::fwrite("\r\n", 1, 2, file_) != 2) Fail();
        }
        text = lineEnd ? lineEnd + 1 : end;
    }
    if (!failed_ && std::ferror(file_)) Fail();
}

void TextWriter::Fail() {
    if (!failed_) errorNumber_ = errno;
    failed_ = true;
}

bool TextWriter::Flush() {
    if (!failed_ && std::fflush(file_) != 0) Fail();
    return !failed_;
}

}  // namespace iob
