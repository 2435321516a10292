#include "passes/repeated_stations.h"

#include <algorithm>

namespace iob {

const StationRecord* RepeatedStations::StationOfLine(const StationTable& stations, LineNumber line) {
    // The table is in file order: its lines increase.
    const auto station = std::partition_point(stations.begin(), stations.end(),
                                              [line](const StationRecord& earlier) { return earlier.line < line; });
    return station != stations.end() && station->line == line ? &*station : nullptr;
}

}  // namespace iob
