// Lines on standard error, whole in any script: UTF-8 bytes into a file or
// a pipe; on a Windows console through its wide-character call, as the
// console would show UTF-8 bytes in its own code page ("GenÃ¨ve").
#pragma once

#include <string>

void PrintErrorLine(const std::string& utf8Line);
