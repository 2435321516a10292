#include "conversion_checks.h"

namespace iob {

std::string CheckConversion(const Conversion& run) {
    const bool showsItsOwnMessage = run.result == 5111 || run.result == 5112;
    if (run.result != 0 && run.result != 5001 && !showsItsOwnMessage) {
        return "unexpected result " + std::to_string(run.result);
    }
    if (run.messages.size() != (showsItsOwnMessage ? 1u : 0u)) {
        return std::to_string(run.messages.size()) + " messages for result " + std::to_string(run.result);
    }
    if (showsItsOwnMessage && run.messages[0].number != static_cast<unsigned>(run.result)) {
        return "message " + std::to_string(run.messages[0].number) + " for result " + std::to_string(run.result);
    }
    if (run.output.size() < 2 || run.output.compare(run.output.size() - 2, 2, "\r\n") != 0) {
        return "output does not end with CR LF";
    }
    // Every LF that the engine wrote comes with its CR; a CR may stand alone,
    // as it did in a name of the input.
    for (std::size_t at = run.output.find('\n'); at != std::string::npos; at = run.output.find('\n', at + 1)) {
        if (at == 0 || run.output[at - 1] != '\r') return "LF without CR at byte " + std::to_string(at);
    }
    if (run.output.find("$DATUM\r\n") == std::string::npos ||
        run.output.find("\r\n! IOB-File Record Type PLH or PLO\r\n") == std::string::npos) {
        return "header or station comment missing";
    }
    return "";
}

}  // namespace iob
