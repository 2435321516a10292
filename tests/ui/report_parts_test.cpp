// A report beneath its message: the first lines shown, the rest kept for
// the details area, no line lost or cut.
#include <gtest/gtest.h>

#include "report_parts.h"

TEST(SplitReport, LinesBeyondTheShownOnesGoToTheDetails) {
    const struct {
        const char* report;
        int linesShown;
        const char* shown;
        const char* rest;
    } cases[] = {
        {"", 2, "", ""},
        {"one\ntwo", 2, "one\ntwo", ""},
        {"one\ntwo\n", 2, "one\ntwo", ""},
        {"one\ntwo\nthree", 2, "one\ntwo", "three"},
        {"\n\nthree", 2, "\n", "three"},
    };
    for (const auto& c : cases) {
        const ReportParts parts = SplitReport(c.report, c.linesShown);
        EXPECT_EQ(parts.shown, c.shown) << c.report;
        EXPECT_EQ(parts.rest, c.rest) << c.report;
    }
}
