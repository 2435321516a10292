// Failing reads, writes and rewinds in each pass: the right result code and
// line counter, nothing written after the failure, nothing lost before it.
#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"

using namespace iob;

namespace {

// Fifteen lines, twelve or more in every pass's reach: a comment, a title,
// an ellipsoid, three stations and three groups of the worked vector without
// its COV record. The tests below count on these line numbers.
std::vector<std::string> NetworkRecords() {
    std::vector<std::string> records = {"! line 1", Titl("Fault network"), WorkedElip()};
    for (const char* name : {"BM-2041", "BM-2042", "BM-2043"}) records.push_back(ShortStation(BenchMark(name)));
    const std::pair<const char*, const char*> vectors[] = {
        {"ALPHA", "BRAVO"}, {"BRAVO", "CHARLIE"}, {"CHARLIE", "DELTA"}};
    for (const auto& [from, to] : vectors) {
        records.push_back(WorkedDxyz(from, to));
        for (const std::string& elem : WorkedElems()) records.push_back(elem);
    }
    return records;
}

const std::vector<std::string> kNetwork = NetworkRecords();

// How far into an output line the write failures below strike: inside the
// line, not at its start.
constexpr long kBytesIntoTheLine = 5;

const std::string& CleanOutput() {
    static const std::string output = Convert(IobLines(kNetwork)).output;
    return output;
}

Conversion ConvertWithReadFailure(int line, int pass) {
    MemoryFile input{IobLines(kNetwork)};
    input.failReadsFrom = OffsetOfLine(input.data, line);
    input.failAfterRewinds = pass - 1;
    MemoryFile output;
    ConversionSettings settings;
    return Convert(input, output, settings);
}

// The conversion with an output that refuses every byte after `failAfter`.
Conversion ConvertWithWriteFailure(long failAfter) {
    MemoryFile input{IobLines(kNetwork)};
    MemoryFile output;
    output.failWritesAfter = failAfter;
    ConversionSettings settings;
    return Convert(input, output, settings);
}

// Where line `line` (1-based) of the clean output begins.
long OutputOffsetOfLine(int line) { return OffsetOfLine(CleanOutput(), line); }

// The first `length` bytes of the clean output.
std::string CleanOutputUpTo(long length) { return CleanOutput().substr(0, static_cast<std::size_t>(length)); }

// `length` bytes of the clean output from the start of line `line`.
std::string CleanOutputAt(int line, std::size_t length) {
    return CleanOutput().substr(static_cast<std::size_t>(OutputOffsetOfLine(line)), length);
}

TEST(ReadFailure, Pass1ReportsTheLine) {
    Conversion run = ConvertWithReadFailure(12, 1);
    EXPECT_EQ(run.result, 5014);
    EXPECT_EQ(run.lineCounter, 12);
    // Only the title line of pass 1 was written.
    EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - Fault network"}));
}

TEST(ReadFailure, Pass2ReportsTheLineAndKeepsTheHeader) {
    Conversion run = ConvertWithReadFailure(12, 2);
    EXPECT_EQ(run.result, 5014);
    EXPECT_EQ(run.lineCounter, 12);
    // The header block stays; neither the station comment nor a station follows.
    EXPECT_EQ(run.output, CleanOutput().substr(0, CleanOutput().find("! IOB-File Record Type PLH")));
}

TEST(ReadFailure, Pass3ReportsTheLineAndKeepsTheGroupsBefore) {
    Conversion run = ConvertWithReadFailure(12, 3);
    EXPECT_EQ(run.result, 5014);
    EXPECT_EQ(run.lineCounter, 12);
    // The first group (lines 7-9) is written; the second (10-12) is not.
    std::size_t secondGroup = CleanOutput().find("$GPS_COMPACT; BRAVO");
    EXPECT_EQ(run.output, CleanOutput().substr(0, CleanOutput().rfind(" \r\n", secondGroup)));
}

TEST(ReadFailure, FirstLineOfAPass) {
    Conversion run = ConvertWithReadFailure(1, 3);
    EXPECT_EQ(run.result, 5014);
    EXPECT_EQ(run.lineCounter, 1);
}

TEST(RewindFailure, PipeInputGives5014AfterTheHeader) {
    MemoryFile input{IobLines(kNetwork)};
    input.seekable = false;
    MemoryFile output;
    ConversionSettings settings;
    Conversion run = Convert(input, output, settings);
    EXPECT_EQ(run.result, 5014);
    EXPECT_EQ(run.lineCounter, 0);
    EXPECT_EQ(run.output, CleanOutput().substr(0, CleanOutput().find("! IOB-File Record Type PLH")));
}

// Nothing is attempted after the first failure, so a write error is not
// hidden behind the rewind that a pipe refuses.
TEST(WriteFailure, FirstLineOnAPipeGives5013) {
    MemoryFile input{IobLines(kNetwork)};
    input.seekable = false;
    MemoryFile output;
    output.failWritesAfter = 0;
    ConversionSettings settings;
    Conversion run = Convert(input, output, settings);
    EXPECT_EQ(run.result, 5013);
    EXPECT_EQ(run.output, "");
}

// A write that fails in the middle of output line `line`: the output takes
// part of it, so the C library reports the short write at once and the
// refused writes count exactly what the engine tried after the failure.
Conversion FailInsideLine(int line) { return ConvertWithWriteFailure(OutputOffsetOfLine(line) + kBytesIntoTheLine); }

TEST(WriteFailure, InPass1StopsEverything) {
    Conversion failure = FailInsideLine(1);  // the title line
    EXPECT_EQ(failure.result, 5013);
    EXPECT_EQ(failure.output, CleanOutputUpTo(kBytesIntoTheLine));
    EXPECT_EQ(failure.refusedWrites, 1);
    // Passes 2 and 3 were skipped: the counter still names the title's line.
    EXPECT_EQ(failure.lineCounter, 2);
}

TEST(WriteFailure, InTheHeaderBlock) {
    Conversion failure = FailInsideLine(8);  // "$UNITS"
    EXPECT_EQ(failure.result, 5013);
    EXPECT_EQ(failure.output, CleanOutputUpTo(OutputOffsetOfLine(8) + kBytesIntoTheLine));
    EXPECT_EQ(failure.refusedWrites, 1);
}

TEST(WriteFailure, WhileStationsAreWrittenSkipsPass3) {
    Conversion failure = FailInsideLine(18);  // the second station
    EXPECT_EQ(failure.result, 5013);
    EXPECT_EQ(failure.output, CleanOutputUpTo(OutputOffsetOfLine(18) + kBytesIntoTheLine));
    EXPECT_EQ(failure.refusedWrites, 1);
    EXPECT_EQ(failure.lineCounter, 16);  // pass 2 read all 15 lines and met the end
}

TEST(WriteFailure, InAVectorGroupStopsTheConversion) {
    Conversion failure = FailInsideLine(25);  // the second group's vector line
    EXPECT_EQ(failure.result, 5013);
    EXPECT_EQ(failure.output, CleanOutputUpTo(OutputOffsetOfLine(25) + kBytesIntoTheLine));
    EXPECT_EQ(failure.refusedWrites, 1);
    EXPECT_EQ(failure.lineCounter, 12);  // the ELEM record that completed the group
    // Counted as of the flush before pass 3: the first group may not be in the file.
    EXPECT_EQ(failure.report.written.stations, 3);
    EXPECT_EQ(failure.report.written.vectors, 0);
    EXPECT_EQ(failure.report.written.groups, 0);
}

TEST(WriteFailure, OnTheGroupsBlankLine) {
    Conversion failure = ConvertWithWriteFailure(OutputOffsetOfLine(23));  // the second group's blank line
    EXPECT_EQ(failure.result, 5013);
    EXPECT_EQ(failure.output, CleanOutputUpTo(OutputOffsetOfLine(23)));
}

TEST(WriteFailure, CleanOutputHasTheLinesTheseTestsCount) {
    EXPECT_EQ(CleanOutputAt(18, 22), "$GEO_COMPACT; BM-2042;");
    EXPECT_EQ(CleanOutputAt(23, 3), " \r\n");
    EXPECT_EQ(CleanOutputAt(25, 20), "$GPS_COMPACT; BRAVO;");
}

// stdio buffers the small output, so the full disk shows only when it is
// flushed: before the rewind that a pipe refuses, and with nothing counted.
TEST(FullDisk, FlushFailureIsTheWriteErrorOnAFileOrAPipe) {
    for (bool seekable : {true, false}) {
        std::FILE* full = std::fopen("/dev/full", "wb");
        if (full == nullptr) GTEST_SKIP() << "no /dev/full";
        MemoryFile input{IobLines(kNetwork)};
        input.seekable = seekable;
        std::FILE* in = input.Open("rb");
        TextReader reader(in);
        TextWriter writer(full);
        ConversionSettings settings;
        ConversionOutcome outcome = RunConversion(settings, reader, writer);
        EXPECT_EQ(outcome.result, kResultWriteError);
        EXPECT_EQ(outcome.report.written.titleLines + outcome.report.written.stations + outcome.report.written.vectors,
                  0);
        EXPECT_TRUE(writer.Failed());
        input.Close(in);
        std::fclose(full);
    }
}

}  // namespace
