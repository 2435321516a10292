// Bytes as a report quotes them: control bytes spelled out, so that a tab
// or a CR in a record shows, and every quoted text stays on one line.
#pragma once

#include <string>
#include <string_view>

namespace iob {

// "PLH\t" for the bytes P L H TAB: \t for a tab, \r for a CR, \xNN for every
// other byte below 32 and for 127; the rest as they are.
std::string VisibleText(std::string_view bytes);

}  // namespace iob
