#include <gtest/gtest.h>
#include <string>

#include "memory_file.h"
#include "read_primitives.h"

using namespace iob;

namespace {

std::string Trimmed(char* (*trim)(char*), std::string text) {
    trim(text.data());
    return text.c_str();
}

TEST(Trim, LeadingBlanksAndControlBytes) { EXPECT_EQ(Trimmed(TrimLeading, " \t\x01" "ab c "), "ab c "); }
TEST(Trim, TrailingBlanks) { EXPECT_EQ(Trimmed(TrimTrailing, "  ab c \t\r\n"), "  ab c"); }
TEST(Trim, BothEnds) { EXPECT_EQ(Trimmed(TrimBoth, "  ab c  "), "ab c"); }
TEST(Trim, BlanksOnlyBecomeEmpty) { EXPECT_EQ(Trimmed(TrimBoth, " \t \x1f "), ""); }
TEST(Trim, EmptyStaysEmpty) { EXPECT_EQ(Trimmed(TrimBoth, ""), ""); }
TEST(Trim, BytesAbove127AreNotBlank) {
    EXPECT_EQ(Trimmed(TrimBoth, " \xc3\xa9tang \xa0 "), "\xc3\xa9tang \xa0");
}
TEST(Trim, TrailingCharRemovesEveryCopy) {
    std::string path = "C:\\jobs\\\\\\";
    TrimTrailingChar(path.data(), '\\');
    EXPECT_STREQ(path.c_str(), "C:\\jobs");
}

struct ReadResult {
    std::vector<std::string> lines;
    int lineCounter = 0;
    int result = 0;
};

// Every data line of `bytes` as ReadDataLine hands it out.
ReadResult ReadDataLines(const std::string& bytes) {
    MemoryFile file{bytes};
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    ReadResult read;
    char buffer[260];
    for (;;) {
        ReadDataLine(reader, 260, buffer, read.lineCounter, read.result);
        if (read.result != 0) break;
        if (IsDataLine(buffer)) read.lines.push_back(buffer);
        if (reader.AtEnd()) break;
    }
    file.Close(stream);
    return read;
}

using Lines = std::vector<std::string>;

TEST(ReadDataLine, SkipsCommentAndBlankLinesAndCountsThem) {
    ReadResult read = ReadDataLines("! comment\n \t \n\n TITL x  \r\n");
    EXPECT_EQ(read.lines, Lines{" TITL x"});
    EXPECT_EQ(read.lineCounter, 5);  // four lines and the read that meets the end
}

TEST(ReadDataLine, ExclamationMarkAfterABlankIsData) {
    EXPECT_EQ(ReadDataLines(" ! not a comment\n").lines, Lines{" ! not a comment"});
}

// Physical lines count: each line once, and the read that meets the end.
TEST(ReadDataLine, OverLongLineIsOneLineOfItsFirst257Bytes) {
    ReadResult read = ReadDataLines(std::string(257, 'x') + std::string(43, 'z') + "\n");
    EXPECT_EQ(read.lines, (Lines{std::string(257, 'x')}));
    EXPECT_EQ(read.lineCounter, 2);
}

TEST(ReadDataLine, LineOf257BytesIsOneLine) {
    ReadResult read = ReadDataLines(std::string(257, 'y') + "\r\nz\n");
    EXPECT_EQ(read.lines, (Lines{std::string(257, 'y'), "z"}));
    EXPECT_EQ(read.lineCounter, 3);
}

TEST(ReadDataLine, OverLongLastLineWithoutLineEndIsOneLine) {
    ReadResult read = ReadDataLines("a\n" + std::string(300, 'w'));
    EXPECT_EQ(read.lines, (Lines{"a", std::string(257, 'w')}));
    EXPECT_EQ(read.lineCounter, 2);
}

TEST(ReadDataLine, NulInsideAnOverLongLineEndsItsText) {
    std::string line = " PLH ab" + std::string(1, '\0') + std::string(400, 'q') + "\n next\n";
    EXPECT_EQ(ReadDataLines(line).lines, (Lines{" PLH ab", " next"}));
}

TEST(ReadDataLine, CtrlZInTheDiscardedTailEndsTheData) {
    std::string text = std::string(300, 'k') + "\x1a" + "more\n next\n";
    EXPECT_EQ(ReadDataLines(text).lines, (Lines{std::string(257, 'k')}));
}

TEST(ReadDataLine, NulEndsTheLineText) {
    EXPECT_EQ(ReadDataLines(std::string(" PLH ab\0cd\n next\n", 17)).lines, (Lines{" PLH ab", " next"}));
}

TEST(ReadDataLine, LastLineWithoutLineEndIsData) {
    EXPECT_EQ(ReadDataLines("a\n b").lines, (Lines{"a", " b"}));
}

TEST(ReadDataLine, NothingAfterCtrlZIsSeen) {
    EXPECT_EQ(ReadDataLines(" a\r\n b\r\n\x1a c\r\n").lines, (Lines{" a", " b"}));
}

TEST(ExtractField, CutsWithoutTrimming) {
    char out[10];
    EXPECT_STREQ(ExtractField(2, 4, " PLH x", 6, out), "PLH ");
}

TEST(ExtractField, LineEndingInsideTheField) {
    std::string line(40, 'a');
    char out[10];
    EXPECT_STREQ(ExtractField(40, 4, line.c_str(), 40, out), "a");
    EXPECT_STREQ(ExtractField(41, 4, line.c_str(), 40, out), "");
}

TEST(ExtractNumber, FieldBeyondTheLineIsZero) {
    EXPECT_EQ(ExtractNumber(41, 4, std::string(40, '1').c_str(), 40), 0.0);
}

TEST(ExtractNumber, ReadsOnlyItsColumns) {
    EXPECT_EQ(ExtractNumber(3, 3, "  12345", 7), 123.0);
}

TEST(ExtractNumber, FieldWiderThan99BytesIsCut) {
    std::string line = std::string(99, '1') + "9";
    EXPECT_EQ(ExtractNumber(1, 200, line.c_str(), 100), std::stod(std::string(99, '1')));
}

TEST(UnitFactor, TableCodesIgnoringCase) {
    EXPECT_EQ(UnitFactor("FT", 7.0), 0.3048);
    EXPECT_EQ(UnitFactor("Km", 7.0), 1000.0);
    EXPECT_EQ(UnitFactor("ch", 7.0), 20.1168);
    EXPECT_EQ(UnitFactor("cm", 7.0), 0.01);
    EXPECT_EQ(UnitFactor("ln", 7.0), 0.201168);
    EXPECT_EQ(UnitFactor("m", 7.0), 1.0);
    EXPECT_EQ(UnitFactor("mi", 7.0), 1609.344);
    EXPECT_EQ(UnitFactor("mm", 7.0), 0.001);
    EXPECT_EQ(UnitFactor("us", 7.0), 0.3048006096012);
    EXPECT_EQ(UnitFactor("UM", 7.0), 1609.347218694);
}

TEST(UnitFactor, NmIsNotTheNauticalMile) {
    EXPECT_EQ(UnitFactor("nm", 7.0), 1.0000135965);
    EXPECT_EQ(UnitFactor("na", 7.0), 1852.0);
}

TEST(UnitFactor, OtherCodesGiveTheCustomFactor) {
    EXPECT_EQ(UnitFactor("", 7.0), 7.0);
    EXPECT_EQ(UnitFactor("xx", 7.0), 7.0);
    EXPECT_EQ(UnitFactor("m ", 7.0), 7.0);
    EXPECT_EQ(UnitFactor(" m", 7.0), 7.0);
}

}  // namespace
