// The program holds its texts in UTF-8 and hands them to every Win32 call in
// UTF-16, so that names of any script, 測量.iob among them, pass whole
// whatever the ANSI code page.
#pragma once

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
