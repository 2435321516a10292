// The full path of the running executable, in UTF-8 like every file name of
// the program. Each shell defines it with its platform's own call.
#pragma once

#include <string>

std::string ExecutablePath();
