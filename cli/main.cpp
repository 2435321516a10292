// iob2quorvane: converts one GeoLab IOB file into a QUORVANE input file from
// the command line, with the checks and messages of the dialog's "Convert Data".
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

#include <iob/convert_files.h>
#include <iob/report_text.h>
#include <iob/show_message.h>

namespace {

constexpr char kProgram[] = "iob2quorvane";

void PrintHelp() {
    std::printf(
        "Usage: %s [-v | -q] IOB_FILE OUTPUT_FILE\n"
        "Converts the GeoLab IOB file IOB_FILE into the QUORVANE input file OUTPUT_FILE,\n"
        "which is created or replaced, with the default datum NAD 83.\n"
        "Prints nothing when the whole file was converted; a failure is one line on\n"
        "standard error, and so is each kind of record or line that was read but not\n"
        "converted (\"warning: Not converted: ...\").\n"
        "\n"
        "  -v, --verbose  also print what was converted (stations, GPS vectors, groups)\n"
        "  -q, --quiet    print no warnings, only a failure\n"
        "  --help         show this text and exit\n"
        "  --version      show the version and exit\n"
        "\n"
        "Exit status: 0 on success, warnings or not; 1 when the conversion failed;\n"
        "2 for wrong usage.\n",
        kProgram);
}

int Usage() {
    std::fprintf(stderr, "Usage: %s [-v | -q] IOB_FILE OUTPUT_FILE (see %s --help)\n", kProgram, kProgram);
    return 2;
}

enum class Verbosity { kQuiet, kWarnings, kVerbose };

// What was not converted, one line each, and with -v what was.
void PrintReport(const iob::ConversionReport& report, Verbosity verbosity) {
    if (verbosity == Verbosity::kVerbose) std::fprintf(stderr, "%s: %s\n", kProgram, iob::ReportSummary(report).c_str());
    if (verbosity == Verbosity::kQuiet) return;
    for (const std::string& item : iob::UnconvertedItems(report)) {
        std::fprintf(stderr, "%s: warning: %s\n", kProgram,
                     iob::FormatMessage(iob::kReportNotConverted, item.c_str()).c_str());
    }
}

int Run(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintHelp();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s %s\n", kProgram, IOB_VERSION);
        return 0;
    }
    Verbosity verbosity = Verbosity::kWarnings;
    int first = 1;
    for (; first < argc && argv[first][0] == '-' && argv[first][1] != '\0'; ++first) {
        const std::string option = argv[first];
        if (option == "-v" || option == "--verbose") {
            verbosity = Verbosity::kVerbose;
        } else if (option == "-q" || option == "--quiet") {
            verbosity = Verbosity::kQuiet;
        } else {
            return Usage();
        }
    }
    if (argc - first != 2) return Usage();

    iob::SetMessagePresenter([](unsigned messageNumber, unsigned, const std::string& text, const std::string&) {
        // Success is silent, as command-line tools are; the report follows.
        if (messageNumber != iob::kMsgSuccess) std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
        return iob::kButtonOk;
    });
    iob::ConversionSettings settings;
    std::string iobName = argv[first];
    std::string outputName = argv[first + 1];
    std::optional<iob::ConversionReport> report;
    int result = iob::ConvertFiles(settings, iobName, outputName, report);
    if (report) PrintReport(*report, verbosity);
    return result == iob::kResultOk ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
        return 1;
    }
}
