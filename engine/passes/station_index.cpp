#include "passes/station_index.h"

namespace iob {

StationIndex::StationIndex(const StationTable& stations) {
    byName_.reserve(stations.size());
    // emplace keeps the first record of a name.
    for (const StationRecord& station : stations) byName_.emplace(station.name, &station);
}

const StationRecord* StationIndex::Find(std::string_view name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

}  // namespace iob
