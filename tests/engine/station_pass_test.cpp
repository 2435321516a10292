#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"
#include "passes/station_pass.h"

using namespace iob;

namespace {

const std::string kShortRecord = ShortStation(BenchMark());
const std::string kLongRecord = LongStation(Riverside());
const char kShortLine[] =
    "$GEO_COMPACT; BM-2041; 45.3012345600; 0.0000001; -75.0559876543; 0.0000001; 37.62939; 0.0000001; "
    "0.00000; 0.0000001; 37.62939; 0.0000001; 0.0000; 0.0000; 0.0000; 0.0000";
const char kLongLine[] =
    "$GEO_COMPACT; RIVERSIDE CONTR; -33.5104123400; 0.0000001; 151.1236000000; 0.0000001; 58.20000; "
    "0.0000001; 0.00000; 0.0000001; 58.20000; 0.0000001; 0.0000; 0.0000; 0.0000; 0.0000";
const std::string kStationComment = OutputLines({"! IOB-File Record Type PLH or PLO"});

StationRecord Parse(const std::string& line, double customFactor = 1.0) {
    ConversionSettings settings;
    settings.customUnitFactor = customFactor;
    return ParseStationRecord(RecordView(line.c_str(), static_cast<int>(line.size())), settings);
}

// The station lines of a conversion, after the station comment.
std::string StationSection(const std::vector<std::string>& records) {
    std::string output = Convert(IobLines(records)).output;
    return output.substr(DefaultHeader().size() - kStationComment.size());
}

// The fields of the first station line of a conversion.
std::vector<std::string> FirstStationFields(const std::vector<std::string>& records) {
    return OutputFields(FirstLine(StationSection(records).substr(kStationComment.size())));
}

// The worked short-layout record under another name and hemisphere letters.
std::string ShortRecord(const std::string& name, const std::string& latitude, const std::string& longitude) {
    Station station = BenchMark(name);
    station.latitude.hemisphere = latitude;
    station.longitude.hemisphere = longitude;
    return ShortStation(station);
}

TEST(StationPass, WorkedExamplesGiveTheirSection) {
    EXPECT_EQ(StationSection({kShortRecord, kLongRecord, " END"}),
              kStationComment + OutputLines({kShortLine, kLongLine}));
}

TEST(StationPass, ShortLayout) {
    StationRecord station = Parse(kShortRecord);
    EXPECT_STREQ(station.name, "BM-2041");
    EXPECT_EQ(station.latitude, (30 * 0.01 + 12.3456 * 0.0001) + 45);
    EXPECT_EQ(station.longitude, -((5 * 0.01 + 59.876543 * 0.0001) + 75));
    EXPECT_EQ(station.height, 0.3048 * 123.456);
}

TEST(StationPass, LongLayoutCutsTheNameTo15Bytes) {
    StationRecord station = Parse(kLongRecord);
    EXPECT_STREQ(station.name, "RIVERSIDE CONTR");
    EXPECT_EQ(station.latitude, -((51 * 0.01 + 4.1234 * 0.0001) + 33));
}

TEST(StationPass, LowerCaseStarSelectsNothingElse) {
    std::string record = kLongRecord;
    PutAt(record, kLayoutMarkColumn, "x");  // not "*": the short layout reads columns 11-22 as the name
    EXPECT_STREQ(Parse(record).name, "RIVERSIDE CO");
}

TEST(StationPass, BlankFifteenthByteStaysAfterTheCut) {
    Station station = Riverside();
    station.name = "RIVER MOUTH NO 4";
    EXPECT_STREQ(Parse(LongStation(station)).name, "RIVER MOUTH NO ");
}

TEST(StationPass, NameIsTrimmedBeforeTheCut) {
    Station station = Riverside();
    station.name = "   ABCDEFGHIJKLMNOPQRSTUVWXYZ  ";
    EXPECT_STREQ(Parse(LongStation(station)).name, "ABCDEFGHIJKLMNO");
}

TEST(StationPass, NameBeginningWithAByteAbove127KeepsIt) {
    EXPECT_STREQ(Parse(ShortRecord("\xc3\x89TANG", "N", "E")).name, "\xc3\x89TANG");
}

TEST(StationPass, HemisphereLettersIgnoreCase) {
    StationRecord station = Parse(ShortRecord("A", "s", "w"));
    EXPECT_LT(station.latitude, 0.0);
    EXPECT_LT(station.longitude, 0.0);
    station = Parse(ShortRecord("A", "x", "e"));
    EXPECT_GT(station.latitude, 0.0);
    EXPECT_GT(station.longitude, 0.0);
}

// A minus sign on the degrees negates minutes and seconds too, "-0" as well;
// the hemisphere letter then turns the sign once more.
TEST(StationPass, MinusSignOnTheDegreesNegatesTheWholeAngle) {
    const struct {
        const char* degrees;
        char hemisphere;
        const char* written;
    } cases[] = {{"-45", 'N', "-45.3012345600"},
                 {"-45", 'S', "45.3012345600"},
                 {" -0", 'N', "-0.3012345600"},
                 {" 45", 'N', "45.3012345600"},
                 {" 45", 'S', "-45.3012345600"}};
    for (const auto& c : cases) {
        std::string record = kShortRecord;
        record.replace(23, 4, std::string(1, c.hemisphere) + c.degrees);  // minutes 30, seconds 12.3456
        std::string section = StationSection({record});
        std::string expected = std::string("$GEO_COMPACT; BM-2041; ") + c.written + ";";
        EXPECT_EQ(section.substr(kStationComment.size(), expected.size()), expected) << c.degrees << c.hemisphere;
    }
}

// Decimal degrees come from the fields, not from the packed number: 45 30
// is 45.5 degrees exactly, though 45.30 as a double is 45.2999...
TEST(StationPass, DecimalDegreesFromTheFieldsWithTheirSigns) {
    const double seconds = 12.3456 / 3600;
    const std::pair<const char*, double> cases[] = {
        {"N 45", 45.5 + seconds}, {"S 45", -(45.5 + seconds)}, {"N -0", -(0.5 + seconds)}, {"S-45", 45.5 + seconds}};
    for (const auto& [fields, degrees] : cases) {
        StationRecord station = Parse(std::string(kShortRecord).replace(23, 4, fields));
        EXPECT_EQ(station.latitudeDegrees, degrees) << fields;
        EXPECT_EQ(station.longitudeDegrees, -((75 + 5 / 60.0) + 59.876543 / 3600));
    }
}

// Each field at its edges, in both layouts: numbers filling their widths
// with a sign in the first column, and a line that ends in a field's first
// column. LUNT xx 2 comes first, so that a unit field read blank doubles the height.
TEST(StationPass, FieldsAtTheirEdges) {
    const Angle none;
    const struct {
        Station station;
        std::vector<std::string> written;  // latitude, longitude, height
    } cases[] = {
        {{"PLH", "BM-2041", {"N", "-45", "-3", "-12.34567"}, {"W", "-75", "-5", "-59.87654"}, "-1234.567890", "m"},
         {"-44.9687654330", "74.9440123460", "-1234.56789"}},
        {{"PLH", "B", none, none, "", ""}, {"0.0000000000", "0.0000000000", "0.00000"}},
        {{"PLO", "", {"S", "", "", ""}, none, "", ""}, {"-0.0000000000", "0.0000000000", "0.00000"}},
        {{"PLH", "", {"", LeftAligned("7", 3), "", ""}, none, "", ""}, {"7.0000000000", "0.0000000000", "0.00000"}},
        {{"PLH", "", {"", "", LeftAligned("7", 2), ""}, none, "", ""}, {"0.0700000000", "0.0000000000", "0.00000"}},
        {{"PLH", "", {"", "", "", LeftAligned("7", 9)}, none, "", ""}, {"0.0007000000", "0.0000000000", "0.00000"}},
        {{"PLH", "", none, {"W", "", "", ""}, "", ""}, {"0.0000000000", "-0.0000000000", "0.00000"}},
        {{"PLH", "", none, {"", LeftAligned("7", 3), "", ""}, "", ""}, {"0.0000000000", "7.0000000000", "0.00000"}},
        {{"PLH", "", none, {"", "", LeftAligned("7", 2), ""}, "", ""}, {"0.0000000000", "0.0700000000", "0.00000"}},
        {{"PLH", "", none, {"", "", "", LeftAligned("7", 9)}, "", ""}, {"0.0000000000", "0.0007000000", "0.00000"}},
        {{"PLH", "", none, none, LeftAligned("7", 12), ""}, {"0.0000000000", "0.0000000000", "14.00000"}},
        {{"PLH", "", none, none, "1.5", "M"}, {"0.0000000000", "0.0000000000", "1.50000"}},
    };
    for (const auto& c : cases) {
        for (const std::string& record : {ShortStation(c.station), LongStation(c.station)}) {
            std::vector<std::string> fields = FirstStationFields({Lunt("xx", "2"), WithoutTrailingBlanks(record)});
            ASSERT_EQ(fields.size(), 16u) << record;
            EXPECT_EQ(fields[1], c.station.name) << record;
            EXPECT_EQ((std::vector<std::string>{fields[2], fields[4], fields[6]}), c.written) << record;
        }
    }
}

TEST(StationPass, LineEndingAfterTheNameGivesZeros) {
    StationRecord station = Parse(ShortStation(Station{"PLH", "LONELY", {}, {}, "", ""}));
    EXPECT_STREQ(station.name, "LONELY");
    EXPECT_EQ(station.latitude, 0.0);
    EXPECT_EQ(station.longitude, 0.0);
    EXPECT_EQ(station.height, 0.0);
}

// The line ends at a NUL byte: what follows it, here the whole longitude and
// the height, is read as missing, and the station still gets its line. The
// record follows another data line, as most lines do (a pass reads its first
// data line apart from the rest).
TEST(StationPass, NulEndsTheLine) {
    std::vector<std::string> fields =
        FirstStationFields({" GRP", kShortRecord.substr(0, 40) + '\0' + kShortRecord.substr(41)});
    EXPECT_EQ(fields[2], "45.3012345600");
    EXPECT_EQ(fields[4], "0.0000000000");
    EXPECT_EQ(fields[6], "0.00000");
}

TEST(StationPass, UnitCodeIsTakenUntrimmed) {
    std::string record = kLongRecord + " extra";  // "m " is not "m"
    EXPECT_EQ(Parse(record, 2.0).height, 2.0 * 58.2);
    Station station = BenchMark();
    station.unit = "FT";
    EXPECT_EQ(Parse(ShortStation(station), 2.0).height, 0.3048 * 123.456);
}

// A line that ends inside a field gives what it holds of it: the name
// trimmed, the unit code cut ("f" of "ft" is no code).
TEST(StationPass, LineEndingInsideAField) {
    EXPECT_STREQ(Parse(" PLH      BM-2  ").name, "BM-2");
    EXPECT_STREQ(Parse(" PLH    ").name, "");
    EXPECT_EQ(Parse(kShortRecord.substr(0, 73), 2.0).height, 2.0 * 123.456);
}

TEST(StationPass, CustomUnitFromTheHeaderPass) {
    Station station = BenchMark();
    station.unit = "xx";
    EXPECT_EQ(FirstStationFields({Lunt("xx", "2.0"), ShortStation(station)}).at(6), "246.91200");
}

TEST(StationPass, BlankNameIsWrittenAsNothing) {
    std::vector<std::string> fields = FirstStationFields({ShortRecord("", "N", "W")});
    EXPECT_EQ(fields.at(1), "");
    EXPECT_EQ(fields.at(2), "45.3012345600");
}

// A ';' would split the name's field in the output: the conversion ends, no
// station line and not even the station comment is written.
TEST(StationPass, SemicolonInANameGives5113WithTheNameAsWritten) {
    Conversion run = Convert(IobLines({ShortRecord("GOOD", "N", "W"), " TITL x", " PLH     *A;B  LONG NAME TO CUT"}));
    EXPECT_EQ(run.result, 5113);
    EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - x", " ", "$DATUM", "  NAD 83", "  6378137.0000",
                                       "  298.2572221", "", "$UNITS", "M", "D", "1", "", "$NETTYP", "3", ""}));
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text,
              "Station name 'A;B  LONG NAME ' on line 3 contains ';', which a QUORVANE file cannot hold");
}

TEST(StationPass, SemicolonBeyondTheCutIsNotWritten) {
    EXPECT_EQ(Convert(IobLines({" PLH      ABCDEFGHIJKL;"})).result, 0);
}

TEST(StationPass, RecordTypesCompareWithCase) {
    Station station = BenchMark();
    station.type = "plh";
    EXPECT_EQ(StationSection({ShortStation(station)}), kStationComment);
}

TEST(StationPass, ThreeByteTypeIsNotAStation) { EXPECT_EQ(StationSection({" PLH"}), kStationComment); }

TEST(StationPass, EqualNamesAndInterleavedTypesKeepFileOrder) {
    Station plo = BenchMark();
    plo.type = "PLO";
    EXPECT_EQ(StationSection({kShortRecord, ShortStation(plo), kShortRecord}),
              kStationComment + OutputLines({kShortLine, kShortLine, kShortLine}));
}

TEST(StationPass, FiveThousandStationsAreAllWritten) {
    std::vector<std::string> records(5000, kShortRecord);
    std::string section = StationSection(records);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = section.find("$GEO_COMPACT", at)) != std::string::npos; ++at) ++lines;
    EXPECT_EQ(lines, 5000u);
    const std::string lastLine = std::string(kShortLine) + "\r\n";
    EXPECT_EQ(section.substr(section.size() - lastLine.size()), lastLine);
}

}  // namespace
