// Station records that give a name written before: the adjustment would
// take both for one station, so the report names them.
#pragma once

#include <cstdint>
#include <vector>

#include "writing/records.h"

namespace iob {

class RepeatedStations {
public:
    // Looks up the last station of `stations` among those before it: the
    // first station of the same written name, or null when it is the first
    // of its name (and is then remembered as such).
    const StationRecord* EarlierOfName(const StationTable& stations);

private:
    void Grow(const StationTable& stations);
    std::uint32_t& SlotOf(const StationTable& stations, const StationRecord& station);

    // An open-addressing table of the first station of each name, at most
    // half full: its index in the table plus 1, 0 for a free slot. Four bytes
    // a slot keep it small beside the stations themselves.
    std::vector<std::uint32_t> slots_;
    std::size_t used_ = 0;
};

}  // namespace iob
