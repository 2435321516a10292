#include "passes/repeated_stations.h"

#include <cstring>
#include <limits>

namespace iob {
namespace {

// The name's 16 bytes (zeros after it) as two words, mixed so that every
// byte reaches the low bits that pick a slot: names often differ only in
// their last characters ("STATION-0001", "STATION-0002").
std::size_t HashOfName(const StationRecord& station) {
    std::uint64_t low;
    std::uint64_t high;
    std::memcpy(&low, station.name, sizeof low);
    std::memcpy(&high, station.name + sizeof low, sizeof high);
    std::uint64_t mixed = low ^ (high * 0x9E3779B97F4A7C15U);
    mixed ^= mixed >> 31;
    mixed *= 0xC2B2AE3D27D4EB4FU;
    mixed ^= mixed >> 29;
    return static_cast<std::size_t>(mixed);
}

}  // namespace

std::uint32_t& RepeatedStations::SlotOf(const StationTable& stations, const StationRecord& station) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = HashOfName(station) & mask;; slot = (slot + 1) & mask) {
        std::uint32_t& entry = slots_[slot];
        if (entry == 0 || std::memcmp(stations[entry - 1].name, station.name, sizeof station.name) == 0) return entry;
    }
}

void RepeatedStations::Grow(const StationTable& stations) {
    std::vector<std::uint32_t> old(slots_.empty() ? 1024 : 2 * slots_.size(), 0);
    old.swap(slots_);
    for (const std::uint32_t entry : old) {
        if (entry != 0) SlotOf(stations, stations[entry - 1]) = entry;
    }
}

const StationRecord* RepeatedStations::EarlierOfName(const StationTable& stations) {
    // More stations than a slot can count would not fit in memory anyway.
    if (stations.size() >= std::numeric_limits<std::uint32_t>::max()) return nullptr;
    if (2 * (used_ + 1) > slots_.size()) Grow(stations);
    std::uint32_t& entry = SlotOf(stations, stations.back());
    if (entry != 0) return &stations[entry - 1];
    entry = static_cast<std::uint32_t>(stations.size());
    ++used_;
    return nullptr;
}

}  // namespace iob
