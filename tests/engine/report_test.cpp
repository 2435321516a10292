// What a conversion reports it converted and did not, counted in the passes
// it already makes, and said in words.
#include <gtest/gtest.h>

#include <iob/report_text.h>

#include "conversion_run.h"
#include "iob_records.h"

using namespace iob;

namespace {

const char kStation[] = " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft";
const char kDxyz[] = " DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m";
const char kDiag[] = " COV  CT DIAG";
const char kElem[] = " ELEM                 4.0E-06                 5.0E-07                -3.0E-07 m";

ConversionReport ReportOf(const std::vector<std::string>& lines) {
    Conversion run = Convert(IobLines(lines));
    EXPECT_EQ(run.result, 0);
    return run.report;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(Report, CleanFileHasNothingToWarnAbout) {
    ConversionReport report = ReportOf({" TITL Net", WorkedElip(), kStation, ShortStation(BenchMark("BM-2042")),
                                        " GRP  1", kDxyz, kDiag, kElem, " 3DD  x", kDxyz, kDiag, kElem});
    EXPECT_FALSE(report.HasUnconverted());
    EXPECT_EQ(report.written.titleLines, 1);
    EXPECT_EQ(report.written.stations, 2);
    EXPECT_EQ(report.written.vectors, 2);
    EXPECT_EQ(report.written.groups, 2);
    EXPECT_EQ(ReportText(report), "2 stations, 2 GPS vectors in 2 groups");
}

TEST(Report, KnownRecordsNotConvertedAreCountedByTypeWithTheFirstLine) {
    ConversionReport report = ReportOf({"! c", " DIST A B", " AZIM A B", " DIST C D", " PL   x", " PL", " DIR  y"});
    EXPECT_EQ(UnconvertedItems(report),
              (std::vector<std::string>{"2 DIST records (first on line 2)", "1 AZIM record (line 3)",
                                        "2 PL records (first on line 5)", "1 DIR record (line 7)"}));
}

TEST(Report, UnknownTypesAreComparedWithCaseAndTheFirstThreeListed) {
    ConversionReport report = ReportOf({" PLh x", " DXZY", "X", " plh y"});
    EXPECT_EQ(report.unknownRecords, 4);
    EXPECT_EQ(UnconvertedItems(report),
              (std::vector<std::string>{"4 records of unknown type ('PLh' on line 1, 'DXZY' on line 2, "
                                        "'' on line 3, ...)"}));
}

TEST(Report, IncompleteGroupAtTheEndNamesItsFirstVector) {
    ConversionReport report = ReportOf({kDxyz, kDiag, kElem, "! c", kDxyz, kDxyz, kElem, " END ", kElem});
    EXPECT_EQ(report.written.groups, 1);
    EXPECT_EQ(UnconvertedItems(report),
              (std::vector<std::string>{"1 incomplete GPS group of 2 vectors at the end (line 5)",
                                        "1 data line after the END record on line 8, which ends the data"}));
}

TEST(Report, EveryDocumentedTypeIsCountedUnderItsOwnName) {
    const std::vector<std::string> types = {"ANGL", "ANGT", "AUX",  "AZIM", "COMP", "CONF", "DIR",  "DIST", "DSET",
                                            "EDIS", "EHDF", "EHGT", "FCOV", "GAZI", "GEOI", "GFIL", "GVAN", "GZAN",
                                            "HI",   "HT",   "LAMB", "NE",   "NEH",  "NEO",  "OHDF", "OHGT", "PL",
                                            "QUAD", "SIGM", "STER", "TMER", "VANG", "VSCA", "VSGL", "XLAM", "XSTR",
                                            "XTMR", "XY",   "XYZ",  "ZANG", "2DC",  "2DD",  "3DC",  "4PAR", "7PAR"};
    std::vector<std::string> lines;
    for (const std::string& type : types) lines.push_back(" " + type + std::string(5 - type.size(), ' ') + "A B");
    ConversionReport report = ReportOf(lines);
    EXPECT_EQ(report.unknownRecords, 0);
    ASSERT_EQ(report.unconvertedRecords.size(), types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(report.unconvertedRecords[i].type, types[i]);
        EXPECT_EQ(report.unconvertedRecords[i].count, 1);
    }
}

// The passes compare columns 2-5 byte for byte: what they pass over is no
// record of theirs, whatever trimming would make of it.
TEST(Report, WhatThePassesPassOverIsNamedAsItStands) {
    const struct {
        std::string line, item;
    } cases[] = {
        {" PLH\tBM-2041      N 45", "1 record of unknown type ('PLH\\t' on line 1)"},
        {" COV\x01"
         "CT",
         "1 record of unknown type ('COV\\x01' on line 1)"},
        {" PL\x7fH x", "1 record of unknown type ('PL\\x7FH' on line 1)"},
        {" PL\xc3\xa9 x", "1 record of unknown type ('PL\\xC3\\xA9' on line 1)"},
        {" ZEND 1", "1 record of unknown type ('ZEND' on line 1)"},
        {" HDIS 1", "1 record of unknown type ('HDIS' on line 1)"},
        {" PLH", "1 PLH record (line 1)"},
        {"#include \"more stations.iob\"",
         "1 #include line ('more stations.iob' on line 1): the file it names was not read, its data is missing "
         "from the output"},
        {"#include <a.iob>\n#include b.iob",
         "2 #include lines ('a.iob' on line 1, 'b.iob' on line 2): the files they name were not read, their data "
         "is missing from the output"},
        {" END\n PLH      X\n! c\n\n DXYZ", "3 data lines after the END record on line 1, which ends the data"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnconvertedItems(ReportOf({c.line, kStation})), std::vector<std::string>{c.item}) << c.line;
    }
}

TEST(Report, FileWithoutStationsOrVectorsSaysNothingWasConverted) {
    EXPECT_EQ(ReportText(ReportOf({"$DATUM", "  NAD 83"})),
              "0 stations, 0 GPS vectors in 0 groups\n"
              "Nothing was converted: the file holds no station and no GPS vector. Check that it is an IOB file.\n"
              "No ELIP record: the default datum NAD 83 was written\n"
              "Not converted: 2 records of unknown type ('DATU' on line 1, ' NAD' on line 2)");
    EXPECT_EQ(ReportNotes(ReportOf({WorkedElip(), kDxyz})), std::vector<std::string>{});
}

// A file that names no datum gets the default one, and is told so; a failed
// conversion wrote none.
TEST(Report, DefaultDatumIsNamedWhenTheFileHasNoElip) {
    EXPECT_EQ(ReportNotes(ReportOf({kStation})),
              std::vector<std::string>{"No ELIP record: the default datum NAD 83 was written"});
    EXPECT_EQ(ReportNotes(ReportOf({WorkedElip(), kStation})), std::vector<std::string>{});
    EXPECT_EQ(ReportNotes(Convert(IobLines({" PLH      A;B"})).report), std::vector<std::string>{});
}

TEST(Report, CutLinesAreCountedOnceWithTheFirst) {
    ConversionReport report = ReportOf({" TITL x", "!" + std::string(300, 'c'), " TITL " + std::string(260, 't')});
    EXPECT_EQ(UnconvertedItems(report),
              (std::vector<std::string>{"2 lines longer than 257 bytes, their ends lost (first on line 2)"}));
}

// Lines a pass passes over unread count as read: their lines and cut ones.
TEST(Report, LinesPassedOverCountLikeLinesRead) {
    const std::string longElem = " ELEM" + std::string(300, '1');
    Conversion run = Convert(IobLines({"! c", longElem, " DIST A B  \0", " DIST C D", " PLH      A;B"}));
    EXPECT_EQ(run.result, 5113);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Station name 'A;B' on line 5 contains ';', which a QUORVANE file cannot hold");
    EXPECT_EQ(run.report.cutLines, 1);
    EXPECT_EQ(run.report.firstCutLine, 2);
    EXPECT_EQ(UnconvertedItems(run.report)[0], "2 DIST records (first on line 3)");
}

TEST(Report, GroupsAndStationsAreCountedAsWritten) {
    ConversionReport report = ReportOf({kStation, " PLO      B2", kDxyz, kDxyz, kDiag, kElem, kElem});
    EXPECT_EQ(ReportSummary(report), "2 stations, 2 GPS vectors in 1 group");
    report.written.stations = report.written.vectors = report.written.groups = 1;
    EXPECT_EQ(ReportSummary(report), "1 station, 1 GPS vector in 1 group");
}

TEST(Report, CountsAgreeWithTheOutputOnTheExamples) {
    for (const char* name : {"network", "stations", "vector", "vector-diag", "header"}) {
        std::FILE* file = std::fopen((std::string(IOB_EXAMPLES_DIR) + "/" + name + ".iob").c_str(), "rb");
        ASSERT_NE(file, nullptr) << name;
        std::string bytes;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes += static_cast<char>(c);
        std::fclose(file);
        Conversion run = Convert(bytes);
        EXPECT_EQ(static_cast<std::size_t>(run.report.written.stations), Occurrences(run.output, "$GEO_COMPACT"))
            << name;
        EXPECT_EQ(static_cast<std::size_t>(run.report.written.vectors), Occurrences(run.output, "$GPS_COMPACT"))
            << name;
        EXPECT_EQ(static_cast<std::size_t>(run.report.written.groups), Occurrences(run.output, "DXYZ, ELEM")) << name;
    }
}

}  // namespace
