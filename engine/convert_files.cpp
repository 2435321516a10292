#include "convert_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "show_message.h"

namespace {

constexpr std::size_t kOutputBufferSize = 64 * 1024;

bool IsFileNameSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsFolder(const std::string& name) {
    std::error_code error;
    return std::filesystem::is_directory(name, error);
}

// Same device and inode: other spellings, hard links and symbolic links count.
bool IsSameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

std::string TrimFileName(const std::string& name) {
    std::size_t first = 0, last = name.size();
    while (first < last && IsFileNameSpace(name[first])) ++first;
    while (last > first && IsFileNameSpace(name[last - 1])) --last;
    return name.substr(first, last - first);
}

int ConvertFiles(ConversionSettings& settings, std::string& iobName, std::string& outputName) {
    outputName = TrimFileName(outputName);
    iobName = TrimFileName(iobName);
    if (iobName.empty()) {
        ShowMessage(kMsgEnterIobName, 0);
        return kMsgEnterIobName;
    }
    if (outputName.empty()) {
        ShowMessage(kMsgEnterOutputName, 0);
        return kMsgEnterOutputName;
    }

    // Binary mode: the text translation is the engine's own, the same everywhere.
    std::FILE* iobFile = IsFolder(iobName) ? nullptr : std::fopen(iobName.c_str(), "rb");
    if (iobFile == nullptr) {
        ShowMessage(kMsgCannotOpen, 0, iobName.c_str());
        return kMsgCannotOpen;
    }
    // Opening the output for writing would empty the IOB file itself.
    if (IsSameFile(iobName, outputName)) {
        std::fclose(iobFile);
        ShowMessage(kMsgSameFile, 0, outputName.c_str());
        return kMsgSameFile;
    }
    std::FILE* outputFile = std::fopen(outputName.c_str(), "wb");
    if (outputFile == nullptr) {
        std::fclose(iobFile);
        ShowMessage(kMsgCannotOpen, 0, outputName.c_str());
        return kMsgCannotOpen;
    }
    // The output is written line by line: a larger buffer saves most of the
    // write calls. (The C library would ignore the size without a buffer of ours.)
    std::vector<char> outputBuffer(kOutputBufferSize);
    std::setvbuf(outputFile, outputBuffer.data(), _IOFBF, outputBuffer.size());

    int lineCounter = 0;
    int result = kResultOk;
    {
        TextReader input(iobFile);
        TextWriter output(outputFile);
        ConvertIobFile(settings, input, output, lineCounter, result);
        bool flushed = output.Flush();
        std::fclose(iobFile);
        // A full disk often shows only when the last buffer is written out.
        bool closed = std::fclose(outputFile) == 0;
        if (result == kResultOk && !(flushed && closed)) result = kResultWriteError;
    }

    switch (result) {
    case kResultOk:
        ShowMessage(kMsgSuccess, 0, outputName.c_str());
        break;
    case kResultOutOfMemory:
        ShowMessage(kMsgOutOfMemory, 0);
        break;
    case kResultWriteError:
        ShowMessage(kMsgWriteError, 0, outputName.c_str());
        break;
    case kResultReadError:
        ShowMessage(kMsgReadError, 0, lineCounter, iobName.c_str());
        break;
    default:
        break;  // the conversion has shown its own message
    }
    return result;
}
