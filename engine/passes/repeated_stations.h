// Station records that give a name written before: the adjustment would
// take both for one station, so the report names them.
#pragma once

#include <cstddef>

#include "passes/name_slots.h"
#include "writing/records.h"

namespace iob {

class RepeatedStations {
public:
    // Room for `count` stations, as many as the header pass counted.
    explicit RepeatedStations(std::size_t count) : firstOfName_(count) {}

    // Looks up the last station of `stations` among those before it: the
    // first station of the same written name, or null when it is the first
    // of its name (and is then remembered as such).
    const StationRecord* EarlierOfName(const StationTable& stations) {
        const std::size_t last = stations.size() - 1;
        const std::size_t first = firstOfName_.FirstIndex(
            stations.back().name, last,
            [&stations](std::size_t index) -> const char(&)[16] { return stations[index].name; });
        return first == last || first == NameSlots::kNotIndexed ? nullptr : &stations[first];
    }

private:
    NameSlots firstOfName_;  // of every name, its first station's index
};

}  // namespace iob
