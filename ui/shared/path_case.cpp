#include "path_case.h"

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string ChosenPathCase(const std::string& path) {
#ifdef _WIN32
    return AsciiLower(path);
#else
    return path;
#endif
}

bool PathsAlike(const std::string& a, const std::string& b) { return ChosenPathCase(a) == ChosenPathCase(b); }
