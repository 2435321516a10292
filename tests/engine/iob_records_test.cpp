// The record builders give the worked records of the layouts byte for byte.
#include <gtest/gtest.h>

#include "iob_records.h"

using namespace iob;

namespace {

TEST(IobRecords, BuildTheWorkedRecords) {
    const std::pair<std::string, std::string> records[] = {
        {Titl("Control network 2004"), " TITL Control network 2004"},
        {WorkedElip(), " ELIP GRS 1980           6378137.000  6356752.3141"},
        {Lunt("xx", "0.3048006096"), " LUNT xx 0.3048006096"},
        {ShortStation(BenchMark()), " PLH      BM-2041      N 45 30 12.345600 W 75 05 59.876543      123.456 ft"},
        {LongStation(Riverside()),
         " PLO     *RIVERSIDE CONTROL MONUMENT 7    S 33 51  4.123400 E151 12 36.000000       58.200 m"},
        {WorkedDxyz(), " DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m"},
        {WorkedCov(), " COV  CT                        2.0   0.000001                   1.0                       m"},
        {WorkedCov("DIAG"),
         " COV  CT DIAG                   2.0   0.000001                   1.0                       m"},
        {WorkedElems().at(0), " ELEM                 4.0E-06                 5.0E-07                -3.0E-07 m"},
        {WorkedElems().at(1), " ELEM                 9.0E-06                 7.0E-07                 1.6E-05 m"},
    };
    for (const auto& [built, worked] : records) EXPECT_EQ(built, worked);
}

TEST(IobRecords, EmptyFieldsLeaveTheLineShort) {
    EXPECT_EQ(Titl(""), " TITL");
    EXPECT_EQ(Elip("Short", "6378137.000"), " ELIP Short              6378137.000");
    EXPECT_EQ(Cov({}, "", "", "C"), " COV  C");
}

}  // namespace
