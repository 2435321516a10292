#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <iob/result_codes.h>
#include <iob/string_table.h>

using namespace iob;

namespace {

// Every entry of the table as it is written, with the kinds of its arguments.
enum Kind { Text, Line, Column, Count };
struct Entry {
    unsigned number;
    std::vector<Kind> kinds;
};
#define IOB_KINDS(...) \
    { __VA_ARGS__ }
const Entry kEntries[] = {
#define IOB_MESSAGE(name, number, kinds, text) {number, IOB_KINDS kinds},
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

// Each entry formats with arguments of its declared kinds, every placeholder
// taking one: a text whose placeholders differ from its kinds throws.
TEST(StringTable, EveryEntryFormatsWithArgumentsOfItsKinds) {
    for (const Entry& entry : kEntries) {
        std::vector<MessageArgument> arguments;
        for (const Kind kind : entry.kinds) arguments.emplace_back(kind == Text ? MessageArgument("T") : 2147483648LL);
        std::string text;
        ASSERT_NO_THROW(text = FormatMessage(entry.number, arguments)) << entry.number;
        EXPECT_EQ(text.find('%'), std::string::npos) << entry.number;
        EXPECT_EQ(text.empty(), std::string(LoadString(entry.number)).empty()) << entry.number;
        if (!entry.kinds.empty()) {
            arguments.pop_back();
            EXPECT_THROW(FormatMessage(entry.number, arguments), std::invalid_argument) << entry.number;
        }
    }
    EXPECT_EQ(FormatMessage(kMsgReadError, 2147483648LL, "net.iob"), "File read error on line 2147483648 - net.iob");
    EXPECT_THROW(FormatMessage(kMsgReadError, "net.iob", 12), std::invalid_argument);
    EXPECT_TRUE(IsConversionFailure(kResultUnsupportedSetting) && IsConversionFailure(kResultNamesWrittenAlike));
    EXPECT_FALSE(IsConversionFailure(kResultWriteError) || IsConversionFailure(kResultOk));
}

}  // namespace
