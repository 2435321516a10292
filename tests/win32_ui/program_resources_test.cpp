// The resources of the two programs as Windows reads them: the version
// that Explorer shows under Properties > Details, and the manifest's
// long-path awareness.
#include <gtest/gtest.h>

#include "windows_api.h"

#include <string>
#include <vector>

namespace {

struct Program {
    const wchar_t* path;
    const wchar_t* name;
};

const Program kPrograms[] = {{IOB_DESKTOP_PROGRAM_W, L"IobToQuorvane"}, {IOB_CLI_PROGRAM_W, L"iob2quorvane"}};

// The value of `key` in the U.S. English, UTF-16 string table.
std::wstring VersionText(const std::vector<char>& info, const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040904B0\\" + key;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return L"(none)";
    return static_cast<const wchar_t*>(value);
}

std::string ManifestOf(const wchar_t* program) {
    const HMODULE module = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return std::string();
    std::string manifest;
    if (const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const HGLOBAL data = LoadResource(module, resource);
        manifest.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return manifest;
}

}  // namespace

TEST(ProgramResources, BothProgramsCarryTheProjectsVersion) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        std::vector<char> info(GetFileVersionInfoSizeW(program.path, nullptr));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(GetFileVersionInfoW(program.path, 0, static_cast<DWORD>(info.size()), info.data()));
        EXPECT_EQ(VersionText(info, L"FileVersion"), IOB_PROJECT_VERSION_W);
        EXPECT_EQ(VersionText(info, L"ProductVersion"), IOB_PROJECT_VERSION_W);
        EXPECT_EQ(VersionText(info, L"ProductName"), L"IobToQuorvane");
        EXPECT_EQ(VersionText(info, L"OriginalFilename"), std::wstring(program.name) + L".exe");
        EXPECT_EQ(VersionText(info, L"FileDescription").rfind(std::wstring(program.name) + L": GeoLab IOB to", 0), 0U);

        void* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &fixed, &length));
        const auto* numbers = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        const std::wstring dotted = std::to_wstring(HIWORD(numbers->dwFileVersionMS)) + L"." +
                                    std::to_wstring(LOWORD(numbers->dwFileVersionMS)) + L"." +
                                    std::to_wstring(HIWORD(numbers->dwFileVersionLS));
        EXPECT_EQ(dotted, IOB_PROJECT_VERSION_W);
        EXPECT_EQ(LOWORD(numbers->dwFileVersionLS), 0);
        EXPECT_EQ(numbers->dwProductVersionMS, numbers->dwFileVersionMS);
        EXPECT_EQ(numbers->dwProductVersionLS, numbers->dwFileVersionLS);
    }
}

TEST(ProgramResources, BothManifestsDeclareLongPathAwareness) {
    const std::string declaration =
        "<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">true</longPathAware>";
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        EXPECT_NE(ManifestOf(program.path).find(declaration), std::string::npos);
    }
}
