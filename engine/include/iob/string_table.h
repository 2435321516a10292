// The string table: every text the program shows, under its number, and
// the one way to fill a text's placeholders. The entries themselves are in
// resources/string_table.def.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace iob {

// Every entry by name: kMsg... for the dialogs' texts and messages (those
// that a conversion can end with double as its result codes,
// <iob/result_codes.h>), kReport... for the pieces of a conversion's report.
enum MessageNumber : unsigned {
#define IOB_MESSAGE(name, number, kinds, text) kMsg##name = (number),
#define IOB_RESULT IOB_MESSAGE
#define IOB_FAILURE IOB_MESSAGE
#define IOB_REPORT(name, number, kinds, text) kReport##name = (number),
#include "string_table.def"
#undef IOB_MESSAGE
#undef IOB_RESULT
#undef IOB_FAILURE
#undef IOB_REPORT
};

// The kinds of argument that an entry's placeholders take: a text (%s), a
// line of the IOB file, a column of a line or a count (%lld).
enum class ArgumentKind : unsigned char { kNone, kText, kLine, kColumn, kCount };

// One argument of a message, held by value so that an outcome can keep the
// arguments of its message.
class MessageArgument {
public:
    MessageArgument(const char* text) : text_(text), isText_(true) {}
    MessageArgument(std::string text) : text_(std::move(text)), isText_(true) {}
    MessageArgument(long long number) : number_(number) {}
    MessageArgument(int number) : number_(number) {}

    bool IsText() const { return isText_; }
    const std::string& Text() const { return text_; }
    long long Number() const { return number_; }

private:
    std::string text_;
    long long number_ = 0;
    bool isText_ = false;
};

// The text of entry `number`; the empty text for a number the table does not hold.
const char* LoadString(unsigned number);

// The text of entry `number` with its placeholders filled by `arguments`,
// which must be of the entry's kinds, in its order: anything else is a
// fault of the caller, thrown as std::invalid_argument. Never cut.
std::string FormatMessage(unsigned number, const std::vector<MessageArgument>& arguments);

// The same with the arguments one by one: FormatMessage(kReportRecords, 4, "DIST", 17).
template <typename... Arguments>
std::string FormatMessage(unsigned number, const Arguments&... arguments) {
    return FormatMessage(number, std::vector<MessageArgument>{MessageArgument(arguments)...});
}

}  // namespace iob
