#include <iob/string_table.h>

#include <array>
#include <cstring>
#include <stdexcept>

namespace iob {
namespace {

constexpr std::size_t kMaxArguments = 5;

struct StringEntry {
    unsigned number;
    std::array<ArgumentKind, kMaxArguments> kinds;  // the unused ones kNone
    const char* text;
};

// The kinds as the entries spell them.
constexpr ArgumentKind Text = ArgumentKind::kText;
constexpr ArgumentKind Line = ArgumentKind::kLine;
constexpr ArgumentKind Column = ArgumentKind::kColumn;
constexpr ArgumentKind Count = ArgumentKind::kCount;

#define IOB_KINDS(...) \
    { __VA_ARGS__ }
const StringEntry kStringTable[] = {
#define IOB_MESSAGE(name, number, kinds, text) {number, IOB_KINDS kinds, text},
#define IOB_RESULT IOB_MESSAGE
#define IOB_FAILURE IOB_MESSAGE
#define IOB_REPORT IOB_MESSAGE
#include "string_table.def"
#undef IOB_MESSAGE
#undef IOB_RESULT
#undef IOB_FAILURE
#undef IOB_REPORT
};
#undef IOB_KINDS

const StringEntry* FindEntry(unsigned number) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.number == number) return &entry;
    }
    return nullptr;
}

[[noreturn]] void Mismatch(unsigned number, const char* what) {
    throw std::invalid_argument("message " + std::to_string(number) + ": " + what);
}

// The arguments must be of the entry's kinds, one for one.
void CheckKinds(const StringEntry& entry, const std::vector<MessageArgument>& arguments) {
    std::size_t declared = 0;
    while (declared < kMaxArguments && entry.kinds[declared] != ArgumentKind::kNone) ++declared;
    if (arguments.size() != declared) Mismatch(entry.number, "wrong number of arguments");
    for (std::size_t i = 0; i < declared; ++i) {
        if (arguments[i].IsText() != (entry.kinds[i] == ArgumentKind::kText)) {
            Mismatch(entry.number, "argument of the wrong kind");
        }
    }
}

}  // namespace

const char* LoadString(unsigned number) {
    const StringEntry* entry = FindEntry(number);
    return entry == nullptr ? "" : entry->text;
}

std::string FormatMessage(unsigned number, const std::vector<MessageArgument>& arguments) {
    const StringEntry* entry = FindEntry(number);
    if (entry == nullptr) return std::string();
    CheckKinds(*entry, arguments);
    // The text's own placeholders must take the arguments as declared.
    std::string text;
    std::size_t next = 0;
    for (const char* p = entry->text; *p != '\0'; ++p) {
        if (*p != '%') {
            text += *p;
        } else if (std::strncmp(p, "%s", 2) == 0 && next < arguments.size() && arguments[next].IsText()) {
            text += arguments[next++].Text();
            p += 1;
        } else if (std::strncmp(p, "%lld", 4) == 0 && next < arguments.size() && !arguments[next].IsText()) {
            text += std::to_string(arguments[next++].Number());
            p += 3;
        } else if (p[1] == '%') {
            text += '%';
            p += 1;
        } else {
            Mismatch(number, "its text does not take its arguments");
        }
    }
    if (next != arguments.size()) Mismatch(number, "its text does not take all its arguments");
    return text;
}

}  // namespace iob
