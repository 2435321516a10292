// Bytes as a report quotes them: control bytes spelled out, so that a tab
// or a CR in a record shows, and every quoted text stays on one line.
#pragma once

#include <string>
#include <string_view>

namespace iob {

// "PLH\t" for the bytes P L H TAB: \t for a tab, \r for a CR, \xNN for every
// other byte below 32 and for 127, and with `spellHighBytes` for bytes 128
// to 255 too (a record type is ASCII: such bytes are no letters of a name
// there, and a report must stay valid UTF-8); the rest as they are.
std::string VisibleText(std::string_view bytes, bool spellHighBytes = false);

}  // namespace iob
