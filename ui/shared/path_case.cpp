#include "path_case.h"

std::string ChosenPathCase(const std::string& path) {
#ifdef _WIN32
    std::string lower = path;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
#else
    return path;
#endif
}
