// libFuzzer target: the conversion (RunConversion, with its messages, in both syntaxes) on arbitrary bytes, through
// in-memory streams. Crashes, leaks and sanitizer reports are the fuzzer's business; the checks here catch a conversion
// that returns nonsense.
#include <cstdint>
#include <cstdlib>

#include "conversion_checks.h"
#include "conversion_run.h"

using namespace iob;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string iob(reinterpret_cast<const char*>(data), size);
    for (OutputSyntax syntax : {OutputSyntax::kCompact, OutputSyntax::kSingleLine}) {
        if (!CheckConversion(Convert(iob, syntax), syntax).empty()) std::abort();
    }
    return 0;
}
