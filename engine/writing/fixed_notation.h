// Fixed notation for the numbers of a QUORVANE file, bit for bit what
// printf's "%f" gives in the C locale, whatever the process locale says.
#pragma once

#include <cstddef>
#include <string>

namespace iob {

// The longest text of WriteFixed: a sign, the 309 integer digits of the
// largest double, the point and 12 decimals.
constexpr std::size_t kMaxFixedLength = 323;

// Writes `value` at `out` in fixed notation with 0 to 12 `decimals`, as
// printf's "%1.<decimals>f" does in the C locale, and returns the end of the
// text: -0.0 gives "-0.00000", non-finite values give "inf", "-inf", "nan"
// or "-nan".
char* WriteFixed(char* out, double value, int decimals);

// The same, appended to `out`.
void AppendFixed(std::string& out, double value, int decimals);

// The fast path of WriteFixed, for the numbers of nearly every line: in a
// third of std::to_chars' instructions (docs/performance.md). Declines what
// it cannot do exactly.

// The longest text of WriteShortFixed: a sign, 20 digits, the point and 12 decimals.
constexpr std::size_t kShortFixedMaxLength = 34;

// Writes finite `value` with 1 to 12 `decimals` at `out` as printf's
// "%1.<d>f" in the C locale does, and returns the end of the text. Declines,
// writing nothing and returning nullptr, for other values and when the
// rounded value times 10^decimals reaches 2^64.
char* WriteShortFixed(char* out, double value, int decimals);

}  // namespace iob
