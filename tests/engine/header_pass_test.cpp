// The header pass, the header block and the frame of the three passes.
#include <cmath>
#include <gtest/gtest.h>

#include "conversion_run.h"
#include "iob_records.h"

using namespace iob;

namespace {

const std::string kElip = WorkedElip();

std::string HeaderWith(const std::string& firstLine, const std::string& datum, const std::string& axis,
                       const std::string& inverseFlattening) {
    return OutputLines({firstLine, "$DATUM", "  " + datum, "  " + axis, "  " + inverseFlattening, "", "$UNITS", "M",
                        "D", "1", "", "$NETTYP", "3", "", "! IOB-File Record Type PLH or PLO"});
}

TEST(HeaderPass, WorkedExample) {
    ConversionSettings settings;
    Conversion run = Convert(
        IobLines({"! sample network", Titl("Control network 2004"), kElip, Lunt("xx", "0.3048006096")}), settings);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.output,
              OutputLines({"! IOB File Record Type TITL - Control network 2004"}) +
                  HeaderWith("! IOB File Record Type ELIP", "GRS 1980       ", "6378137.0000", "298.2572215"));
    EXPECT_EQ(settings.datumName, "GRS 1980       ");
    EXPECT_EQ(settings.semiMajorAxis, 6378137.0);
    EXPECT_EQ(settings.inverseFlattening, 1 / ((6378137.0 - 6356752.3141) / 6378137.0));
    EXPECT_EQ(settings.customUnitFactor, 0.3048006096);
}

TEST(HeaderPass, NoRecordsGiveABlankLineAndTheDefaults) {
    Conversion run = Convert(IobLines({"! only comments", "", "   "}));
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.output, DefaultHeader());
}

TEST(HeaderPass, EmptyFile) { EXPECT_EQ(Convert("").output, DefaultHeader()); }

TEST(HeaderPass, TitleAfterEllipsoidDropsTheEllipsoidComment) {
    Conversion run = Convert(IobLines({kElip, Titl("Later")}));
    EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - Later"}) +
                              HeaderWith(" ", "GRS 1980       ", "6378137.0000", "298.2572215"));
}

TEST(HeaderPass, EveryTitleGivesItsLineInFileOrder) {
    Conversion run = Convert(IobLines({Titl("one"), Titl("two")}));
    EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - one", "! IOB File Record Type TITL - two"}) +
                              DefaultHeader());
}

TEST(HeaderPass, TitleCutAtColumn79AndNotTrimmed) {
    std::string title = "  spaced" + std::string(80, 'x');
    Conversion run = Convert(IobLines({Titl(title)}));
    EXPECT_EQ(FirstLine(run.output), "! IOB File Record Type TITL - " + title.substr(0, 73) + "\r\n");
}

TEST(HeaderPass, TitleLineEndingBeforeColumn7KeepsTheTrailingBlank) {
    EXPECT_EQ(FirstLine(Convert(IobLines({Titl("")})).output), "! IOB File Record Type TITL - \r\n");
}

TEST(HeaderPass, EllipsoidWithoutMinorAxisHasFlatteningOne) {
    Conversion run = Convert(IobLines({Elip("Short", "6378137.000")}));
    EXPECT_EQ(run.output, HeaderWith("! IOB File Record Type ELIP", "Short          ", "6378137.0000", "1.0000000"));
}

TEST(HeaderPass, EllipsoidLineEndingBeforeColumn7GivesEmptyDatumAndASphere) {
    ConversionSettings settings;
    Conversion run = Convert(IobLines({" ELIP"}), settings);
    // The name is written with a width of at least 1: two blanks and one more.
    EXPECT_EQ(run.output, HeaderWith("! IOB File Record Type ELIP", " ", "0.0000", "0.0000000"));
    EXPECT_TRUE(std::isnan(settings.inverseFlattening));
}

TEST(HeaderPass, SphereWritesZeroInverseFlattening) {
    Conversion run = Convert(IobLines({Elip("Sphere", "6371000.000", "6371000.000")}));
    EXPECT_EQ(run.output, HeaderWith("! IOB File Record Type ELIP", "Sphere         ", "6371000.0000", "0.0000000"));
}

TEST(HeaderPass, LaterEllipsoidReplacesEarlier) {
    ConversionSettings settings;
    Convert(IobLines({kElip, Elip("Other", "6000000.000", "5000000.000")}), settings);
    EXPECT_EQ(settings.datumName, "Other          ");
    EXPECT_EQ(settings.inverseFlattening, 6.0);
}

// A factor that is no finite positive number ends the conversion in pass 1;
// the title lines written before it stay, and the settings keep their factor.
TEST(HeaderPass, UnusableUnitFactorGives5114WithItsLine) {
    for (const char* lunt : {" LUNT xx", " LUNT xx         ", " LUNT xx abc", " LUNT xx 0.0", " LUNT xx -0.3048",
                             " LUNT xx 1e999", " LUNT xx -0"}) {
        ConversionSettings settings;
        Conversion run = Convert(IobLines({" TITL Net", "! comment", lunt, " TITL never"}), settings);
        EXPECT_EQ(run.result, 5114) << lunt;
        EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - Net"})) << lunt;
        ASSERT_EQ(run.messages.size(), 1u) << lunt;
        EXPECT_EQ(run.messages[0].text, "Invalid unit factor in record 'LUNT' on line 3") << lunt;
        EXPECT_EQ(settings.customUnitFactor, 1.0) << lunt;
    }
}

TEST(HeaderPass, TinyPositiveUnitFactorIsKept) {
    ConversionSettings settings;
    EXPECT_EQ(Convert(IobLines({" LUNT xx 1e-300"}), settings).result, 0);
    EXPECT_EQ(settings.customUnitFactor, 1e-300);
}

TEST(HeaderPass, SettingsCarryIntoTheNextConversion) {
    ConversionSettings settings;
    Convert(IobLines({kElip}), settings);
    Conversion second = Convert(IobLines({"! nothing"}), settings);
    EXPECT_EQ(second.output, HeaderWith(" ", "GRS 1980       ", "6378137.0000", "298.2572215"));
}

// Each field at its edges: a number filling its width with a sign in its
// first column, and a line that ends in a field's first column. A LUNT
// record shows its factor in the settings only; a refused one writes nothing.
TEST(HeaderPass, FieldsAtTheirEdges) {
    const std::string elip = "! IOB File Record Type ELIP";
    const struct {
        std::string record, output;
        double factor;
    } cases[] = {
        // -a / (-a + b) is a / (a - b): the worked inverse flattening.
        {Elip("GRS 1980", "-6378137.0000", "-6356752.3141"),
         HeaderWith(elip, "GRS 1980       ", "-6378137.0000", "298.2572215"), 1.0},
        {Elip("X", LeftAligned("7", 13)), HeaderWith(elip, "X              ", "7.0000", "1.0000000"), 1.0},
        {Elip("X", "6378137.000", LeftAligned("6", 13)),
         HeaderWith(elip, "X              ", "6378137.0000", "1.0000009"), 1.0},
        {Elip("G", ""), HeaderWith(elip, "G", "0.0000", "0.0000000"), 1.0},
        {Titl("T"), OutputLines({"! IOB File Record Type TITL - T"}) + DefaultHeader(), 1.0},
        {Lunt("xx", "+1.2345678901234"), DefaultHeader(), 1.2345678901234},
        {Lunt("xx", "-0.3048006096012"), "", 1.0},
        {Lunt("xx", "5"), DefaultHeader(), 5.0},
    };
    for (const auto& c : cases) {
        ConversionSettings settings;
        Conversion run = Convert(IobLines({WithoutTrailingBlanks(c.record)}), settings);
        EXPECT_EQ(run.output, c.output) << c.record;
        EXPECT_EQ(settings.customUnitFactor, c.factor) << c.record;
    }
}

TEST(PassFrame, RecordsAfterEndAreIgnoredByEveryPass) {
    Conversion run = Convert(IobLines({" END ", Titl("late"), kElip, ShortStation(BenchMark())}));
    EXPECT_EQ(run.output, DefaultHeader());
}

TEST(PassFrame, EndWithoutItsBlankEndsThePass) {
    EXPECT_EQ(Convert(IobLines({" END", Titl("late")})).output, DefaultHeader());
}

TEST(PassFrame, EndInOtherCaseDoesNotEnd) {
    EXPECT_EQ(FirstLine(Convert(IobLines({" end ", Titl("x")})).output), "! IOB File Record Type TITL - x\r\n");
}

TEST(PassFrame, RecordTypeIsCutFromColumn2) {
    // The type is columns 2-5 whatever column 1 holds: "ITL " in "TITL x", "TITL" in "XTITL y".
    EXPECT_EQ(FirstLine(Convert(IobLines({"TITL x", "XTITL y"})).output), "! IOB File Record Type TITL - y\r\n");
}

TEST(PassFrame, LastLineWithoutLineEndIsConverted) {
    Conversion run = Convert(Titl("no line end"));
    EXPECT_EQ(FirstLine(run.output), "! IOB File Record Type TITL - no line end\r\n");
}

// The tail of an over-long line is lost with it: a " END" there ends no pass.
TEST(PassFrame, TailOfAnOverLongLineIsNoRecord) {
    const std::string comment = "!" + std::string(256, 'c') + " END " + std::string(38, 'c');  // 300 bytes
    const std::string station = " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft";
    Conversion run = Convert(IobLines({comment, station}));
    EXPECT_EQ(run.result, 0);
    EXPECT_NE(run.output.find("$GEO_COMPACT; BM-2041; 45.3012345600;"), std::string::npos);
}

TEST(PassFrame, OverLongLineCountsOnceInTheLineOfAMessage) {
    Conversion run = Convert(IobLines({"!" + std::string(599, 'c'), " ELEM 1.0"}));
    EXPECT_EQ(run.result, 5112);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Too many element values in record 'ELEM' on line 2");
}

TEST(PassFrame, CrLfInputAndCtrlZ) {
    Conversion run = Convert(Titl("a") + "\r\n\x1a" + Titl("b") + "\r\n");
    EXPECT_EQ(run.output, OutputLines({"! IOB File Record Type TITL - a"}) + DefaultHeader());
}

}  // namespace
