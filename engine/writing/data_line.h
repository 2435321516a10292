// A data line of the QUORVANE file, built where it stands and written at
// once with its line end.
#pragma once

#include <cstddef>
#include <cstring>

#include <iob/result_codes.h>
#include <iob/text_stream.h>

#include "writing/fixed_notation.h"

namespace iob {

// The longest line, a vector line of nine numbers each as wide as a double
// can make it, fits: the fixed texts and names of any line take less than
// 150 bytes, and no line has more than nine numbers.
class DataLine {
public:
    template <std::size_t N>
    void Add(const char (&text)[N]) {
        Add(text, N - 1);
    }
    void AddName(const char* name) { Add(name, std::strlen(name)); }
    // Data records put each field after "; ".
    void AddField(double value, int decimals) {
        Add("; ");
        end_ = WriteFixed(end_, value, decimals);
    }
    void AddNameField(const char* name) {
        Add("; ");
        AddName(name);
    }
    // Writes the line; sets `result` to 5013 when the output failed.
    void Write(TextWriter& output, int& result) {
        Add("\n");
        output.Write(text_, static_cast<std::size_t>(end_ - text_));
        if (output.Failed()) result = kResultWriteError;
    }

private:
    void Add(const char* text, std::size_t length) {
        std::memcpy(end_, text, length);
        end_ += length;
    }

    char text_[150 + 9 * (2 + kMaxFixedLength)];
    char* end_ = text_;
};

}  // namespace iob
