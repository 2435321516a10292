#include "reading/record_view.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "reading/char_class.h"
#include "reading/unit_table.h"
#include "reading/visible_text.h"

namespace iob {
namespace {

// A number as the report says what was taken: as short as it can be
// written and read back the same ("12", "0.3048006096", "1e-32", "inf").
std::string ShortestText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Whether `name`, zero-padded to its 16 bytes, holds a byte from 1 to 31:
// eight bytes at a time, as every name is looked at and nearly none holds
// such a byte. A name holds no NUL, so its padding is no control byte.
bool HasControlByte(const char (&name)[16]) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    std::uint64_t words[2];
    std::memcpy(words, name, sizeof words);
    std::uint64_t found = 0;
    for (const std::uint64_t word : words) {
        // Byte by byte, with no carry between bytes: the top bit of each
        // byte of the sum says 1 <= b < 32 of its low seven bits, and ~word
        // that the byte is below 128.
        const std::uint64_t low = word & 127 * kOnes;
        found |= (159 * kOnes - low) & (low + 127 * kOnes) & ~word & 128 * kOnes;
    }
    return found != 0;
}

// Codes compared as the unit table compares them, less trailing blanks.
bool IsSameCode(std::string_view a, std::string_view b) {
    while (!a.empty() && IsBlankByte(a.back())) a.remove_suffix(1);
    while (!b.empty() && IsBlankByte(b.back())) b.remove_suffix(1);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace

void RecordView::Name(Field field, int maxLength, char (&name)[16]) const {
    // Trimmed where it stands, then copied: what cutting the field and
    // trimming the copy gives, without the copy.
    const std::string_view trimmed = Trimmed(field);
    const std::size_t count =
        trimmed.size() < static_cast<std::size_t>(maxLength) ? trimmed.size() : static_cast<std::size_t>(maxLength);
    std::memset(name, 0, sizeof name);
    if (count > 0) std::memcpy(name, trimmed.data(), count);
    if (report_ == nullptr || !HasControlByte(name)) return;
    DoubtList& doubts = report_->Doubts(DoubtKind::kControlByteInName);
    if (!doubts.Lists()) {
        ++doubts.count;
        return;
    }
    doubts.Add({lineNumber_, field.column, field.column + field.width - 1, VisibleText(std::string_view(name, count)),
                std::string()});
}

double RecordView::CodeFactor(Field field, const ConversionSettings& settings) const {
    // Copied byte by byte: a call to cut the field cost more than the
    // look-up, and nearly every ELEM record has a code.
    constexpr int kMaxCodeLength = 2;
    char code[kMaxCodeLength + 1] = {};
    const int first = field.column - 1;
    for (int i = 0; i < field.width && i < kMaxCodeLength && first + i < length_; ++i) code[i] = line_[first + i];
    if ((code[0] == 'm' || code[0] == 'M') && code[1] == '\0') return 1.0;  // by far the most frequent
    if (const double* factor = FindUnitFactor(code)) return *factor;
    if (report_ != nullptr && !IsBlank(field) && !IsSameCode(code, settings.customUnitCode)) {
        NoteField(DoubtKind::kUnknownUnit, field, &settings.customUnitFactor);
    }
    return settings.customUnitFactor;
}

void RecordView::CheckNumber(Field field, double value, const char* stop) const {
    if (field.column > length_) return;  // a blank field
    const char* start = line_ + field.column - 1;
    const char* end = line_ + (field.column + field.width - 1 < length_ ? field.column + field.width - 1 : length_);
    // No number at all in a field that is not blank, or text after the number.
    const bool noNumber = stop == start;
    bool textBeside = noNumber && !IsBlank(field);
    for (const char* p = stop; !noNumber && p < end; ++p) textBeside = textBeside || !IsBlankByte(*p);
    if (textBeside) NoteField(DoubtKind::kNumberText, field, &value);
    if (std::isinf(value)) NoteField(DoubtKind::kInfiniteValue, field, &value);
    if (!std::isnan(value) && !IsInRange(field.accepts, value)) NoteField(DoubtKind::kAngleOutOfRange, field, &value);
}

void RecordView::NoteUnreadColumn(int column) const {
    if (report_ == nullptr) return;
    DoubtList& doubts = report_->Doubts(DoubtKind::kUnreadColumn);
    if (!doubts.Lists()) {
        ++doubts.count;
        return;
    }
    doubts.Add({lineNumber_, column, column, VisibleText(std::string_view(line_ + column - 1, 1)), std::string()});
}

void RecordView::NoteField(DoubtKind kind, Field field, const double* taken) const {
    DoubtList& doubts = report_->Doubts(kind);
    if (!doubts.Lists()) {
        ++doubts.count;
        return;
    }
    NoteFieldDoubt(kind, field, taken != nullptr ? ShortestText(*taken) : std::string());
}

void RecordView::NoteFieldDoubt(DoubtKind kind, Field field, std::string taken) const {
    if (report_ == nullptr) return;
    DoubtList& doubts = report_->Doubts(kind);
    if (!doubts.Lists()) {
        ++doubts.count;
        return;
    }
    // A unit code is compared untrimmed, so it is quoted so: " m" is no "m".
    const int end = field.column - 1 + field.width < length_ ? field.column - 1 + field.width : length_;
    const std::string_view asCut(line_ + field.column - 1, static_cast<std::size_t>(end - (field.column - 1)));
    doubts.Add({lineNumber_, field.column, field.column + field.width - 1,
                VisibleText(field.accepts == Accepts::kUnitCode ? asCut : Trimmed(field)), std::move(taken)});
}

}  // namespace iob
