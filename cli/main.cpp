// iob2quorvane: converts one GeoLab IOB file into a QUORVANE input file from
// the command line, with the checks and messages of the dialog's "Convert Data".
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include <iob/convert_files.h>
#include <iob/show_message.h>

namespace {

constexpr char kProgram[] = "iob2quorvane";

void PrintHelp() {
    std::printf(
        "Usage: %s IOB_FILE OUTPUT_FILE\n"
        "Converts the GeoLab IOB file IOB_FILE into the QUORVANE input file OUTPUT_FILE,\n"
        "which is created or replaced, with the default datum NAD 83.\n"
        "Prints nothing on success; a failure is one line on standard error.\n"
        "\n"
        "  --help     show this text and exit\n"
        "  --version  show the version and exit\n"
        "\n"
        "Exit status: 0 on success, 1 when the conversion failed, 2 for wrong usage.\n",
        kProgram);
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
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s IOB_FILE OUTPUT_FILE (see %s --help)\n", kProgram, kProgram);
        return 2;
    }

    iob::SetMessagePresenter([](unsigned messageNumber, unsigned, const std::string& text) {
        // Success is silent, as command-line tools are.
        if (messageNumber != iob::kMsgSuccess) std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
        return iob::kButtonOk;
    });
    iob::ConversionSettings settings;
    std::string iobName = argv[1];
    std::string outputName = argv[2];
    return iob::ConvertFiles(settings, iobName, outputName) == iob::kResultOk ? 0 : 1;
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
