#include "proposed_output_name.h"

#include <filesystem>

#include <iob/convert_files.h>

std::string ProposedOutputName(const std::string& iobName) {
    std::filesystem::path name = std::filesystem::u8path(iob::TrimFileName(iobName));
    std::string extension = name.extension().u8string();
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (!name.has_filename() || extension == ".txt") return std::string();
    return name.replace_extension(".txt").u8string();
}
