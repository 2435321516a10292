#include <gtest/gtest.h>
#include <string>

#include "conversion_run.h"
#include "iob_records.h"
#include "memory_file.h"
#include "reading/read_primitives.h"
#include "reading/unit_table.h"

using namespace iob;

namespace {

std::string Trimmed(char* (*trim)(char*), std::string text) {
    trim(text.data());
    return text.c_str();
}

TEST(Trim, LeadingBlanksAndControlBytes) { EXPECT_EQ(Trimmed(TrimLeading, std::string(" \t\x01") + "ab c "), "ab c "); }
TEST(Trim, TrailingBlanks) { EXPECT_EQ(Trimmed(TrimTrailing, "  ab c \t\r\n"), "  ab c"); }
TEST(Trim, BothEnds) { EXPECT_EQ(Trimmed(TrimBoth, "  ab c  "), "ab c"); }
TEST(Trim, BlanksOnlyBecomeEmpty) { EXPECT_EQ(Trimmed(TrimBoth, " \t \x1f "), ""); }
TEST(Trim, EmptyStaysEmpty) { EXPECT_EQ(Trimmed(TrimBoth, ""), ""); }
TEST(Trim, BytesAbove127AreNotBlank) { EXPECT_EQ(Trimmed(TrimBoth, " \xc3\xa9tang \xa0 "), "\xc3\xa9tang \xa0"); }
TEST(Trim, TrailingCharRemovesEveryCopy) {
    std::string path = "C:\\jobs\\\\\\";
    TrimTrailingChar(path.data(), '\\');
    EXPECT_STREQ(path.c_str(), "C:\\jobs");
}

struct ReadResult {
    std::vector<std::string> lines;
    LineNumber lineCounter = 0;
    int result = 0;
    LineNumber firstCutLine = 0;
};

// Every data line of `bytes` as ReadDataLine hands it out.
ReadResult ReadDataLines(const std::string& bytes, LineNumber linesBefore = 0) {
    MemoryFile file{bytes};
    std::FILE* stream = file.Open("rb");
    TextReader reader(stream);
    ReadResult read;
    read.lineCounter = linesBefore;
    char buffer[260];
    LineFlaws cut;
    for (;;) {
        std::size_t length = 0;
        const char* line = ReadDataLine(reader, 260, buffer, read.lineCounter, read.result, cut, length);
        if (read.result != 0) break;
        if (IsDataLine(line)) read.lines.push_back(line);
        if (reader.AtEnd()) break;
    }
    file.Close(stream);
    read.firstCutLine = cut.firstCutLine;
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

TEST(ReadDataLine, LineNumbersGoPastTwoToThe31) {
    ReadResult read = ReadDataLines(std::string(300, 'x') + "\n", 2147483647);
    EXPECT_EQ(read.firstCutLine, 2147483648LL);
    EXPECT_EQ(read.lineCounter, 2147483649LL);
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

TEST(ReadDataLine, LastLineWithoutLineEndIsData) { EXPECT_EQ(ReadDataLines("a\n b").lines, (Lines{"a", " b"})); }

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

TEST(ExtractNumber, ReadsOnlyItsColumns) { EXPECT_EQ(ExtractNumber(3, 3, "  12345", 7), 123.0); }

// Where a field's number stops, as the doubt checks see it: at the field's
// end (whole), before text beside it, at the field's start when it holds
// none, at the line's end for a field beyond it.
TEST(ReadFieldNumber, WhereTheNumberStops) {
    const struct {
        const char* line;
        int column, width;
        double value;
        int stop;  // 0-based, in the line
        bool whole;
    } cases[] = {
        {"   12.5", 1, 7, 12.5, 7, true}, {"  12,5 ", 1, 7, 12.0, 4, false}, {"  1.5D2x", 1, 7, 150.0, 7, true},
        {"  abc  ", 1, 7, 0.0, 0, false}, {"    7", 1, 5, 7.0, 5, true},     {"    7", 6, 3, 0.0, 5, true},
        {"  3 m", 1, 3, 3.0, 3, true},
    };
    for (const auto& c : cases) {
        const int length = static_cast<int>(std::string(c.line).size());
        const FieldNumber number = ReadFieldNumber(c.column, c.width, c.line, length);
        EXPECT_EQ(number.value, c.value) << c.line;
        EXPECT_EQ(number.stop - c.line, c.stop) << c.line;
        EXPECT_EQ(number.whole, c.whole) << c.line;
    }
}

TEST(ExtractNumber, FieldWiderThan99BytesIsCut) {
    std::string line = std::string(99, '1') + "9";
    EXPECT_EQ(ExtractNumber(1, 200, line.c_str(), 100), std::stod(std::string(99, '1')));
}

// The unit table as a user meets it: the height of a PLH record in each
// code, in the metres that its station line shows. The heights are chosen
// so that the five decimals show every digit of the factor; the metres were
// worked out by hand.
TEST(UnitFactor, PlhHeightsInEachCodeInMetres) {
    const struct {
        const char* unit;
        const char* height;
        const char* metres;
    } cases[] = {
        {"ft", "100", "30.48000"},
        {"FT", "100", "30.48000"},
        {"Km", "1.5", "1500.00000"},
        {"ch", "100", "2011.68000"},
        {"cm", "100", "1.00000"},
        {"ln", "100", "20.11680"},
        {"m", "100", "100.00000"},
        {"mi", "100", "160934.40000"},
        {"mm", "100", "0.10000"},
        {"us", "100000000", "30480060.96012"},
        {"UM", "100000", "160934721.86940"},
        {"nm", "100000", "100001.35965"},  // not the nautical mile...
        {"na", "100", "185200.00000"},     // ...which is this one
    };
    for (const auto& c : cases) {
        Station station = BenchMark();
        station.unit = c.unit;
        station.height = c.height;
        const std::string output = Convert(IobLines({ShortStation(station)})).output;
        const std::vector<std::string> fields = OutputFields(output.substr(DefaultHeader().size()));
        EXPECT_EQ(fields.at(6), c.metres) << c.height << " " << c.unit;
    }
}

TEST(UnitFactor, OtherCodesGiveTheCustomFactor) {
    EXPECT_EQ(UnitFactor("", 7.0), 7.0);
    EXPECT_EQ(UnitFactor("xx", 7.0), 7.0);
    EXPECT_EQ(UnitFactor("m ", 7.0), 7.0);
    EXPECT_EQ(UnitFactor(" m", 7.0), 7.0);
}

}  // namespace
