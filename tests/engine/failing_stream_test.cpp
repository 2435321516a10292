// Streams that fail under the text streams and the line reader: a failing
// read delivers nothing, a failing write sticks, a pipe cannot rewind. The
// whole conversion over such streams is in fault_injection_test.cpp.
#include <gtest/gtest.h>

#include <iob/text_stream.h>

#include "memory_file.h"
#include "reading/read_primitives.h"

using namespace iob;

namespace {

TEST(TextReader, FailingReadDeliversNothingAndSetsTheError) {
    MemoryFile file{"one\ntwo\nthree\n"};
    file.failReadsFrom = OffsetOfLine(file.data, 2) + 1;  // inside line 2
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    char buffer[20];
    EXPECT_EQ(reader.ReadLine(buffer, 19), 4u);
    EXPECT_EQ(reader.ReadLine(buffer, 19), 0u);
    EXPECT_TRUE(reader.Failed());
    EXPECT_FALSE(reader.AtEnd());
    file.Close(stream);
}

TEST(TextReader, RewindFailsOnAStreamThatCannotSeek) {
    MemoryFile file{"a\n"};
    file.seekable = false;
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    EXPECT_FALSE(reader.Rewind());
    file.Close(stream);
}

TEST(TextWriter, ErrorIsStickyAndStopsWriting) {
    MemoryFile file;
    file.failWritesAfter = 4;
    std::FILE* stream = file.Open("wb");
    TextWriter writer(stream);
    writer.Write("ab\n", 3);
    EXPECT_FALSE(writer.Failed());
    writer.Write("cd\n", 3);
    EXPECT_TRUE(writer.Failed());
    file.failWritesAfter = -1;
    writer.Write("ef\n", 3);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(file.data, "ab\r\n");
    file.Close(stream);
}

TEST(ReadDataLine, ReadErrorGives5014WithTheFailingLine) {
    MemoryFile file{"! one\n two\n three\n four\n"};
    file.failReadsFrom = OffsetOfLine(file.data, 3);
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    char buffer[260];
    LineNumber lineCounter = 0;
    int result = -1;
    LineFlaws cut;
    std::size_t length = 0;
    const char* line = ReadDataLine(reader, 260, buffer, lineCounter, result, cut, length);
    EXPECT_EQ(result, 0);
    EXPECT_STREQ(line, " two");
    ReadDataLine(reader, 260, buffer, lineCounter, result, cut, length);
    EXPECT_EQ(result, 5014);
    EXPECT_EQ(lineCounter, 3);
    file.Close(stream);
}

}  // namespace
