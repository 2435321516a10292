// Stations found by name, for the vector pass: a local covariance is turned
// at the position of its vector's from-station.
#pragma once

#include <string_view>
#include <unordered_map>

#include "writing/records.h"

namespace iob {

class StationIndex {
public:
    // Indexes `stations`, which must outlive the index and stay as they are.
    explicit StationIndex(const StationTable& stations);

    // The first station record of that name, or nullptr when there is none.
    const StationRecord* Find(std::string_view name) const;

private:
    // The names point into the table: a deque never moves what it holds.
    std::unordered_map<std::string_view, const StationRecord*> byName_;
};

}  // namespace iob
