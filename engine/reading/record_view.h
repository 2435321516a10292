// One data line of the IOB file as a pass reads it: its fixed-column
// fields, named by their columns, read as numbers, names and unit factors.
// Each pass keeps the columns of its own records, each field with what it
// accepts; the primitives beneath (ExtractField, ExtractNumber, UnitFactor)
// cut the fields the same way. Reading a field checks it against what it
// accepts and notes in the report, under "Read with doubt", whatever the
// field holds beyond that: the value read is the same either way.
#pragma once

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>

#include <iob/conversion_report.h>
#include <iob/conversion_settings.h>

#include "reading/read_primitives.h"

namespace iob {

// What a field accepts, and so what reading it checks.
enum class Accepts : unsigned char {
    kText,              // anything: a title, a datum name, a setting compared as it stands
    kName,              // a station name: no byte below 32 inside it
    kNumber,            // a number and nothing after it, blank or finite
    kMinutes,           // a number below 60, of minutes or seconds
    kLatitudeDegrees,   // a number of at most 90 in magnitude
    kLongitudeDegrees,  // a number of at most 180 in magnitude
    kZenithDegrees,     // a number of at most 180 in magnitude
    kCircleDegrees,     // a number of at most 360 in magnitude: an azimuth, a horizontal angle
    kUnitCode,          // blank, a code of the unit table, or the LUNT record's code
};

struct Field {
    int column;  // 1-based
    int width;   // bytes
    Accepts accepts = Accepts::kText;
};

// The columns from 10 on that lie between two items of a record's layout,
// which no item reads: a non-blank byte there is the sign of a field shifted
// by a column. Columns 1 to 9 hold the record type and its flags.
struct UnreadColumns {
    static constexpr int kMax = 24;
    int column[kMax] = {};
    int count = 0;
};

// The unread columns between the `count` `items`, given in the order of their columns.
constexpr UnreadColumns ColumnsBetween(const Field* items, int count) {
    constexpr int kFirstCheckedColumn = 10;
    UnreadColumns unread;
    int next = 0;  // the first column after the item before
    for (int i = 0; i < count; ++i) {
        const Field& item = items[i];
        for (int column = next; next > 0 && column < item.column; ++column) {
            if (column >= kFirstCheckedColumn && unread.count < UnreadColumns::kMax)
                unread.column[unread.count++] = column;
        }
        next = item.column + item.width;
    }
    return unread;
}

constexpr UnreadColumns ColumnsBetween(std::initializer_list<Field> items) {
    return ColumnsBetween(items.begin(), static_cast<int>(items.size()));
}

class RecordView {
public:
    // `line` (trailing blanks removed, NUL-ended) stays valid while the view
    // is used; `type` is its record-type field as RunPass cut it. Doubts go
    // to `report` unless it is null.
    RecordView(const char* line, int length, LineNumber lineNumber = 0, const char* type = "",
               ConversionReport* report = nullptr)
        : line_(line), length_(length), lineNumber_(lineNumber), type_(type), report_(report) {}

    const char* Line() const { return line_; }
    int Length() const { return length_; }
    iob::LineNumber LineNumber() const { return lineNumber_; }
    const char* Type() const { return type_; }

    // The field's bytes, not trimmed, into `out` (width + 1 bytes).
    char* Text(Field field, char* out) const { return ExtractField(field.column, field.width, line_, length_, out); }

    // The field's number: 0.0 when it starts beyond the line or holds none.
    // Notes a doubt when the field holds more than a number, none although
    // it is not blank, an infinite one, or one beyond what the field accepts.
    double Number(Field field) const {
        const FieldNumber number = ReadFieldNumber(field.column, field.width, line_, length_);
        // Most fields hold a finite number in range to their last column,
        // right-aligned: one comparison of its magnitude tells.
        if (!(number.whole && std::fabs(number.value) < TakenBelow(field.accepts)) && report_ != nullptr) {
            CheckNumber(field, number.value, number.stop);
        }
        return number.value;
    }

    // The magnitude below which a number is taken without a look at its
    // range: infinity but for an angle's numbers. One at or beyond it is
    // CheckNumber's to judge, which finds -70 minutes or 90 degrees of
    // latitude within range.
    static constexpr double TakenBelow(Accepts accepts) {
        switch (accepts) {
        case Accepts::kMinutes:
            return 60.0;
        case Accepts::kLatitudeDegrees:
            return 90.0;
        case Accepts::kLongitudeDegrees:
        case Accepts::kZenithDegrees:
            return 180.0;
        case Accepts::kCircleDegrees:
            return 360.0;
        default:
            return std::numeric_limits<double>::infinity();
        }
    }

    // Whether a finite number is within what its field accepts.
    static bool IsInRange(Accepts accepts, double value) {
        switch (accepts) {
        case Accepts::kMinutes:
            return value < 60.0;
        case Accepts::kLatitudeDegrees:
            return value <= 90.0 && value >= -90.0;
        case Accepts::kLongitudeDegrees:
        case Accepts::kZenithDegrees:
            return value <= 180.0 && value >= -180.0;
        case Accepts::kCircleDegrees:
            return value <= 360.0 && value >= -360.0;
        default:
            return true;
        }
    }

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
    // so a blank at the cut stays: "RIVER MOUTH NO 4" cut to 15 gives "RIVER
    // MOUTH NO ", and zeros after it. A byte below 32 in the name is written
    // as it stands, and noted.
    void Name(Field field, int maxLength, char (&name)[16]) const;

    // Metres per unit of the unit code in `field`, taken untrimmed: " m" is not
    // "m". A code outside the unit table takes the custom unit's factor of
    // `settings`; unless it is blank or the LUNT record's code, it is noted.
    double UnitFactor(Field field, const ConversionSettings& settings) const {
        // Metres as the line's last byte, by far the most frequent code, are
        // told here; any other code takes the call.
        const int first = field.column - 1;
        if (first == length_ - 1 && (line_[first] == 'm' || line_[first] == 'M')) return 1.0;
        return CodeFactor(field, settings);
    }

    // Notes each non-blank byte in the `kUnread` columns of a layout. A
    // template, so that the loop over a layout's few columns unrolls: it
    // runs for nearly every record of a file.
    template <const UnreadColumns& kUnread>
    void CheckUnreadColumns() const {
        constexpr int kCount = kUnread.count;
        if constexpr (kCount > 0) {
            // Most lines reach past the last such column and hold blanks in
            // all: when the bytes together have no bit above a blank's, each
            // is blank (the loop below tells the rest byte by byte).
            if (length_ >= kUnread.column[kCount - 1]) {
                unsigned char bits = 0;
                for (int i = 0; i < kCount; ++i) bits |= static_cast<unsigned char>(line_[kUnread.column[i] - 1]);
                if (IsBlankByte(static_cast<char>(bits))) return;
            }
            for (int i = 0; i < kCount && kUnread.column[i] <= length_; ++i) {
                if (!IsBlankByte(line_[kUnread.column[i] - 1])) NoteUnreadColumn(kUnread.column[i]);
            }
        }
    }

    // Whether the one-byte `field` holds the letter `upper`, in either case:
    // a hemisphere or a reference.
    bool HoldsLetter(Field field, char upper) const {
        if (field.column > length_) return false;
        const char byte = line_[field.column - 1];
        return byte == upper || byte == upper - 'A' + 'a';
    }

    // Whether the flag in `column` is set: a byte other than blank or "0".
    bool IsFlagSet(int column) const {
        return column <= length_ && !IsBlankByte(line_[column - 1]) && line_[column - 1] != '0';
    }

    // Records that name stations have a long layout, marked by "*" in column 10.
    bool IsLongLayout() const {
        constexpr int kLayoutMarkerColumn = 10;
        return length_ >= kLayoutMarkerColumn && line_[kLayoutMarkerColumn - 1] == '*';
    }

    // Notes a doubt about `field`, quoting it as it stands, with `taken`:
    // what was taken from it, or what is wrong with it.
    void NoteFieldDoubt(DoubtKind kind, Field field, std::string taken) const;

private:
    double CodeFactor(Field field, const ConversionSettings& settings) const;
    void CheckNumber(Field field, double value, const char* stop) const;
    void NoteUnreadColumn(int column) const;
    // Notes a doubt about `field`, quoting it as it stands, with the number
    // `taken` from it when there is one.
    void NoteField(DoubtKind kind, Field field, const double* taken) const;

    const char* line_;
    int length_;
    iob::LineNumber lineNumber_;
    const char* type_;
    ConversionReport* report_;
};

}  // namespace iob
