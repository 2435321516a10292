// The filter texts of the string table, "Description|pattern|...||": every
// item ended by a vertical bar, the whole ended by an empty item.
#pragma once

#include <string>
#include <vector>

struct FilterPair {
    std::string description;
    std::string pattern;
};

// The pairs in order, each pattern trimmed of the blanks the table gives it.
// "IOB File (*.iob)|*.iob|All Files (*.*)| *.*||"
//   -> {{"IOB File (*.iob)", "*.iob"}, {"All Files (*.*)", "*.*"}}
std::vector<FilterPair> FilterPairsOf(const char* filterText);
