#include <gtest/gtest.h>

#include <iob/text_stream.h>

#include "memory_file.h"

using namespace iob;

namespace {

// Every line that the reader delivers, read with room for `maxBytes`.
std::vector<std::string> ReadAll(const std::string& bytes, std::size_t maxBytes = 257) {
    MemoryFile file{bytes};
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    std::vector<std::string> lines;
    std::vector<char> buffer(maxBytes + 1);
    while (std::size_t count = reader.ReadLine(buffer.data(), maxBytes)) {
        lines.emplace_back(buffer.data(), count);
    }
    EXPECT_TRUE(reader.AtEnd());
    file.Close(stream);
    return lines;
}

std::string WriteAll(const std::string& text) {
    MemoryFile file;
    std::FILE* stream = file.Open("wb");
    TextWriter writer(stream);
    writer.Write(text.data(), text.size());
    EXPECT_TRUE(writer.Flush());
    file.Close(stream);
    return file.data;
}

using Lines = std::vector<std::string>;

TEST(TextReader, CrLfReadsAsLf) { EXPECT_EQ(ReadAll("a\r\nb\r\n"), (Lines{"a\n", "b\n"})); }

TEST(TextReader, LoneCrIsAnOrdinaryByte) { EXPECT_EQ(ReadAll("a\rb\r\r\n"), (Lines{"a\rb\r\n"})); }

TEST(TextReader, CrAtTheEndOfTheDataStays) { EXPECT_EQ(ReadAll("a\r"), (Lines{"a\r"})); }

TEST(TextReader, CtrlZEndsTheData) {
    EXPECT_EQ(ReadAll(std::string("a\r\nb\x1a") + "c\r\nd\r\n"), (Lines{"a\n", "b"}));
    EXPECT_EQ(ReadAll("ab\r\ncd\x1a\r\nef\r\n"), (Lines{"ab\n", "cd"}));  // nor a CR LF after it
}

TEST(TextReader, CrBeforeCtrlZIsKept) { EXPECT_EQ(ReadAll("a\r\x1a\n"), (Lines{"a\r"})); }

TEST(TextReader, LongLineComesInPieces) {
    std::string line(300, 'x');
    EXPECT_EQ(ReadAll(line + "\n"), (Lines{std::string(257, 'x'), std::string(43, 'x') + "\n"}));
}

TEST(TextReader, EndIsSetOnlyWhenAReadMeetsIt) {
    MemoryFile file{"a\nb"};
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    char buffer[10];
    EXPECT_EQ(reader.ReadLine(buffer, 9), 2u);
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(buffer, 9), 1u);
    EXPECT_STREQ(buffer, "b");
    EXPECT_TRUE(reader.AtEnd());
    file.Close(stream);
}

TEST(TextReader, RewindStartsAgainAndClearsTheEnd) {
    MemoryFile file{std::string("a\x1a") + "b"};
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    char buffer[10];
    reader.ReadLine(buffer, 9);
    reader.ReadLine(buffer, 9);
    EXPECT_TRUE(reader.AtEnd());
    ASSERT_TRUE(reader.Rewind());
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(buffer, 9), 1u);
    EXPECT_STREQ(buffer, "a");
    file.Close(stream);
}

TEST(TextWriter, LfIsWrittenAsCrLf) { EXPECT_EQ(WriteAll("a\nb\n\n"), "a\r\nb\r\n\r\n"); }

TEST(TextWriter, CrIsWrittenUnchanged) { EXPECT_EQ(WriteAll("a\rb\r\n"), "a\rb\r\r\n"); }

TEST(TextWriter, LinesOfAnyLengthAndTextWithoutLineEnd) {
    for (std::size_t length : {509u, 510u, 511u, 5000u}) {
        const std::string line(length, 'x');
        EXPECT_EQ(WriteAll(line + "\n" + line + "\nend"), line + "\r\n" + line + "\r\nend") << length;
    }
}

}  // namespace
