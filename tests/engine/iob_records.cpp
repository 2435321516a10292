#include "iob_records.h"

namespace iob {

namespace {

// `text` right-aligned in `width` columns; the empty text stays empty, so
// that PutAt leaves the field out.
std::string RightAligned(const std::string& text, std::size_t width) {
    if (text.empty()) return text;
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// A long layout's name is 31 columns wide, a short one's 12: each field
// after a name lies this much further right in the long layout.
constexpr std::size_t kLongNameShift = 19;

// An angle's four fields, from the column of its hemisphere letter on.
void PutAngle(std::string& line, std::size_t column, const Angle& angle) {
    PutAt(line, column, angle.hemisphere);
    PutAt(line, column + 1, RightAligned(angle.degrees, 3));
    PutAt(line, column + 5, RightAligned(angle.minutes, 2));
    PutAt(line, column + 8, RightAligned(angle.seconds, 9));
}

std::string StationRecord(const Station& station, std::size_t shift) {
    std::string line = " " + station.type;
    if (shift > 0) PutAt(line, kLayoutMarkColumn, "*");
    PutAt(line, 11, station.name);
    PutAngle(line, 24 + shift, station.latitude);
    PutAngle(line, 42 + shift, station.longitude);
    PutAt(line, 60 + shift, RightAligned(station.height, 12));
    PutAt(line, 73 + shift, station.unit);
    return line;
}

// A DXYZ record has two names, so its numbers shift twice.
std::string VectorRecord(std::size_t shift, const std::string& from, const std::string& to, const std::string& dx,
                         const std::string& dy, const std::string& dz, const std::string& unit) {
    std::string line = " DXYZ";
    if (shift > 0) PutAt(line, kLayoutMarkColumn, "*");
    PutAt(line, 11, from);
    PutAt(line, 24 + shift, to);
    PutAt(line, 37 + 2 * shift, RightAligned(dx, 13));
    PutAt(line, 51 + 2 * shift, RightAligned(dy, 13));
    PutAt(line, 65 + 2 * shift, RightAligned(dz, 13));
    PutAt(line, 79 + 2 * shift, unit);
    return line;
}

}  // namespace

void PutAt(std::string& line, std::size_t column, const std::string& text) {
    if (text.empty()) return;
    if (line.size() < column - 1 + text.size()) line.resize(column - 1 + text.size(), ' ');
    line.replace(column - 1, text.size(), text);
}

std::string LeftAligned(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string WithoutTrailingBlanks(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

std::string Titl(const std::string& title) {
    std::string line = " TITL";
    PutAt(line, 7, title);
    return line;
}

std::string Elip(const std::string& datum, const std::string& a, const std::string& b) {
    std::string line = " ELIP";
    PutAt(line, 7, datum);
    PutAt(line, 24, RightAligned(a, 13));
    PutAt(line, 38, RightAligned(b, 13));
    return line;
}

std::string Lunt(const std::string& code, const std::string& factor) {
    std::string line = " LUNT";
    PutAt(line, 7, code);
    PutAt(line, 10, factor);
    return line;
}

Station BenchMark(const std::string& name) {
    return Station{"PLH", name, {"N", "45", "30", "12.345600"}, {"W", "75", "05", "59.876543"}, "123.456", "ft"};
}

Station Riverside() {
    const Angle latitude = {"S", "33", "51", "4.123400"};
    const Angle longitude = {"E", "151", "12", "36.000000"};
    return Station{"PLO", "RIVERSIDE CONTROL MONUMENT 7", latitude, longitude, "58.200", "m"};
}

std::string ShortStation(const Station& station) { return StationRecord(station, 0); }
std::string LongStation(const Station& station) { return StationRecord(station, kLongNameShift); }

std::string Dxyz(const std::string& from, const std::string& to, const std::string& dx, const std::string& dy,
                 const std::string& dz, const std::string& unit) {
    return VectorRecord(0, from, to, dx, dy, dz, unit);
}

std::string LongDxyz(const std::string& from, const std::string& to, const std::string& dx, const std::string& dy,
                     const std::string& dz, const std::string& unit) {
    return VectorRecord(kLongNameShift, from, to, dx, dy, dz, unit);
}

std::string Cov(const std::vector<std::string>& values, const std::string& flag, const std::string& unit,
                const std::string& setting) {
    std::string line = " COV";
    PutAt(line, 7, setting);
    PutAt(line, 10, flag);
    const std::size_t columns[] = {15, 26, 37, 48, 59, 70, 81};
    for (std::size_t i = 0; i < values.size(); ++i) PutAt(line, columns[i], RightAligned(values[i], 10));
    PutAt(line, 92, unit);
    return line;
}

std::string Elem(const std::vector<std::string>& values, const std::string& unit) {
    std::string line = " ELEM";
    const std::size_t columns[] = {7, 31, 55};
    for (std::size_t i = 0; i < values.size(); ++i) PutAt(line, columns[i], RightAligned(values[i], 23));
    PutAt(line, 79, unit);
    return line;
}

std::string WorkedElip() { return Elip("GRS 1980", "6378137.000", "6356752.3141"); }

std::string WorkedDxyz(const std::string& from, const std::string& to) {
    return Dxyz(from, to, "1234.5678", "-2345.6789", "345.1234");
}

std::string WorkedCov(const std::string& flag) { return Cov({"", "2.0", "0.000001", "", "1.0"}, flag); }

std::vector<std::string> WorkedElems() {
    return {Elem({"4.0E-06", "5.0E-07", "-3.0E-07"}), Elem({"9.0E-06", "7.0E-07", "1.6E-05"})};
}

std::vector<std::string> WorkedGroup() {
    std::vector<std::string> group = {WorkedDxyz(), WorkedCov()};
    for (const std::string& elem : WorkedElems()) group.push_back(elem);
    return group;
}

std::string WgtGroupFile(int vectors) {
    std::string file = WorkedElip() + "\n";
    for (int i = 0; i < vectors; ++i) file += Dxyz("S" + std::to_string(i), "S" + std::to_string(i + 1)) + "\n";
    file += " WGT  CT\n";
    // The upper triangle row by row, three to an ELEM record: 3n(3n + 1) / 2 weights fill the last one.
    std::vector<std::string> values;
    for (int row = 0; row < 3 * vectors; ++row) {
        for (int column = row; column < 3 * vectors; ++column) {
            values.push_back(row == column ? "1.0E+04" : "1.0");
            if (values.size() < 3) continue;
            file += Elem(values) + "\n";
            values.clear();
        }
    }
    return file + " END\n";
}

}  // namespace iob
