#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

#include <iob/report_text.h>

#include "conversion_run.h"
#include "iob_records.h"
#include "passes/vector_pass.h"

using namespace iob;

namespace {

// The same layout under another covariance header: WGT or GENC.
std::string Typed(const char* type, std::string header) { return header.replace(1, 4, type); }

// A short-layout station at whole degrees north and east.
std::string Plh(const std::string& name, const std::string& latitude, const std::string& longitude) {
    std::string line = " PLH";
    PutAt(line, 11, name);
    PutAt(line, 24, "N" + std::string(3 - latitude.size(), ' ') + latitude);
    PutAt(line, 42, "E" + std::string(3 - longitude.size(), ' ') + longitude);
    return line;
}

// What the vector pass wrote: the output after the station comment.
std::string VectorOutput(const Conversion& run) { return run.output.substr(DefaultHeader().size()); }
std::string VectorSection(const std::vector<std::string>& records) { return VectorOutput(Convert(IobLines(records))); }

const std::vector<std::string> kWorkedExample = WorkedGroup();

const std::string kGroupStart = OutputLines({" ", "! IOB-File Record Type DXYZ, ELEM"});

// dX 1, dY 2, dZ 2 with no COV record: the six numbers are the ELEM values.
std::string Line(const std::string& from, const std::string& to, const std::string& six) {
    return "$GPS_COMPACT; " + from + "; " + to + "; 1.00000; 2.00000; 2.00000; " + six;
}

// A two-vector group whose 21 values are 1 to 21 in the order of the rows:
// vector 1 gets (1,1)=1 (1,2)=2 (2,2)=7 (1,3)=3 (2,3)=8 (3,3)=12,
// vector 2 gets (4,4)=16 (4,5)=17 (5,5)=19 (4,6)=18 (5,6)=20 (6,6)=21.
std::string TwoVectorLines() {
    return OutputLines({Line("A", "B",
                             "1.000000000000; 2.000000000000; 7.000000000000; 3.000000000000; "
                             "8.000000000000; 12.000000000000"),
                        Line("B", "C",
                             "16.000000000000; 17.000000000000; 19.000000000000; 18.000000000000; "
                             "20.000000000000; 21.000000000000")});
}

TEST(PackedIndex, OneVector) {
    const std::pair<long long, long long> expected[] = {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(PackedIndex(3, k, false), expected[k - 1]) << k;
}

TEST(PackedIndex, AgreesWithWalkingTheRows) {
    for (long long n : {1LL, 6LL, 75LL, 300LL}) {
        long long k = 0;
        for (long long row = 1; row <= n; ++row) {
            for (long long column = row; column <= n; ++column) {
                ASSERT_EQ(PackedIndex(n, ++k, false), std::make_pair(row, column)) << n << " " << k;
            }
        }
    }
}

TEST(PackedIndex, HugeGroupLastElement) {
    long long n = 3000000;
    EXPECT_EQ(PackedIndex(n, n * (n + 1) / 2, false), std::make_pair(n, n));
    EXPECT_EQ(PackedIndex(n, n + 1, false), std::make_pair(2LL, 2LL));
}

TEST(PackedIndex, Diagonal) { EXPECT_EQ(PackedIndex(6, 5, true), std::make_pair(5LL, 5LL)); }

TEST(VectorPass, WorkedExampleFullMode) {
    EXPECT_EQ(VectorSection(kWorkedExample),
              kGroupStart + OutputLines({"$GPS_COMPACT; ALPHA; BRAVO; 1234.56780; -2345.67890; 345.12340; "
                                         "0.000024290955; 0.000001000000; 0.000034290955; -0.000000600000; "
                                         "0.000001400000; 0.000048290955"}));
}

TEST(VectorPass, WorkedExampleDiagonal) {
    std::vector<std::string> records = {WorkedDxyz(), WorkedCov("DIAG"), Elem({"4.0E-06", "9.0E-06", "1.6E-05"})};
    EXPECT_EQ(VectorSection(records),
              kGroupStart + OutputLines({"$GPS_COMPACT; ALPHA; BRAVO; 1234.56780; -2345.67890; 345.12340; "
                                         "0.000024290955; 0.000000000000; 0.000034290955; 0.000000000000; "
                                         "0.000000000000; 0.000048290955"}));
}

TEST(VectorPass, ValuesSpreadOverManyRecordsWithBlankFields) {
    EXPECT_EQ(VectorSection({Dxyz("A", "B"), Elem({"1", "", "2"}), Elem({"", "3", "4"}), Elem({"5", "6"})}),
              kGroupStart + OutputLines({Line("A", "B",
                                              "1.000000000000; 2.000000000000; 4.000000000000; "
                                              "3.000000000000; 5.000000000000; 6.000000000000")}));
}

TEST(VectorPass, TwoVectorsNeed21ValuesAndWriteOnlyTheirOwnBlocks) {
    std::vector<std::string> records = {Dxyz("A", "B"), Dxyz("B", "C")};
    // Values 1..21 in the order of the upper triangle's rows.
    for (int k = 1; k <= 21; k += 3) {
        records.push_back(Elem({std::to_string(k), std::to_string(k + 1), std::to_string(k + 2)}));
    }
    std::vector<std::string> withoutLast(records.begin(), records.end() - 1);
    EXPECT_EQ(VectorSection(withoutLast), "");
    EXPECT_EQ(VectorSection(records), kGroupStart + TwoVectorLines());
}

// The widest line: long names, lengths as large as a vector's length can
// take, covariances as large as a double, every digit written.
TEST(VectorPass, WidestNumbersAreWrittenWhole) {
    const std::string dx = "-1e150", element = "-1.7976931348623157e308";
    std::vector<std::string> records = {LongDxyz("FIFTEEN BYTES A", "FIFTEEN BYTES B", dx, dx, dx)};
    for (int k = 0; k < 2; ++k) records.push_back(Elem({element, element, element}));
    char length[200], covariance[400];
    std::snprintf(length, sizeof length, "%.5f", -1e150);
    std::snprintf(covariance, sizeof covariance, "%.12f", -1.7976931348623157e308);
    std::string line = "$GPS_COMPACT; FIFTEEN BYTES A; FIFTEEN BYTES B";
    for (int k = 0; k < 3; ++k) line += std::string("; ") + length;
    for (int k = 0; k < 6; ++k) line += std::string("; ") + covariance;
    EXPECT_EQ(VectorSection(records), kGroupStart + OutputLines({line}));
}

TEST(VectorPass, VectorJoiningAfterSomeValuesRaisesTheTarget) {
    // Values 1-3 are placed with n = 3 at (1,1) (1,2) (1,3); the rest with n = 6.
    std::vector<std::string> records = {Dxyz("A", "B"), Elem({"1", "2", "3"}), Dxyz("B", "C")};
    for (int k = 4; k <= 21; k += 3) {
        records.push_back(Elem({std::to_string(k), std::to_string(k + 1), std::to_string(k + 2)}));
    }
    std::string section = VectorSection(records);
    EXPECT_EQ(section.substr(kGroupStart.size()), TwoVectorLines());
}

TEST(VectorPass, CovAfterTheLastElemBelongsToTheNextGroup) {
    std::string section = VectorSection({Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"}), Cov({"", "10"}),
                                         Dxyz("C", "D"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})});
    std::string plain = "1.000000000000; 2.000000000000; 4.000000000000; 3.000000000000; "
                        "5.000000000000; 6.000000000000";
    std::string scaled = "10.000000000000; 20.000000000000; 40.000000000000; 30.000000000000; "
                         "50.000000000000; 60.000000000000";
    EXPECT_EQ(section,
              kGroupStart + OutputLines({Line("A", "B", plain)}) + kGroupStart + OutputLines({Line("C", "D", scaled)}));
}

// Values 1 and 3 are covariances: km^2 to m^2 is 1e6, applied once, by the
// record that sets them. Value 1 = 1 km^2, value 3 = 2 km^2, value 2 = 3:
// (1e6 + 2e6) x 3. A second COV with blank fields and another unit keeps them.
TEST(VectorPass, CovAddendsTakeTheSquareOfTheirOwnRecordsUnit) {
    std::string section = VectorSection(
        {Cov({"1", "3", "2"}, "DIAG", "km"), Cov({}, "DIAG", "ft"), Dxyz("A", "B"), Elem({"0", "0", "0"})});
    EXPECT_EQ(section, kGroupStart + OutputLines({Line("A", "B",
                                                       "9000000.000000000000; 0.000000000000; "
                                                       "9000000.000000000000; 0.000000000000; "
                                                       "0.000000000000; 9000000.000000000000")}));
}

TEST(VectorPass, SecondCovScalesOnlyTheAddendsItSets) {
    // Value 1 = 1 km^2 from the first record; value 3 = 1 ft^2 = 0.09290304 m^2 from the second.
    std::string section = VectorSection(
        {Cov({"1"}, "DIAG", "km"), Cov({"", "", "1"}, "DIAG", "ft"), Dxyz("A", "B"), Elem({"0", "0", "0"})});
    EXPECT_EQ(section, kGroupStart + OutputLines({Line("A", "B",
                                                       "1000000.092903040000; 0.000000000000; "
                                                       "1000000.092903040000; 0.000000000000; "
                                                       "0.000000000000; 1000000.092903040000")}));
}

TEST(VectorPass, ElemValuesTakeTheSquareOfTheirUnit) {
    std::string section = VectorSection({Dxyz("A", "B"), " COV  CT DIAG", Elem({"1.0", "2.0", "1.0"}, "ft")});
    EXPECT_EQ(section, kGroupStart + OutputLines({Line("A", "B",
                                                       "0.092903040000; 0.000000000000; 0.185806080000; "
                                                       "0.000000000000; 0.000000000000; 0.092903040000")}));
}

// Names are written between "; " separators: a ';' in either name ends the
// conversion, the from-name checked first, and the group is not written.
TEST(VectorPass, SemicolonInAVectorsNameGives5113) {
    const struct {
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"A;1", "B;2", "Station name 'A;1' on line 3 contains ';', which a QUORVANE file cannot hold"},
        {"A", "B;2", "Station name 'B;2' on line 3 contains ';', which a QUORVANE file cannot hold"},
    };
    for (const auto& c : cases) {
        Conversion run = Convert(IobLines(
            {Dxyz("P", "Q"), " COV  CT DIAG", Dxyz(c.from, c.to), Elem({"1", "2", "3"}), Elem({"1", "2", "3"})}));
        EXPECT_EQ(run.result, 5113);
        EXPECT_EQ(VectorOutput(run), "");
        ASSERT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.messages[0].text, c.message);
    }
}

// A CORR header: the COV layout, with a correlation matrix and then the
// components' standard deviations in its ELEM records; each covariance is
// (sd_i r_ij) sd_j, couplings between vectors dropped, then the header's
// values as for COV. The numbers below are worked out by hand.
std::string Corr(const std::vector<std::string>& values, const std::string& flag = "") {
    std::string line = Cov(values, flag);
    line.replace(1, 4, "CORR");
    return line;
}

TEST(VectorPass, CorrGroupsScaleTheirCorrelationsByTheDeviations) {
    const struct {
        const char* what;
        std::vector<std::string> records;
        std::string vectorLines;  // after the group's first lines
        std::vector<std::string> doubts;
    } cases[] = {
        {"the format's worked example, value 2 = 32.5",
         {" DXYZ     S001         S002              572.7240     -280.7980     -413.6370 m",
          " CORR CT UPPR              32.50000",
          " ELEM         1.0000000000000        -0.2032966000000         0.0045336000000 m",
          " ELEM         1.0000000000000        -0.3644455000000                         m",
          " ELEM         1.0000000000000                                                 m",
          " ELEM           0.00056219690           0.00095490840           0.00115665900 m"},
         OutputLines({"$GPS_COMPACT; S001; S002; 572.72400; -280.79800; -413.63700; 0.000010272124; "
                      "-0.000003547020; 0.000029635127; 0.000000095812; -0.000013082267; 0.000043480451"}),
         {}},
        {"DIAG in CT: exact zeros; deviations in feet, not squared",
         {Dxyz("A", "B"), Corr({}, "DIAG"), Elem({"1", "1", "1"}), Elem({"0.01", "0.02", "0.03"}, "ft")},
         OutputLines({Line("A", "B",
                           "0.000009290304; 0.000000000000; 0.000037161216; 0.000000000000; 0.000000000000; "
                           "0.000083612736")}),
         {}},
        {"two vectors: r 0.5 in a block, 0.9 between blocks (dropped), deviations 1 to 6",
         {Dxyz("A", "B"), Dxyz("B", "C"), Corr({}), Elem({"1", "0.5", "0.5"}), Elem({"0.9", "0.9", "0.9"}),
          Elem({"1", "0.5", "0.9"}), Elem({"0.9", "0.9", "1"}), Elem({"0.9", "0.9", "0.9"}), Elem({"1", "0.5", "0.5"}),
          Elem({"1", "0.5", "1"}), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})},
         OutputLines({Line("A", "B",
                           "1.000000000000; 1.000000000000; 4.000000000000; 1.500000000000; 3.000000000000; "
                           "9.000000000000"),
                      Line("B", "C",
                           "16.000000000000; 10.000000000000; 25.000000000000; 12.000000000000; "
                           "15.000000000000; 36.000000000000")}),
         {}},
        {"out of range: converted as they stand, and reported",
         {Dxyz("A", "B"), Corr({}), Elem({"1", "1.5", "0"}), Elem({"1", "0", "0.9"}), Elem({"1", "-1", "1"})},
         OutputLines({Line("A", "B",
                           "1.000000000000; -1.500000000000; 1.000000000000; 0.000000000000; 0.000000000000; "
                           "0.900000000000")}),
         {"'1.5' in columns 31-53 on line 3 is a correlation outside -1 to 1, converted as it stands",
          "'0.9' in columns 55-77 on line 4 is a diagonal correlation other than 1, converted as it stands",
          "'-1' in columns 31-53 on line 5 is a negative standard deviation, converted as it stands"}},
    };
    for (const auto& c : cases) {
        Conversion run = Convert(IobLines(c.records));
        EXPECT_EQ(run.result, 0) << c.what;
        EXPECT_EQ(VectorOutput(run), kGroupStart + c.vectorLines) << c.what;
        EXPECT_EQ(DoubtItems(run.report), c.doubts) << c.what;
    }
    // A value beyond the deviations has no place, as under COV.
    EXPECT_EQ(
        Convert(IobLines({Dxyz("A", "B"), Corr({}, "DIAG"), Elem({"1", "1", "1"}), Elem({"1", "1", "1"}), Elem({"1"})}))
            .result,
        5112);
}

TEST(VectorPass, WgtWithoutItsBlankIsSkipped) { EXPECT_EQ(Convert(IobLines({" WGT"})).result, 0); }

TEST(VectorPass, DiagonalCovariancesAreExactZeros) {
    // Value 1 would add to them, a negative value 2 would make them -0.
    std::string section = VectorSection({Cov({"1", "-1"}, "DIAG"), Dxyz("A", "B"), Elem({"1", "2", "3"})});
    EXPECT_EQ(section, kGroupStart + OutputLines({Line("A", "B",
                                                       "-2.000000000000; 0.000000000000; -3.000000000000; "
                                                       "0.000000000000; 0.000000000000; -4.000000000000")}));
}

TEST(VectorPass, DistanceTermUsesTheVectorLength) {
    // L = 3 m, 1e6 ppm: s = 9, added to each variance.
    std::string section =
        VectorSection({Cov({"", "", "", "", "1000000"}, "DIAG"), Dxyz("A", "B"), Elem({"1", "2", "3"})});
    EXPECT_EQ(section, kGroupStart + OutputLines({Line("A", "B",
                                                       "10.000000000000; 0.000000000000; 11.000000000000; "
                                                       "0.000000000000; 0.000000000000; 12.000000000000")}));
}

TEST(VectorPass, AllBlankElemMeetsTargetZero) {
    EXPECT_EQ(VectorSection({Elem({})}), kGroupStart);
    EXPECT_EQ(VectorSection({Elem({}), Elem({}), Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})}),
              kGroupStart + kGroupStart + kGroupStart +
                  OutputLines({Line("A", "B",
                                    "1.000000000000; 2.000000000000; 4.000000000000; "
                                    "3.000000000000; 5.000000000000; 6.000000000000")}));
}

TEST(VectorPass, GrpAnd3ddChangeNothing) {
    std::vector<std::string> records = {Dxyz("A", "B"), " GRP  1", Elem({"1", "2", "3"}), " 3DD  x",
                                        Elem({"4", "5", "6"})};
    std::vector<std::string> plain = {Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})};
    EXPECT_EQ(VectorSection(records), VectorSection(plain));
}

TEST(VectorPass, IncompleteGroupAtTheEndIsDropped) {
    Conversion run = Convert(IobLines({Dxyz("A", "B"), Elem({"1", "2", "3"}), " END ", Elem({"4", "5", "6"})}));
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(VectorOutput(run), "");
    EXPECT_TRUE(run.messages.empty());
}

TEST(VectorPass, LastElemWithoutLineEndCompletesTheGroup) {
    std::string iob = IobLines({Dxyz("A", "B"), Elem({"1", "2", "3"})}) + Elem({"4", "5", "6"});
    EXPECT_NE(VectorOutput(Convert(iob)), "");
}

TEST(VectorPass, LongLayoutNamesAndColumns) {
    std::string section = VectorSection(
        {LongDxyz("  FIRST STATION OF MANY  ", "RIVER MOUTH NO 4"), Elem({"1", "2", "3"}, "m"), Elem({"4", "5", "6"})});
    std::string expected = "$GPS_COMPACT; FIRST STATION O; RIVER MOUTH NO ; 3.00000; 4.00000; 0.00000; ";
    EXPECT_EQ(section.substr(kGroupStart.size(), expected.size()), expected);
}

// The fields of the first vector line of `records` after LUNT xx 2, so
// that a unit field read blank doubles lengths and quadruples covariances;
// none without a vector line.
std::vector<std::string> VectorFields(std::vector<std::string> records) {
    records.insert(records.begin(), Lunt("xx", "2"));
    for (std::string& record : records) record = WithoutTrailingBlanks(record);
    const std::string section = VectorSection(records);
    const std::size_t line = section.find("$GPS_COMPACT");
    return line == std::string::npos ? std::vector<std::string>() : OutputFields(FirstLine(section.substr(line)));
}

// xx, yy and zz of that line.
std::vector<std::string> Variances(const std::vector<std::string>& records) {
    const std::vector<std::string> fields = VectorFields(records);
    if (fields.size() != 12) return fields;
    return {fields[6], fields[8], fields[11]};
}

// Each DXYZ field at its edges, in both layouts: numbers filling their
// widths with a sign in the first column, and a line that ends in a field's
// first column.
TEST(VectorPass, DxyzFieldsAtTheirEdges) {
    const std::string seven = LeftAligned("7", 13);
    const struct {
        std::vector<std::string> fields;   // from, to, dX, dY, dZ, unit
        std::vector<std::string> written;  // from, to, dX, dY, dZ
    } cases[] = {
        {{"A", "B", "-2345.6789012", "-1234.5678901", "-9876.5432109", "m"},
         {"A", "B", "-2345.67890", "-1234.56789", "-9876.54321"}},
        {{"F", "", "", "", "", ""}, {"F", "", "0.00000", "0.00000", "0.00000"}},
        {{"", "T", "", "", "", ""}, {"", "T", "0.00000", "0.00000", "0.00000"}},
        {{"", "", seven, "", "", ""}, {"", "", "14.00000", "0.00000", "0.00000"}},
        {{"", "", "", seven, "", ""}, {"", "", "0.00000", "14.00000", "0.00000"}},
        {{"", "", "", "", seven, ""}, {"", "", "0.00000", "0.00000", "14.00000"}},
        {{"", "", "1", "1", "1", "M"}, {"", "", "1.00000", "1.00000", "1.00000"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string>& f = c.fields;
        for (const std::string& dxyz :
             {Dxyz(f[0], f[1], f[2], f[3], f[4], f[5]), LongDxyz(f[0], f[1], f[2], f[3], f[4], f[5])}) {
            std::vector<std::string> fields = VectorFields({dxyz, Elem({"1", "2", "3"}), Elem({"4", "5", "6"})});
            ASSERT_EQ(fields.size(), 12u) << dxyz;
            EXPECT_EQ(std::vector<std::string>(fields.begin() + 1, fields.begin() + 6), c.written) << dxyz;
        }
    }
}

// Each field of the covariance headers at its edges, under COV and WGT: the
// unit weights of a WGT group invert to the same unit covariances. Value 5
// takes the vector's length, 3 m. A blank unit makes addends 4 times larger.
TEST(CovarianceForms, HeaderFieldsAtTheirEdges) {
    const std::string two = LeftAligned("2", 10);
    const struct {
        std::vector<std::string> values;  // values 1-5, height addend and scale
        std::string unit;
        std::vector<std::string> written;  // xx, yy, zz
    } cases[] = {
        // Every field full, each with its sign: s = (3 m x 1000000.5 ppm)^2 = 9.00000900000225, then
        // (s + 1 - 2 x 0.1234567) x 1.2345678^2, and zz (s + 1 - 3 x 0.1234567) x -1.2345678^3.
        {{"-0.1234567", "-1.2345678", "-0.1234567", "-1.2345678", "-1000000.5", "-0.1234567", "-1.2345678"},
         "m",
         {"14.865255297203", "14.865255297203", "-18.119860024182"}},
        {{two}, "", {"9.000000000000", "9.000000000000", "9.000000000000"}},
        {{"", two}, "", {"2.000000000000", "2.000000000000", "2.000000000000"}},
        {{"", "", two}, "", {"9.000000000000", "9.000000000000", "9.000000000000"}},
        {{"", "", "", two}, "", {"2.000000000000", "2.000000000000", "2.000000000000"}},
        {{"", "", "", "", two}, "", {"1.000000000036", "1.000000000036", "1.000000000036"}},
        {{"", "", "", "", "", two}, "", {"1.000000000000", "1.000000000000", "9.000000000000"}},
        {{"", "", "", "", "", "", two}, "", {"1.000000000000", "1.000000000000", "2.000000000000"}},
        {{"1"}, "M", {"2.000000000000", "2.000000000000", "2.000000000000"}},
    };
    for (const char* type : {"COV ", "WGT "}) {
        for (const auto& c : cases) {
            const std::string header = Typed(type, Cov(c.values, "DIAG", c.unit));
            EXPECT_EQ(Variances({header, Dxyz("A", "B"), Elem({"1", "1", "1"})}), c.written) << header;
        }
    }
}

// Each ELEM field at its edges in a DIAG group: values filling their widths
// with a sign in the first column, and a line that ends in a field's first
// column, its unit blank: its values count 4 times.
TEST(VectorPass, ElemFieldsAtTheirEdges) {
    const auto at = [](const char* value) { return LeftAligned(value, 23); };
    const struct {
        std::vector<std::string> elems;
        std::vector<std::string> written;  // xx, yy, zz
    } cases[] = {
        {{Elem({"-1.2345678901234567E-05", "-2.3456789012345678E-05", "-3.4567890123456789E-05"})},
         {"-0.000012345679", "-0.000023456789", "-0.000034567890"}},
        {{Elem({at("5")}, ""), Elem({"", "6", "7"})}, {"20.000000000000", "6.000000000000", "7.000000000000"}},
        {{Elem({"5", at("6")}, ""), Elem({"7"})}, {"20.000000000000", "24.000000000000", "7.000000000000"}},
        {{Elem({"5", "6", at("7")}, "")}, {"20.000000000000", "24.000000000000", "28.000000000000"}},
        {{Elem({"5", "6", "7"}, "M")}, {"5.000000000000", "6.000000000000", "7.000000000000"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> records = {Cov({}, "DIAG"), Dxyz("A", "B")};
        records.insert(records.end(), c.elems.begin(), c.elems.end());
        EXPECT_EQ(Variances(records), c.written) << c.elems.front();
    }
}

TEST(VectorPass, UnitCodesAreTakenUntrimmed) {
    // " m" in the ELEM unit columns is not "m": the custom factor 2 applies,
    // squared as the elements are covariances; lengths take it once.
    std::string section = VectorSection({Lunt("xx", "2.0"), Dxyz("A", "B", "1", "1", "1", "xx"),
                                         Elem({"1", "2", "3"}, " m"), Elem({"4", "5", "6"}, "FT")});
    EXPECT_EQ(section, kGroupStart + OutputLines({"$GPS_COMPACT; A; B; 2.00000; 2.00000; 2.00000; 4.000000000000; "
                                                  "8.000000000000; 0.371612160000; 12.000000000000; 0.464515200000; "
                                                  "0.557418240000"}));
}

TEST(VectorPass, BlankNamesAreWrittenAsNothing) {
    std::string section = VectorSection({Dxyz("", ""), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})});
    std::vector<std::string> fields = OutputFields(section.substr(kGroupStart.size()));
    EXPECT_EQ(fields.at(1), "");
    EXPECT_EQ(fields.at(2), "");
    EXPECT_EQ(fields.at(3), "1.00000");
}

TEST(VectorPass, GroupOfMoreThan25VectorsIsComplete) {
    std::vector<std::string> records;
    for (int i = 0; i < 30; ++i) records.push_back(Dxyz("S" + std::to_string(i), "T"));
    records.push_back(Cov({}, "DIAG", ""));
    for (int i = 0; i < 30; ++i) records.push_back(Elem({"1", "2", "3"}));
    std::string section = VectorSection(records);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = section.find("$GPS_COMPACT", at)) != std::string::npos; ++at) ++lines;
    EXPECT_EQ(lines, 30u);
    EXPECT_NE(section.find(Line("S29", "T", "1.000000000000; 0.000000000000; 2.000000000000")), std::string::npos);
}

TEST(VectorPass, UnsupportedSettingShowsOneMessageAndDropsTheOpenGroup) {
    Conversion run = Convert(IobLines({Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"}), Dxyz("C", "D"),
                                       Cov({}, "", "m", "XY"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"})}));
    EXPECT_EQ(run.result, 5111);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].number, 5111u);
    EXPECT_EQ(run.messages[0].text, "Currently no support for 'XY' setting in record 'COV '");
    EXPECT_EQ(VectorOutput(run).find("C; D"), std::string::npos);
    EXPECT_NE(VectorOutput(run).find("A; B"), std::string::npos);
}

TEST(VectorPass, MissingSettingIsUnsupportedToo) {
    Conversion run = Convert(IobLines({Cov({}, "DIAG", "", "  ")}));
    EXPECT_EQ(run.result, 5111);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Currently no support for '  ' setting in record 'COV '");
    EXPECT_EQ(Convert(IobLines({Cov({}, "", "", "C")})).messages.at(0).text,
              "Currently no support for 'C' setting in record 'COV '");
}

TEST(VectorPass, SettingIsComparedUntrimmedAndWithCase) {
    EXPECT_EQ(Convert(IobLines({Cov({}, "", "", "ct")})).result, 5111);
    EXPECT_EQ(Convert(IobLines({Cov({}, "", "", " CT")})).result, 5111);  // one column late
}

TEST(VectorPass, TooManyElementValuesEndTheConversion) {
    Conversion run =
        Convert(IobLines({"! 1", Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5", "6"}), Dxyz("C", "D"),
                          Elem({"1", "2", "3"}), Elem({"4", "5"}), Elem({"6", "7"}), Titl("x")}));
    EXPECT_EQ(run.result, 5112);
    EXPECT_EQ(run.lineCounter, 8);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, "Too many element values in record 'ELEM' on line 8");
    EXPECT_NE(VectorOutput(run).find("A; B"), std::string::npos);
    EXPECT_EQ(VectorOutput(run).find("C; D"), std::string::npos);
}

TEST(VectorPass, ElementValueWithoutAVectorHasNoPlace) {
    Conversion run = Convert(IobLines({Elem({"", "1"})}));
    EXPECT_EQ(run.result, 5112);
    EXPECT_EQ(run.messages.at(0).text, "Too many element values in record 'ELEM' on line 1");
    EXPECT_EQ(VectorOutput(run), "");
}

TEST(VectorPass, DiagonalTargetIsTheOrder) {
    EXPECT_EQ(Convert(IobLines({Cov({}, "DIAG", ""), Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4"})})).result,
              5112);
}

TEST(VectorPass, DiagonalFlagSetAfterSomeValuesLeavesNoPlaceForMore) {
    // Five values in full mode, then DIAG makes the target 3: the count is
    // already past it, and the next value has no place.
    Conversion run =
        Convert(IobLines({Dxyz("A", "B"), Elem({"1", "2", "3"}), Elem({"4", "5"}), Cov({}, "DIAG", ""), Elem({"6"})}));
    EXPECT_EQ(run.result, 5112);
    EXPECT_EQ(run.messages.at(0).text, "Too many element values in record 'ELEM' on line 5");
    EXPECT_EQ(VectorOutput(run), "");
}

TEST(VectorPass, NonNumericValueStillCounts) {
    std::string section = VectorSection({Dxyz("A", "B"), Elem({"x", "2", "3"}), Elem({"4", "5", "6"})});
    EXPECT_NE(section.find("0.000000000000; 2.000000000000; 4.000000000000"), std::string::npos) << section;
}

// The six covariance numbers of the last $GPS_COMPACT line; none without one.
std::vector<double> SixNumbers(const std::string& section) {
    std::size_t at = section.rfind("$GPS_COMPACT");
    if (at == std::string::npos) return {};
    std::istringstream line(section.substr(at, section.find('\r', at) - at));
    std::vector<double> fields;
    for (std::string field; std::getline(line, field, ';');) fields.push_back(std::strtod(field.c_str(), nullptr));
    return std::vector<double>(fields.end() - 6, fields.end());
}

// Headers that change within a group, and LG at the equator. Every result
// is a short binary fraction; an inverse or a rotation may still be off in
// its last bit.
TEST(CovarianceForms, EachFormGivesItsCovariance) {
    const struct {
        std::vector<std::string> records;
        std::vector<double> six;  // xx xy yy xz yz zz
    } cases[] = {
        // (The examples show each form alone.) The kind in force when the group completes decides whether it is
        // inverted.
        {{Typed("WGT ", Cov({}, "DIAG")), Dxyz("A", "B"), Elem({"4"}), Cov({}, "DIAG"), Elem({"", "2", "5"})},
         {4, 0, 2, 0, 0, 5}},
        {{Cov({}, "DIAG"), Dxyz("A", "B"), Elem({"4"}), Typed("WGT ", Cov({}, "DIAG")), Elem({"", "2", "5"})},
         {0.25, 0, 0.5, 0, 0, 0.2}},
        // GENC: the constants alone (value 2 kept from the COV), stored elements ignored.
        {{Cov({"", "2"}), Dxyz("A", "B"), Elem({"7"}), Typed("GENC", Cov({"1", "", "0.5"}, "DIAG"))},
         {3, 0, 3, 0, 0, 3}},
        // Height addend 1, then scale 2, kept over a later header's blank
        // fields, and reset when the group is written.
        {{Cov({"", "", "", "", "", "1", "2"}, "DIAG"), Cov({}, "DIAG"), Dxyz("A", "B"), Elem({"1", "1", "1"})},
         {1, 0, 1, 0, 0, 4}},
        {{Cov({"", "", "", "", "", "1", "2"}, "DIAG"), Dxyz("A", "B"), Elem({"1", "1", "1"}), " COV  CT DIAG",
          Dxyz("C", "D"), Elem({"1", "1", "1"})},
         {1, 0, 1, 0, 0, 1}},
        // LG at 0 N 0 E, the first ALPHA: north is Z, east Y, up X.
        {{Plh("ALPHA", "0", "0"), Plh("ALPHA", "45", "75"), Cov({}, "DIAG", "m", "LG"), Dxyz("ALPHA", "B"),
          Elem({"1", "2", "3"})},
         {3, 0, 2, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        Conversion run = Convert(IobLines(c.records));
        ASSERT_EQ(run.result, 0) << c.records.back();
        std::vector<double> six = SixNumbers(run.output);
        ASSERT_EQ(six.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(six[i], c.six[i], 1e-12) << c.records.back() << " number " << i;
    }
}

TEST(CovarianceForms, GencWritesItsGroupAtOnce) {
    EXPECT_EQ(VectorSection({" GENC CT"}), kGroupStart);
    Conversion run = Convert(IobLines({Dxyz("A", "B"), " GENC CT DIAG", Elem({"1", "2", "3"})}));
    EXPECT_EQ(run.result, 5112);
    EXPECT_EQ(run.messages.at(0).text, "Too many element values in record 'ELEM' on line 3");
}

// A vector joining a WGT group after some weights keeps them in place, the
// couplings among them: the same group as with all vectors first.
TEST(CovarianceForms, VectorJoiningAfterSomeWeightsKeepsTheirPlaces) {
    std::vector<std::string> values, weights;
    for (int row = 0; row < 9; ++row) {
        for (int column = row; column < 9; ++column) {
            values.push_back(row == column ? "100" : std::to_string((row + 2 * column) % 5 - 2));
        }
    }
    for (std::size_t k = 0; k < values.size(); k += 3) {
        weights.push_back(Elem({values[k], values[k + 1], values[k + 2]}));
    }
    std::vector<std::string> first = {Dxyz("A", "B"), Dxyz("B", "C"), Dxyz("C", "D"), " WGT  CT"};
    first.insert(first.end(), weights.begin(), weights.end());
    std::vector<std::string> late = {Dxyz("A", "B"), Dxyz("B", "C"), " WGT  CT",
                                     weights[0],     weights[1],     Dxyz("C", "D")};
    late.insert(late.end(), weights.begin() + 2, weights.end());
    EXPECT_EQ(SixNumbers(VectorSection(first)).size(), 6u);
    EXPECT_EQ(VectorSection(late), VectorSection(first));
}

// Weights of 1e-310 are positive: only their inverse is too large for a double.
TEST(CovarianceForms, InverseTooLargeForADoubleIsWrittenAsInf) {
    for (const char* form : {"UPPR", "DIAG"}) {
        const std::string diagonal = form == std::string("DIAG") ? Elem({"1e-310", "1", "1"}) : "";
        std::vector<std::string> records = {Dxyz("A", "B"), Typed("WGT ", Cov({}, form))};
        records.push_back(diagonal.empty() ? Elem({"1e-310", "0", "0"}) : diagonal);
        if (diagonal.empty()) records.push_back(Elem({"1", "0", "1"}));
        Conversion run = Convert(IobLines(records));
        ASSERT_EQ(run.result, 0) << form;
        EXPECT_NE(run.output.find("; inf; 0.000000000000; 1.000000000000; "), std::string::npos) << form;
    }
}

// The group fails as a whole; earlier groups stay. The weights are tested
// before the from-stations are looked up.
TEST(CovarianceForms, UnconvertibleGroupsGive5111Or5116Or5117) {
    const std::string notInverted = "The weight matrix of the group ending on line ";
    const struct {
        std::vector<std::string> records;
        std::string message;
    } cases[] = {
        {{" WGT  CT", Elem({"1", "1", "0"}), Elem({"1", "0", "1"})}, notInverted + "7 cannot be inverted"},
        {{" WGT  CT", Elem({"1", "0", "0"}), Elem({"-1", "0", "1"})}, notInverted + "7 cannot be inverted"},
        {{" WGT  CT", Elem({"1e999", "0", "0"}), Elem({"1", "0", "1"})}, notInverted + "7 cannot be inverted"},
        {{" WGT  CT DIAG", Elem({"1", "0", "1"})}, notInverted + "6 cannot be inverted"},
        {{" WGT  CT DIAG", Elem({"1", "1e999", "1"})}, notInverted + "6 cannot be inverted"},
        {{" WGT  LG DIAG", Elem({"1", "-2", "1"})}, notInverted + "6 cannot be inverted"},
        {{" COV  LG DIAG", Elem({"1", "2", "3"})},
         "No position for station 'A' to turn the local covariances on line 6"},
        {{Plh("A", "10", "20"), Dxyz("C", "D"), Dxyz("E", "F"), " GENC LG"},
         "No position for station 'C' to turn the local covariances on line 8"},
        {{" WGT  XY"}, "Currently no support for 'XY' setting in record 'WGT '"},
        {{" GENC"}, "Currently no support for '' setting in record 'GENC'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> records = {" COV  CT DIAG", Dxyz("P", "Q"), Elem({"1", "2", "3"}), Dxyz("A", "B")};
        records.insert(records.end(), c.records.begin(), c.records.end());
        Conversion run = Convert(IobLines(records));
        ASSERT_EQ(run.messages.size(), 1u) << c.message;
        EXPECT_EQ(run.messages[0].text, c.message);
        EXPECT_EQ(static_cast<unsigned>(run.result), run.messages[0].number);
        EXPECT_NE(run.output.find("$GPS_COMPACT; P; Q"), std::string::npos) << c.message;
        EXPECT_EQ(run.output.find("$GPS_COMPACT; P; Q"), run.output.rfind("$GPS_COMPACT")) << c.message;
    }
}

}  // namespace
