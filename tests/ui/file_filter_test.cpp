// Filter texts of the string table as Qt name filters.
#include <gtest/gtest.h>

#include <iob/string_table.h>

#include "file_filter.h"
#include "qt_printers.h"

using namespace iob;

TEST(NameFiltersOf, IobFilterGivesTheIobPairThenAllFiles) {
    EXPECT_EQ(NameFiltersOf(LoadString(kMsgIobFilter)),
              (QStringList{"IOB File (*.iob) (*.iob)", "All Files (*.*) (*)"}));
}

TEST(NameFiltersOf, OutputFilterGivesTheTextPairThenAllFiles) {
    EXPECT_EQ(NameFiltersOf(LoadString(kMsgOutputFilter)),
              (QStringList{"ASCII (Text) File (*.txt) (*.txt)", "All Files (*.*) (*)"}));
}
