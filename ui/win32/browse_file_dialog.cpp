#include "browse_file_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <new>
#include <vector>

#include "filter_pairs.h"
#include "open_dialog_start_folder.h"
#include "platform_folders.h"
#include "wide_text.h"

namespace {

// The longest path the wide-character calls take.
constexpr std::size_t kPathCapacity = 32768;

// Each description and pattern ended by a NUL, the whole by another.
std::wstring SystemFilterOf(const char* filterText) {
    std::wstring filter;
    for (const FilterPair& pair : FilterPairsOf(filterText)) {
        filter += Widen(pair.description) + L'\0' + Widen(pair.pattern) + L'\0';
    }
    return filter + L'\0';
}

// The files of the dialog's buffer: one full path, or with several chosen
// their folder and then each name, every text ended by a NUL, the whole by
// another.
std::vector<std::string> ChosenFiles(const std::vector<wchar_t>& buffer) {
    std::vector<std::wstring> texts;
    for (const wchar_t* text = buffer.data(); *text != L'\0'; text += texts.back().size() + 1) texts.emplace_back(text);
    std::vector<std::string> files;
    if (texts.size() == 1) files.push_back(Narrow(texts.front()));
    for (std::size_t i = 1; i < texts.size(); ++i) files.push_back(Narrow(texts.front() + L"\\" + texts[i]));
    return files;
}

}  // namespace

std::vector<std::string> RunBrowseFileDialog(HWND owner, const FileDialogRequest& request) {
    const std::wstring filter = SystemFilterOf(request.filter);
    const std::wstring title = Widen(request.title);
    const std::wstring startFolder = Widen(OpenDialogStartFolder(request.startFolder));
    std::vector<wchar_t> file(kPathCapacity, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.severalFiles ? OFN_ALLOWMULTISELECT : 0);

    // The open dialog moves the working folder to where the user browsed.
    const std::wstring workingFolder = Widen(WorkingFolder());
    const BOOL chosen = GetOpenFileNameW(&dialog);
    SetCurrentDirectoryW(workingFolder.c_str());
    if (chosen) return ChosenFiles(file);
    const DWORD error = CommDlgExtendedError();
    if (error == CDERR_MEMALLOCFAILURE || error == CDERR_MEMLOCKFAILURE) throw std::bad_alloc();
    return {};
}
