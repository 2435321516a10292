// Station records that give a name written before: the adjustment would
// take both for one station, so the report names them.
#pragma once

#include <cstddef>

#include "passes/name_checks.h"
#include "passes/name_slots.h"
#include "writing/records.h"

namespace iob {

class RepeatedStations {
public:
    // Room for `shorter` stations of names shorter than the full length
    // among `count`.
    RepeatedStations(std::size_t shorter, std::size_t count) : firstOfName_(shorter, count) {}

    // Looks up the last station of `stations` among those before it: the
    // first station of the same written name, or null when it is the first
    // of its name (and is then remembered as such). `names` has recorded
    // every station's name.
    const StationRecord* EarlierOfName(const StationTable& stations, const WrittenNames& names) {
        const StationRecord& last = stations.back();
        if (WrittenNames::IsFullLength(last.name)) {
            // Names that long are looked up among the written names, which
            // keep the line of the first: the station of that line.
            const LineNumber line = names.FirstLineOf(last.name);
            return line == 0 || line == last.line ? nullptr : StationOfLine(stations, line);
        }
        const std::size_t index = stations.size() - 1;
        const std::size_t first = firstOfName_.FirstIndex(
            last.name, index, [&stations](std::size_t at) -> const char(&)[16] { return stations[at].name; });
        return first == index || first == NameSlots::kNone ? nullptr : &stations[first];
    }

private:
    // The station of the record on `line`, or null.
    static const StationRecord* StationOfLine(const StationTable& stations, LineNumber line);

    NameSlots firstOfName_;  // of every shorter name, its first station's index
};

}  // namespace iob
