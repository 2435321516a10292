// NameSlots: the first index of each name, as its table and its indices grow
// beyond what it was made for (names given twice in files are in doubt_test.cpp).
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

#include "passes/name_slots.h"

using namespace iob;

namespace {

struct Name {
    char bytes[16] = {};
};

}  // namespace

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
