// The progress bar's steps: 1000 in all, a third for each pass.
#include <gtest/gtest.h>

#include "progress_steps.h"

TEST(ProgressSteps, EachPassFillsItsThirdRoundedToTheNearestStep) {
    const struct {
        int pass;
        double share;
        int steps;
    } cases[] = {{1, 0.0, 0},      {1, 0.0014, 0}, {1, 0.0015, 1}, {1, 0.5, 167},    {1, 1.0, 333}, {2, 0.0, 333},
                 {2, 0.0015, 334}, {2, 0.5, 500},  {3, 0.5, 833},  {3, 0.999, 1000}, {3, 1.0, 1000}};
    for (const auto& c : cases) EXPECT_EQ(ProgressSteps(c.pass, c.share), c.steps) << c.pass << " " << c.share;
}
