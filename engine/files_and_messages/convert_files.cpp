#include <iob/convert_files.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <iob/report_text.h>
#include <iob/show_message.h>

#include "files_and_messages/file_names.h"
#include "files_and_messages/output_file.h"
#include "reading/char_class.h"

namespace iob {
namespace {

bool IsFolder(const std::string& name) {
    std::error_code error;
    return std::filesystem::is_directory(PathFromUtf8(name), error);
}

// The same file on the same device: other spellings, hard links and symbolic links count.
bool IsSameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), error);
}

// Null when the file cannot be read or is a folder.
std::FILE* OpenIob(const std::string& iobName) { return IsFolder(iobName) ? nullptr : OpenFile(iobName, "rb"); }

// The message that a name check fails with, or 0 when both names will do.
int CheckNames(const std::string& iobName, const std::string& outputName) {
    if (iobName.empty()) {
        ShowEnterIobName();
        return kMsgEnterIobName;
    }
    if (outputName.empty()) {
        ShowEnterOutputName();
        return kMsgEnterOutputName;
    }
    return 0;
}

// Both files; the IOB file is null when it could not be opened.
struct OpenFiles {
    std::FILE* iob = nullptr;
    OutputFile output;
};

// Opens the IOB file for reading and then the output for writing, in binary
// mode: the text translation is the engine's own, the same everywhere.
// Returns 0 or the message number of the failure, shown; nothing stays open then.
int OpenBoth(const std::string& iobName, const std::string& outputName, OpenFiles& files) {
    files.iob = OpenIob(iobName);
    if (files.iob == nullptr) {
        ShowCannotOpen(iobName);
        return kMsgCannotOpen;
    }
    // Writing the output would empty or replace the IOB file itself.
    if (IsSameFile(iobName, outputName)) {
        std::fclose(files.iob);
        ShowSameFile(outputName);
        return kMsgSameFile;
    }
    if (files.output.Open(outputName) == nullptr) {
        std::fclose(files.iob);
        ShowCannotOpen(outputName);
        return kMsgCannotOpen;
    }
    return 0;
}

// Converts between the open files, from the default settings, and closes
// both; only a successful conversion puts its output in place, and with
// `refuseDoubts` only one without doubts. A close or rename that fails after
// a successful conversion is a write error.
ConversionOutcome ConvertAndClose(OpenFiles& files, const std::string& iobName, const ConvertFilesOptions& options) {
    TextReader input(files.iob);
    if (const ProgressHandler& progress = options.progress) {
        std::error_code error;
        const auto size = static_cast<double>(std::filesystem::file_size(PathFromUtf8(iobName), error));
        // A device has no size: each pass then shows as whole from its first read.
        const bool sized = !error && size > 0;
        input.SetProgressHook([&progress, size, sized](int pass, long long bytesRead) {
            const double share = sized ? static_cast<double>(bytesRead) / size : 1.0;
            progress(pass, share < 1.0 ? share : 1.0);
        });
    }
    TextWriter output(files.output.Stream());
    ConversionSettings settings;
    ConversionOutcome outcome = RunConversion(settings, input, output);
    std::fclose(files.iob);
    const long long doubts = outcome.report.DoubtCount();
    const bool refused = outcome.result == kResultOk && options.refuseDoubts && doubts > 0;
    const bool kept = files.output.Close(outcome.result == kResultOk && !refused);
    if (refused) {
        outcome.result = doubts == 1 ? kMsgDoubtRefused : kMsgDoubtsRefused;
    } else if (outcome.result == kResultOk && !kept) {
        outcome.result = kResultWriteError;
    }
    return outcome;
}

// The outcome's message, with the report beneath it.
void ShowOutcome(const ConversionOutcome& outcome, const std::string& iobName, const std::string& outputName) {
    const std::string details = ReportText(outcome.report);
    switch (outcome.result) {
    case kResultOk:
        ShowSuccess(outputName, details);
        break;
    case kResultOutOfMemory:
        ShowOutOfMemory(details);
        break;
    case kResultWriteError:
        ShowWriteError(outputName, details);
        break;
    case kResultReadError:
        ShowReadError(outcome.failingLine, iobName, details);
        break;
    case kMsgDoubtRefused:
        PresentMessage(kMsgDoubtRefused, kBoxOk, FormatMessage(kMsgDoubtRefused, outputName), details);
        break;
    case kMsgDoubtsRefused:
        PresentMessage(kMsgDoubtsRefused, kBoxOk,
                       FormatMessage(kMsgDoubtsRefused, outcome.report.DoubtCount(), outputName), details);
        break;
    default:
        ShowConversionFailure(outcome, details);
        break;
    }
}

}  // namespace

std::string TrimFileName(const std::string& name) {
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && IsCSpace(name[first])) ++first;
    while (last > first && IsCSpace(name[last - 1])) --last;
    return name.substr(first, last - first);
}

bool ReplacesExistingFile(const std::string& iobName, const std::string& outputName) {
    const std::string iob = TrimFileName(iobName);
    const std::string output = TrimFileName(outputName);
    if (iob.empty() || output.empty()) return false;
    std::FILE* file = OpenIob(iob);
    if (file == nullptr) return false;
    std::fclose(file);
    std::error_code error;
    return std::filesystem::is_regular_file(PathFromUtf8(output), error) && !IsSameFile(iob, output);
}

int ConvertFiles(std::string& iobName, std::string& outputName, std::optional<ConversionReport>& report,
                 const ConvertFilesOptions& options) {
    outputName = TrimFileName(outputName);
    iobName = TrimFileName(iobName);
    if (int failure = CheckNames(iobName, outputName)) return failure;
    OpenFiles files;
    if (int failure = OpenBoth(iobName, outputName, files)) return failure;
    ConversionOutcome outcome = ConvertAndClose(files, iobName, options);
    ShowOutcome(outcome, iobName, outputName);
    report = outcome.report;
    return outcome.result;
}

}  // namespace iob
