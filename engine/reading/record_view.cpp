#include "reading/record_view.h"

#include <cstring>

#include "reading/unit_table.h"

namespace iob {

void RecordView::Name(Field field, int maxLength, char (&name)[16]) const {
    // Trimmed where it stands, then copied: what cutting the field and
    // trimming the copy gives, without the copy.
    const std::string_view trimmed = Trimmed(field);
    const std::size_t count =
        trimmed.size() < static_cast<std::size_t>(maxLength) ? trimmed.size() : static_cast<std::size_t>(maxLength);
    if (count > 0) std::memcpy(name, trimmed.data(), count);
    name[count] = '\0';
}

double RecordView::UnitFactor(Field field, double customUnitFactor) const {
    // Copied byte by byte: a call to cut the field cost more than the
    // look-up, and nearly every ELEM record has a code.
    constexpr int kMaxCodeLength = 2;
    char code[kMaxCodeLength + 1] = {};
    const int first = field.column - 1;
    for (int i = 0; i < field.width && i < kMaxCodeLength && first + i < length_; ++i) code[i] = line_[first + i];
    return iob::UnitFactor(code, customUnitFactor);
}

}  // namespace iob
