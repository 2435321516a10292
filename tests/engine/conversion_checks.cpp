#include "conversion_checks.h"

namespace iob {

std::string CheckConversion(const Conversion& run, OutputSyntax syntax) {
    const bool singleLine = syntax == OutputSyntax::kSingleLine;
    const bool showsItsOwnMessage = IsConversionFailure(run.result);
    if (run.result != 0 && run.result != 5001 && !showsItsOwnMessage) {
        return "unexpected result " + std::to_string(run.result);
    }
    if (run.messages.size() != (showsItsOwnMessage ? 1u : 0u)) {
        return std::to_string(run.messages.size()) + " messages for result " + std::to_string(run.result);
    }
    if (showsItsOwnMessage && run.messages[0].number != static_cast<unsigned>(run.result)) {
        return "message " + std::to_string(run.messages[0].number) + " for result " + std::to_string(run.result);
    }
    // An invalid LUNT factor ends the conversion in pass 1, before the
    // header; a ';' in a station name or two names written alike in pass 2,
    // before the station lines.
    const bool endsBeforeTheHeader = run.result == 5114;
    const bool mayEndBeforeTheStations = endsBeforeTheHeader || run.result == 5113 || run.result == 5118;
    if (run.output.empty() && endsBeforeTheHeader) return "";
    if (run.output.size() < 2 || run.output.compare(run.output.size() - 2, 2, "\r\n") != 0) {
        return "output does not end with CR LF";
    }
    // Every LF that the engine wrote comes with its CR; a CR may stand alone,
    // as it did in a name of the input.
    for (std::size_t at = run.output.find('\n'); at != std::string::npos; at = run.output.find('\n', at + 1)) {
        if (at == 0 || run.output[at - 1] != '\r') return "LF without CR at byte " + std::to_string(at);
    }
    if (!endsBeforeTheHeader && run.output.find(singleLine ? "\r\n_DATUM; " : "$DATUM\r\n") == std::string::npos) {
        return "header missing";
    }
    if (!mayEndBeforeTheStations && run.output.find("\r\n! IOB-File Record Type PLH or PLO\r\n") == std::string::npos) {
        return "station comment missing";
    }
    // The report counts what was written.
    auto occurrences = [&run](const char* what) {
        int count = 0;
        for (std::size_t at = run.output.find(what); at != std::string::npos; at = run.output.find(what, at + 1)) {
            ++count;
        }
        return count;
    };
    const WrittenCounts& written = run.report.written;
    if (written.stations != occurrences(singleLine ? "\r\n_STA_COORD; " : "\r\n$GEO_COMPACT; ") ||
        written.vectors != occurrences(singleLine ? "\r\n_OBS_GPS_SET; " : "\r\n$GPS_COMPACT; ") ||
        written.groups != occurrences("\r\n! IOB-File Record Type DXYZ, ELEM\r\n") ||
        written.observations != occurrences("\r\n_OBS_AZ_SET; ") + occurrences("\r\n_OBS_HA_SET; ")) {
        return "report counts differ from the lines written";
    }
    return "";
}

}  // namespace iob
