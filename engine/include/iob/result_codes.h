// Result codes of a conversion: 0 for success, otherwise the number of the
// message that reports the failure (the IOB_RESULT and IOB_FAILURE entries
// of the string table).
#pragma once

#include <algorithm>
#include <iterator>

#include <iob/string_table.h>

namespace iob {

enum ResultCode : int {
    kResultOk = 0,
#define IOB_MESSAGE(name, number, kinds, text)
#define IOB_REPORT(name, number, kinds, text)
#define IOB_RESULT(name, number, kinds, text) kResult##name = kMsg##name,
#define IOB_FAILURE IOB_RESULT
#include "string_table.def"
#undef IOB_MESSAGE
#undef IOB_REPORT
#undef IOB_RESULT
#undef IOB_FAILURE
};

// Whether `result` is a failure that only the conversion can tell, whose
// message's arguments its outcome holds (an IOB_FAILURE entry).
inline bool IsConversionFailure(int result) {
    static constexpr int kFailures[] = {
#define IOB_MESSAGE(name, number, kinds, text)
#define IOB_REPORT(name, number, kinds, text)
#define IOB_RESULT(name, number, kinds, text)
#define IOB_FAILURE(name, number, kinds, text) (number),
#include "string_table.def"
#undef IOB_MESSAGE
#undef IOB_REPORT
#undef IOB_RESULT
#undef IOB_FAILURE
    };
    return std::any_of(std::begin(kFailures), std::end(kFailures), [result](int failure) { return failure == result; });
}

}  // namespace iob
