// TextReader::ReadLine copies whole runs of plain bytes at once, and
// TakeBufferedLine hands over whole lines where they stand; line ends split
// across the 64 KiB refills, CRs without an LF, NULs and over-long lines must
// still come out as the byte-by-byte text-mode rules give them.
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include <iob/text_stream.h>

using namespace iob;

namespace {

// The text-mode rules, one byte at a time: CR LF reads as LF, the data ends
// at 0x1A, a line ends after its LF or after `maxBytes` bytes.
std::vector<std::string> ExpectedLines(const std::string& raw, std::size_t maxBytes) {
    std::string text;
    for (std::size_t i = 0; i < raw.size() && raw[i] != 0x1A; ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text += raw[i];
    }
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        line += c;
        if (c == '\n' || line.size() == maxBytes) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// With `inPlace`, each line is first asked of TakeBufferedLine (its line end
// given back here), and only a line that it leaves is read by ReadLine.
std::vector<std::string> ReadLines(const std::string& raw, std::size_t maxBytes, bool inPlace = false) {
    std::FILE* file = std::tmpfile();
    std::fwrite(raw.data(), 1, raw.size(), file);
    std::rewind(file);
    TextReader reader(file);
    std::vector<std::string> lines;
    std::vector<char> buffer(maxBytes + 1);
    for (;;) {
        std::size_t length = 0;
        if (const char* line = inPlace ? reader.TakeBufferedLine(maxBytes, length) : nullptr) {
            lines.push_back(std::string(line, length) + '\n');
        } else if (std::size_t count = reader.ReadLine(buffer.data(), maxBytes)) {
            lines.emplace_back(buffer.data(), count);
        } else {
            break;
        }
    }
    std::fclose(file);
    return lines;
}

std::string RandomText(std::mt19937& random, std::size_t size) {
    const char* ends[] = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    std::string raw;
    while (raw.size() < size) {
        raw.append(random() % 300, static_cast<char>('A' + random() % 26));
        raw += ends[random() % 5];
    }
    return raw;
}

TEST(TextReaderPieces, LinesAcrossRefillsReadAsByteByByte) {
    std::mt19937 random(6);
    std::string raw = RandomText(random, 400 * 1024);
    EXPECT_EQ(ReadLines(raw, 257), ExpectedLines(raw, 257));
}

TEST(TextReaderPieces, LinesTakenInPlaceReadAsByteByByte) {
    std::mt19937 random(7);
    std::string raw = RandomText(random, 400 * 1024);
    raw[300 * 1024] = '\0';  // its chunk is left to ReadLine
    EXPECT_EQ(ReadLines(raw, 257, true), ExpectedLines(raw, 257));
}

// The reader fetches 64 KiB at a time: the CR lands just before, on and
// after the last byte of the first chunk, in lines cut short, cut at the
// chunk's size and longer than a chunk.
TEST(TextReaderPieces, CrLfSplitByARefill) {
    for (std::size_t split : {65534u, 65535u, 65536u, 65537u}) {
        std::string raw(split - 1, 'x');
        raw += "\r\nnext\r\n";
        for (std::size_t maxBytes : {257u, 65536u, 70000u}) {
            EXPECT_EQ(ReadLines(raw, maxBytes), ExpectedLines(raw, maxBytes)) << split << " " << maxBytes;
            EXPECT_EQ(ReadLines(raw, maxBytes, true), ExpectedLines(raw, maxBytes)) << split << " " << maxBytes;
        }
    }
}

TEST(TextReaderPieces, CrLfAtTheLengthLimit) {
    for (std::size_t length : {255u, 256u, 257u, 258u}) {
        std::string raw(length, 'y');
        raw += "\r\n\r\r\nz";
        EXPECT_EQ(ReadLines(raw, 257), ExpectedLines(raw, 257)) << length;
        EXPECT_EQ(ReadLines(raw, 257, true), ExpectedLines(raw, 257)) << length;
    }
}

}  // namespace
