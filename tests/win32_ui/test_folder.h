// A folder of its own for the files a test names, gone at the test's end,
// and the files' bytes. Each test runs in a process of its own.
#pragma once

#include "windows_api.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TestFolder {
public:
    TestFolder() { std::filesystem::create_directories(path_); }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return (path_ / name).wstring(); }

private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("iob-ui-" + std::to_string(GetCurrentProcessId()));
};

inline std::string BytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::filesystem::path ExamplePath(const char* name) { return std::filesystem::path(IOB_EXAMPLES_DIR) / name; }
