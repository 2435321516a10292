#include "syntax_setting.h"

#include "windows_api.h"

namespace {

constexpr wchar_t kKey[] = L"Software\\IobToQuorvane\\IobToQuorvane";
constexpr wchar_t kValue[] = L"SingleLineSyntax";

}  // namespace

// A value of another type than DWORD, or none, is no choice.
iob::OutputSyntax StoredSyntax() {
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status == ERROR_SUCCESS && value != 0 ? iob::OutputSyntax::kSingleLine : iob::OutputSyntax::kCompact;
}

void StoreSyntax(iob::OutputSyntax syntax) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const DWORD value = syntax == iob::OutputSyntax::kSingleLine ? 1 : 0;
    RegSetValueExW(key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}
