// Whole files as bytes, for comparing outputs exactly.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace iob {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace iob
