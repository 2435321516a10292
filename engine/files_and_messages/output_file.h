// The output file of a conversion, written so that a failed conversion
// leaves no partial file and destroys no earlier one.
//
// A new name or a regular file of one name is written as a temporary file
// of a short name of its own in its folder, which takes the output's name
// (and the replaced file's permission bits) only when the conversion
// succeeded; a symbolic link is followed, so the file it points to is
// replaced and the link stays. A regular file that may not be written, or
// that another program holds open, is refused before anything is written.
// The standard output ("-", "/dev/stdout", ...) is written where it stands.
// Everything else is written in place, as fopen's "wb" does: a file with
// more hard links (replacing it would part it from its other names), what
// is no regular file (a device, a pipe), and a file in a folder where no
// temporary file can be made.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace iob {

// What an output name denotes: a new file, a file to replace, ...
struct OutputName;

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Closes a file still open and removes its temporary file.
    ~OutputFile();

    // Opens the output named `name` (UTF-8) for writing in binary mode,
    // buffered; null when it cannot be opened, with the reason in Reason().
    std::FILE* Open(const std::string& name);
    std::FILE* Stream() const { return file_; }

    // Closes the output. With `keep` the temporary file then takes the
    // output's name; without, it is removed. Returns false when closing or
    // renaming failed (the output then stays as it was before, unless it was
    // written in place).
    bool Close(bool keep);

    // Why the output could not be opened, closed or put in place, in plain words.
    const std::string& Reason() const { return reason_; }

    // Whether an earlier file of the output's name is being replaced through
    // a temporary file, so that it stays as it was when the output is not kept.
    bool ReplacesEarlierFile() const { return replacesEarlierFile_; }

private:
    // Makes a temporary file beside the file that `output` denotes; false
    // when none can be made.
    bool OpenTemporary(const OutputName& output);

    std::FILE* file_ = nullptr;
    std::filesystem::path target_;     // the file that the temporary file replaces
    std::filesystem::path temporary_;  // empty when the output is written in place
    std::vector<char> buffer_;
    std::string reason_;
    bool replacesEarlierFile_ = false;
};

}  // namespace iob
