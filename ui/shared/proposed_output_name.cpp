#include "proposed_output_name.h"

#include <filesystem>

#include <iob/convert_files.h>

#include "path_case.h"

std::string ProposedOutputName(const std::string& iobName) {
    std::filesystem::path name = std::filesystem::u8path(iob::TrimFileName(iobName));
    if (!name.has_filename() || AsciiLower(name.extension().u8string()) == ".txt") return std::string();
    return name.replace_extension(".txt").u8string();
}
