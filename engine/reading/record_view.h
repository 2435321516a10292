// One data line of the IOB file as a pass reads it: its fixed-column
// fields, named by their columns, read as numbers, names and unit factors.
// Each pass keeps the columns of its own records; the primitives beneath
// (ExtractField, ExtractNumber, UnitFactor) cut the fields the same way.
#pragma once

#include <string_view>

#include "reading/read_primitives.h"

namespace iob {

struct Field {
    int column;  // 1-based
    int width;   // bytes
};

class RecordView {
public:
    // `line` (trailing blanks removed, NUL-ended) stays valid while the view
    // is used; `type` is its record-type field as RunPass cut it.
    RecordView(const char* line, int length, LineNumber lineNumber = 0, const char* type = "")
        : line_(line), length_(length), lineNumber_(lineNumber), type_(type) {}

    const char* Line() const { return line_; }
    int Length() const { return length_; }
    iob::LineNumber LineNumber() const { return lineNumber_; }
    const char* Type() const { return type_; }

    // The field's bytes, not trimmed, into `out` (width + 1 bytes).
    char* Text(Field field, char* out) const { return ExtractField(field.column, field.width, line_, length_, out); }

    // The field's number: 0.0 when it starts beyond the line or holds none.
    double Number(Field field) const { return ExtractNumber(field.column, field.width, line_, length_); }

    // True when the field, as far as the line reaches, holds blank bytes
    // only: what trimming would leave empty.
    bool IsBlank(Field field) const {
        const int last = field.column + field.width - 1 < length_ ? field.column + field.width - 1 : length_;
        // Numbers stand right-aligned, so the last byte decides most fields at once.
        if (last >= field.column && !IsBlankByte(line_[last - 1])) return false;
        for (int column = field.column; column < last; ++column) {
            if (!IsBlankByte(line_[column - 1])) return false;
        }
        return true;
    }

    // The field trimmed at both ends, where it stands in the line.
    std::string_view Trimmed(Field field) const {
        int first = field.column - 1;
        int end = first + field.width < length_ ? first + field.width : length_;
        while (first < end && IsBlankByte(line_[first])) ++first;
        while (end > first && IsBlankByte(line_[end - 1])) --end;
        if (end <= first) return {};
        return {line_ + first, static_cast<std::size_t>(end - first)};
    }

    // The name field trimmed at both ends and then cut to `maxLength` bytes,
    // so a blank at the cut stays: "RIVER MOUTH NO 4" cut to 15 gives "RIVER MOUTH NO ".
    void Name(Field field, int maxLength, char (&name)[16]) const;

    // Metres per unit of the unit code in `field`, taken untrimmed: " m" is not "m".
    double UnitFactor(Field field, double customUnitFactor) const;

    // PLH, PLO and DXYZ records have a long layout, marked by "*" in column 10.
    bool IsLongLayout() const {
        constexpr int kLayoutMarkerColumn = 10;
        return length_ >= kLayoutMarkerColumn && line_[kLayoutMarkerColumn - 1] == '*';
    }

private:
    const char* line_;
    int length_;
    iob::LineNumber lineNumber_;
    const char* type_;
};

}  // namespace iob
