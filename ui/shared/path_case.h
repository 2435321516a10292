// The case of a path chosen in a browse dialog. Where file names ignore
// case, as on Windows, the chosen path is stored in lower case (A to Z);
// where case tells files apart, as on Linux, lower-casing would name
// another, usually missing, file, so the path is kept as chosen.
#pragma once

#include <string>

// Only the bytes A to Z change, so the other letters of a UTF-8 name stay whole.
std::string ChosenPathCase(const std::string& path);

// `text` with A to Z in lower case, every other byte as it was.
std::string AsciiLower(std::string text);

// Whether two names spell the same path as the platform compares names: in
// any case on Windows, byte for byte on Linux.
bool PathsAlike(const std::string& a, const std::string& b);
