// libFuzzer target: the conversion (RunConversion, with its messages) on arbitrary bytes, through in-memory
// streams. Crashes, leaks and sanitizer reports are the fuzzer's business;
// the checks here catch a conversion that returns nonsense.
#include <cstdint>
#include <cstdlib>

#include "conversion_checks.h"
#include "conversion_run.h"

using namespace iob;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string iob(reinterpret_cast<const char*>(data), size);
    Conversion run = Convert(iob);
    if (!CheckConversion(run).empty()) std::abort();
    return 0;
}
