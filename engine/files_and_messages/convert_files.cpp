#include <iob/convert_files.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <iob/report_text.h>
#include <iob/show_message.h>

#include "files_and_messages/file_identity.h"
#include "files_and_messages/file_names.h"
#include "files_and_messages/output_file.h"
#include "files_and_messages/system_reason.h"
#include "reading/char_class.h"

namespace iob {
namespace {

bool IsFolder(const std::string& name) {
    std::error_code error;
    return std::filesystem::is_directory(PathFromUtf8(name), error);
}

// Null, with `reason`, when the file cannot be read or is a folder.
std::FILE* OpenIob(const std::string& iobName, std::string& reason) {
    if (IsFolder(iobName)) {
        reason = LoadString(kMsgReasonFolder);
        return nullptr;
    }
    std::FILE* file = OpenFile(iobName, "rb");
    if (file == nullptr) reason = ReasonOfErrno(errno, Access::kRead);
    return file;
}

bool EndsInIob(const std::string& name) {
    constexpr char kEnd[] = ".iob";
    constexpr std::size_t kEndLength = sizeof kEnd - 1;
    return name.size() >= kEndLength && EqualIgnoringAsciiCase(name.c_str() + name.size() - kEndLength, kEnd);
}

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
// Returns 0 or the message number of the failure, shown, with the system's
// reason in `reason`; nothing stays open then.
int OpenBoth(const std::string& iobName, const std::string& outputName, const std::string& shownIob,
             const std::string& shownOutput, const ConvertFilesOptions& options, OpenFiles& files,
             std::string& reason) {
    auto refuse = [&](unsigned number, const std::string& name) {
        if (files.iob != nullptr) std::fclose(files.iob);
        files.iob = nullptr;
        PresentMessage(number, kBoxOk, FormatMessage(number, name), reason);
        return static_cast<int>(number);
    };
    files.iob = OpenIob(iobName, reason);
    if (files.iob == nullptr) return refuse(kMsgCannotOpen, shownIob);
    // Every pass reads the file from its start: a pipe would fail at the second.
    if (!IsRegularFile(files.iob)) return refuse(kMsgIobNotAFile, shownIob);
    // Writing the output would empty or replace the IOB file itself.
    if (IsSameFile(iobName, outputName)) return refuse(kMsgSameFile, shownOutput);
    std::error_code error;
    if (options.keepIobOutputs && EndsInIob(outputName) && !IsStandardOutputName(outputName) &&
        std::filesystem::exists(PathFromUtf8(outputName), error)) {
        return refuse(kMsgIobOutputKept, shownOutput);
    }
    if (files.output.Open(outputName) == nullptr) {
        reason = files.output.Reason();
        return refuse(kMsgCannotOpen, shownOutput);
    }
    return 0;
}

// Converts between the open files, from the default settings, and closes
// both; only a successful conversion puts its output in place, and with
// `refuseDoubts` only one without doubts. A close or rename that fails after
// a successful conversion is a write error.
ConversionOutcome ConvertAndClose(OpenFiles& files, const std::string& iobName, const ConvertFilesOptions& options,
                                  std::string& reason) {
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
    ConversionOutcome outcome = RunConversion(settings, input, output, options.syntax);
    std::fclose(files.iob);
    const long long doubts = outcome.report.DoubtCount();
    const bool refused = outcome.result == kResultOk && options.refuseDoubts && doubts > 0;
    const bool kept = files.output.Close(outcome.result == kResultOk && !refused);
    if (outcome.result == kResultWriteError) reason = ReasonOfErrno(output.ErrorNumber(), Access::kWrite);
    if (outcome.result == kResultOk && !refused && !kept) reason = files.output.Reason();
    if (refused) {
        outcome.result = doubts == 1 ? kMsgDoubtRefused : kMsgDoubtsRefused;
    } else if (outcome.result == kResultOk && !kept) {
        outcome.result = kResultWriteError;
    }
    return outcome;
}

// The outcome's message, with the system's reason, whether an earlier file
// of the output's name stayed as it was, and the report beneath it. A
// conversion that the system cut short (a full disk, want of memory) has no
// report: its counts would tell only how far it got, and a first write that
// failed would read as "0 stations", an empty IOB file.
void ShowOutcome(const ConversionOutcome& outcome, const std::string& iobName, const std::string& outputName,
                 const std::string& reason, bool earlierFileKept) {
    std::string details = reason;
    const auto addLine = [&details](const std::string& line) { details += (details.empty() ? "" : "\n") + line; };
    if (earlierFileKept) addLine(FormatMessage(kMsgOutputUnchanged, outputName));
    const bool cutShort = outcome.result == kResultWriteError || outcome.result == kResultOutOfMemory;
    if (!cutShort) addLine(ReportText(outcome.report));
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
    // A name in double quotes, as Explorer's "Copy as path" gives it, is
    // taken without them.
    if (last - first >= 2 && name[first] == '"' && name[last - 1] == '"')
        return TrimFileName(name.substr(first + 1, last - first - 2));
    return name.substr(first, last - first);
}

// The name a message gives a file: its full path when asked for.
std::string ShownName(const std::string& name, const ConvertFilesOptions& options) {
    if (!options.fullPathsInMessages || IsStandardOutputName(name)) return name;
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(name), error);
    const std::string shown = Utf8FromPath(full);
    // A device (NUL, CON) is named as the user typed it, not as "\\.\NUL".
    return error || shown.rfind(R"(\\.\)", 0) == 0 ? name : shown;
}

bool ReplacesExistingFile(const std::string& iobName, const std::string& outputName) {
    const std::string iob = TrimFileName(iobName);
    const std::string output = TrimFileName(outputName);
    if (iob.empty() || output.empty() || IsStandardOutputName(output)) return false;
    std::string reason;
    std::FILE* file = OpenIob(iob, reason);
    if (file == nullptr) return false;
    std::fclose(file);
    std::error_code error;
    return std::filesystem::is_regular_file(PathFromUtf8(output), error) && !IsSameFile(iob, output);
}

FilesOutcome ConvertFiles(std::string& iobName, std::string& outputName, const ConvertFilesOptions& options) {
    FilesOutcome outcome;
    outputName = TrimFileName(outputName);
    iobName = TrimFileName(iobName);
    outcome.result = CheckNames(iobName, outputName);
    if (outcome.result != 0) return outcome;
    const std::string shownIob = ShownName(iobName, options);
    const std::string shownOutput = ShownName(outputName, options);
    OpenFiles files;
    outcome.result = OpenBoth(iobName, outputName, shownIob, shownOutput, options, files, outcome.reason);
    if (outcome.result != 0) return outcome;
    const ConversionOutcome conversion = ConvertAndClose(files, iobName, options, outcome.reason);
    const bool earlierFileKept = conversion.result != kResultOk && files.output.ReplacesEarlierFile();
    ShowOutcome(conversion, shownIob, shownOutput, outcome.reason, earlierFileKept);
    outcome.result = conversion.result;
    outcome.report = conversion.report;
    return outcome;
}

}  // namespace iob
