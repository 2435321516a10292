// NameSlots: the first index of each name, as its table and its indices grow.
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

#include "passes/name_slots.h"

using namespace iob;

namespace {

struct Name {
    char bytes[16] = {};
};

Name Named(const char* text) {
    Name name;
    std::strncpy(name.bytes, text, sizeof name.bytes - 1);
    return name;
}

// Gives each name its next index in turn, as the station pass does; returns
// the first index of each.
std::vector<std::size_t> FirstIndices(NameSlots& slots, const std::vector<Name>& names) {
    std::vector<std::size_t> first;
    for (std::size_t next = 0; next < names.size(); ++next) {
        first.push_back(slots.FirstIndex(
            names[next].bytes, next, [&names](std::size_t index) -> const char(&)[16] { return names[index].bytes; }));
    }
    return first;
}

}  // namespace

TEST(NameSlots, NamesGivenAgainGetTheirFirstIndex) {
    NameSlots slots;
    const std::vector<Name> names = {Named("BM-1"), Named("BM-2"), Named("BM-1"), Named("BM-3"), Named("BM-2")};
    EXPECT_EQ(FirstIndices(slots, names), (std::vector<std::size_t>{0, 1, 0, 3, 1}));
    auto nameAt = [&names](std::size_t index) -> const char(&)[16] { return names[index].bytes; };
    EXPECT_EQ(slots.Find(Named("BM-3").bytes, nameAt), 3U);
    EXPECT_EQ(slots.Find(Named("BM-4").bytes, nameAt), NameSlots::kNone);
}

// 5000 names, each given twice, in a table made for none: it grows three
// times. Indices 1000 apart lie far beyond its slots, whose index bits widen.
TEST(NameSlots, GrowsForMoreNamesAndHigherIndices) {
    std::vector<Name> names(10000);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::snprintf(names[i].bytes, sizeof names[i].bytes, "STATION-%05zu", i % 5000);
    }
    for (const std::size_t spacing : {std::size_t{1}, std::size_t{1000}}) {
        NameSlots slots;
        auto nameAt = [&](std::size_t index) -> const char(&)[16] { return names[index / spacing].bytes; };
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(slots.FirstIndex(names[i].bytes, i * spacing, nameAt), i % 5000 * spacing) << spacing << " " << i;
        }
    }
}
