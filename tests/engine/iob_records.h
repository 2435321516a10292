// IOB records for the tests, built field by field: each builder puts its
// fields in the columns of the record's layout, so that a test says what a
// field holds and never counts bytes. iob_records_test checks the builders
// against the worked records of the layouts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace iob {

// Column 10 of a PLH, PLO or DXYZ record: "*" selects the long layout.
constexpr std::size_t kLayoutMarkColumn = 10;

// Writes `text` into `line` from 1-based `column`, widening the line with
// blanks as needed; an empty text leaves the line as it is.
void PutAt(std::string& line, std::size_t column, const std::string& text);

// `text` padded with blanks to `width`: a builder, which right-aligns what
// it is given, then writes it from the field's first column.
std::string LeftAligned(const std::string& text, std::size_t width);
// `line` without its trailing blanks: when the fields after a LeftAligned
// one are left empty, the line then ends in that field's text.
std::string WithoutTrailingBlanks(std::string line);

// " TITL" and the title from column 7.
std::string Titl(const std::string& title);
// The datum name from column 7, the axes right-aligned in columns 24-36 and
// 38-50; an empty field is left out, so the line may end before it.
std::string Elip(const std::string& datum, const std::string& a, const std::string& b = "");
// The unit code in columns 7-8, the factor from column 10.
std::string Lunt(const std::string& code, const std::string& factor);

// An angle as a station record spells it: the hemisphere letter, then
// degrees, minutes and seconds as typed. Empty texts leave their columns out.
struct Angle {
    std::string hemisphere;
    std::string degrees;
    std::string minutes;
    std::string seconds;
};

struct Station {
    std::string type;  // "PLH" or "PLO"
    std::string name;
    Angle latitude;
    Angle longitude;
    std::string height;
    std::string unit;
};

// The worked stations: BM-2041 (N 45 30 12.3456, W 75 05 59.876543, 123.456 ft),
// here under any name, and the long-named monument at S 33 51 4.1234, E 151 12 36.
Station BenchMark(const std::string& name = "BM-2041");
Station Riverside();

// The short layout (12-byte name) and the long one ("*" in column 10, a
// 31-byte name, every later field 19 columns further right).
std::string ShortStation(const Station& station);
std::string LongStation(const Station& station);

// DXYZ records; the defaults make vectors of length 3 m.
std::string Dxyz(const std::string& from, const std::string& to, const std::string& dx = "1.0",
                 const std::string& dy = "2.0", const std::string& dz = "2.0", const std::string& unit = "m");
std::string LongDxyz(const std::string& from, const std::string& to, const std::string& dx = "3.0",
                     const std::string& dy = "4.0", const std::string& dz = "0.0", const std::string& unit = "m");
// COV values 1-5, then the height addend and scale, in their columns; an
// empty text leaves a field blank. WGT and GENC records share the layout.
std::string Cov(const std::vector<std::string>& values, const std::string& flag = "", const std::string& unit = "m",
                const std::string& setting = "CT");
// ELEM values a, b, c in their columns; an empty text leaves a field blank.
std::string Elem(const std::vector<std::string>& values, const std::string& unit = "m");

// The worked records: the GRS 1980 ellipsoid and the vector group ALPHA to
// BRAVO with its COV record (value 2 = 2.0, value 3 = 0.000001, value 5 = 1.0)
// and the two ELEM records of its covariance.
std::string WorkedElip();
std::string WorkedDxyz(const std::string& from = "ALPHA", const std::string& to = "BRAVO");
std::string WorkedCov(const std::string& flag = "");
std::vector<std::string> WorkedElems();
std::vector<std::string> WorkedGroup();

// An IOB file (LF line ends) of the worked ELIP record and one WGT group of
// `vectors` DXYZ records and its full weight matrix, which inverts, then END: slow to convert, as the
// inversion grows with the cube of `vectors`.
std::string WgtGroupFile(int vectors);

}  // namespace iob
