// iob2quorvane: converts one GeoLab IOB file into a QUORVANE input file from
// the command line, with the checks and messages of the dialog's "Convert Data".
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

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
    if (arguments.size() != 2) {
        std::fprintf(stderr, "Usage: %s IOB_FILE OUTPUT_FILE (see %s --help)\n", kProgram, kProgram);
        return 2;
    }

    iob::SetMessagePresenter([](unsigned messageNumber, unsigned, const std::string& text) {
        // Success is silent, as command-line tools are.
        if (messageNumber != iob::kMsgSuccess) std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
        return iob::kButtonOk;
    });
    iob::ConversionSettings settings;
    std::string iobName = arguments[0];
    std::string outputName = arguments[1];
    return iob::ConvertFiles(settings, iobName, outputName) == iob::kResultOk ? 0 : 1;
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
