#include "filter_pairs.h"

#include <iob/convert_files.h>

std::vector<FilterPair> FilterPairsOf(const char* filterText) {
    std::vector<std::string> items(1);
    for (const char* c = filterText; *c != '\0'; ++c) {
        if (*c == '|') {
            items.emplace_back();
        } else {
            items.back().push_back(*c);
        }
    }
    std::vector<FilterPair> pairs;
    // The text ends with an empty item, so a last description without a pattern is dropped too.
    for (std::size_t i = 0; i + 1 < items.size() && !items[i].empty(); i += 2) {
        pairs.push_back(FilterPair{items[i], iob::TrimFileName(items[i + 1])});
    }
    return pairs;
}
