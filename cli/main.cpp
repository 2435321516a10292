// iob2quorvane: converts one GeoLab IOB file into a QUORVANE input file from
// the command line, with the checks and messages of the dialog's "Convert Data".
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <iob/convert_files.h>
#include <iob/report_text.h>
#include <iob/show_message.h>

#include "error_output.h"

namespace {

constexpr char kProgram[] = "iob2quorvane";

void PrintHelp() {
    std::printf("Usage: %s [-v | -q] [--strict] [--force] [--syntax SYNTAX] [--] IOB_FILE OUTPUT_FILE\n"
                "Converts the GeoLab IOB file IOB_FILE into the QUORVANE input file OUTPUT_FILE,\n"
                "which is created or replaced; a file with no ELIP record gets the default\n"
                "datum NAD 83. Prints nothing when the whole file was converted cleanly; a\n"
                "failure is one line on standard error, and so is each kind of record or line\n"
                "that was read but not converted (\"warning: Not converted: ...\"), each\n"
                "reading to check (\"warning: Read with doubt: ...\": a field holding more\n"
                "than its number, an unknown unit code, a byte between two fields, ...) and\n"
                "each note (\"warning: No ELIP record: ...\"). Each line about a conversion\n"
                "begins \"iob2quorvane: IOB_FILE: \". OUTPUT_FILE - writes to standard output.\n"
                "\n"
                "  -v, --verbose  also print what was converted (stations, GPS vectors, groups)\n"
                "  -q, --quiet    print no warnings, only a failure\n"
                "  --strict       fail when anything was read with doubt: no output is written\n"
                "                 and an earlier file of that name stays as it was\n"
                "  --force        replace an existing OUTPUT_FILE whose name ends in .iob, which\n"
                "                 is otherwise kept: swapped names would destroy an input\n"
                "  --syntax SYNTAX\n"
                "                 the syntax of OUTPUT_FILE: compact (the default: $DATUM,\n"
                "                 $GEO_COMPACT, $GPS_COMPACT, the stations and GPS vectors) or\n"
                "                 single-line (_DATUM, _STA_COORD, _OBS_GPS_SET, ...: also the\n"
                "                 fixed components of stations and the DIST, AZIM, ZANG and\n"
                "                 ANGL observations with the HI and HT heights)\n"
                "  --             end of options: a name after it is a file, even one\n"
                "                 that begins with '-'\n"
                "  --help         show this text and exit\n"
                "  --version      show the version and exit\n"
                "\n"
                "Exit status: 0 on success, warnings or not; 1 when the conversion failed;\n"
                "2 for wrong usage.\n",
                kProgram);
}

int Usage() {
    std::fprintf(stderr,
                 "Usage: %s [-v | -q] [--strict] [--force] [--syntax SYNTAX] [--] IOB_FILE OUTPUT_FILE (see %s "
                 "--help)\n",
                 kProgram, kProgram);
    return 2;
}

enum class Verbosity { kQuiet, kWarnings, kVerbose };

// What the user must know and what was not converted or read with doubt,
// one line each, and with -v what was; each line begins with `prefix`.
void PrintReport(const std::string& prefix, const iob::ConversionReport& report, bool converted, Verbosity verbosity) {
    if (verbosity == Verbosity::kVerbose && converted) PrintErrorLine(prefix + iob::ReportSummary(report));
    if (verbosity == Verbosity::kQuiet) return;
    const std::string warning = prefix + "warning: ";
    for (const std::string& note : iob::ReportNotes(report)) PrintErrorLine(warning + note);
    for (const std::string& item : iob::UnconvertedItems(report)) {
        PrintErrorLine(warning + iob::FormatMessage(iob::kReportNotConverted, item));
    }
    for (const std::string& item : iob::DoubtItems(report)) {
        PrintErrorLine(warning + iob::FormatMessage(iob::kReportReadWithDoubt, item));
    }
}

// The messages of a conversion, held until it has ended, so that its
// failure can be printed with the system's reason.
struct HeldMessage {
    unsigned number;
    std::string text;
};

// What the options ask for, and where the two names stand.
struct Request {
    Verbosity verbosity = Verbosity::kWarnings;
    iob::ConvertFilesOptions options;
    std::size_t firstName = 0;
};

// The syntax that `value` names; false, and says so, for none.
bool ReadSyntax(const std::string& value, iob::OutputSyntax* syntax) {
    if (value == "compact") {
        *syntax = iob::OutputSyntax::kCompact;
    } else if (value == "single-line") {
        *syntax = iob::OutputSyntax::kSingleLine;
    } else {
        std::fprintf(stderr, "%s: unknown syntax '%s': give compact or single-line\n", kProgram, value.c_str());
        return false;
    }
    return true;
}

// Reads the options before the names; false for one it does not know.
bool ReadOptions(const std::vector<std::string>& arguments, Request* request) {
    // Swapped names would replace an IOB file: only --force does.
    request->options.keepIobOutputs = true;
    std::size_t& first = request->firstName;
    for (; first < arguments.size() && arguments[first].size() > 1 && arguments[first][0] == '-'; ++first) {
        const std::string& option = arguments[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (option == "-v" || option == "--verbose") {
            request->verbosity = Verbosity::kVerbose;
        } else if (option == "-q" || option == "--quiet") {
            request->verbosity = Verbosity::kQuiet;
        } else if (option == "--strict") {
            request->options.refuseDoubts = true;
        } else if (option == "--force") {
            request->options.keepIobOutputs = false;
        } else if (option == "--syntax" || option.rfind("--syntax=", 0) == 0) {
            // The value follows as the next argument, or after "=".
            const bool joined = option.size() > sizeof "--syntax" - 1;
            if (!joined && ++first == arguments.size()) return false;
            if (!ReadSyntax(joined ? option.substr(sizeof "--syntax") : arguments[first], &request->options.syntax)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return arguments.size() - first == 2;
}

// Converts the two names and prints what the user must know; the exit status.
int Convert(std::string iobName, std::string outputName, const Request& request) {
    std::vector<HeldMessage> messages;
    iob::SetMessagePresenter([&messages](unsigned number, unsigned, const std::string& text, const std::string&) {
        // Success is silent, as command-line tools are; the report follows.
        if (number != iob::kMsgSuccess) messages.push_back({number, text});
        return iob::kButtonOk;
    });
    const iob::FilesOutcome outcome = iob::ConvertFiles(iobName, outputName, request.options);
    // In a loop over many files, every line says which IOB file it is about;
    // a name left blank has nothing to say.
    const bool bothNames = !iobName.empty() && !outputName.empty();
    const std::string prefix = std::string(kProgram) + ": " + (bothNames ? iobName + ": " : std::string());
    for (const HeldMessage& message : messages) {
        const bool withReason = static_cast<int>(message.number) == outcome.result && !outcome.reason.empty();
        PrintErrorLine(prefix + message.text + (withReason ? ": " + outcome.reason : std::string()));
    }
    const bool converted = outcome.result == iob::kResultOk;
    if (outcome.report) PrintReport(prefix, *outcome.report, converted, request.verbosity);
    return converted ? 0 : 1;
}

// `arguments` are those after the program name, in UTF-8.
int Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 1 && arguments[0] == "--help") {
        PrintHelp();
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::printf("%s %s\n", kProgram, IOB_VERSION);
        return 0;
    }
    Request request;
    if (!ReadOptions(arguments, &request)) return Usage();
    return Convert(arguments[request.firstName], arguments[request.firstName + 1], request);
}

#ifdef _WIN32
std::string Utf8(const wchar_t* argument) { return std::filesystem::path(argument).u8string(); }
#else
std::string Utf8(const char* argument) { return argument; }  // the bytes as they are
#endif

template <typename Char>
int Main(int argc, Char** argv) {
    try {
        std::vector<std::string> arguments;
        for (int i = 1; i < argc; ++i) arguments.push_back(Utf8(argv[i]));
        iob::RemoveTemporaryFileOnInterrupt();
        return Run(arguments);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
        return 1;
    }
}

}  // namespace

#ifdef _WIN32
// The arguments in UTF-16: main's would come in the ANSI code page, which
// cannot spell most names of other scripts.
int wmain(int argc, wchar_t** argv) { return Main(argc, argv); }
#else
int main(int argc, char** argv) { return Main(argc, argv); }
#endif
