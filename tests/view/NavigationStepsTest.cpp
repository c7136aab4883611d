#include <gtest/gtest.h>

#include "view/core/NavigationSteps.h"

namespace {
void ExpectPeriod(ShownMonthYear actual, int month, int year) {
    EXPECT_EQ(actual.month, month);
    EXPECT_EQ(actual.year, year);
}
}  // namespace

TEST(NavigationSteps, MonthViewStepsAcrossYearEnds) {
    ExpectPeriod(StepBack({1, 2007}, false), 12, 2006);
    ExpectPeriod(StepBack({3, 2007}, false), 2, 2007);
    ExpectPeriod(StepForward({12, 2007}, false), 1, 2008);
    ExpectPeriod(StepForward({6, 2007}, false), 7, 2007);
}

TEST(NavigationSteps, YearViewStepsWholeYearsAndKeepsTheMonth) {
    ExpectPeriod(StepBack({7, 2007}, true), 7, 2006);
    ExpectPeriod(StepForward({7, 2007}, true), 7, 2008);
}

TEST(NavigationSteps, NeitherViewGoesBefore1585) {
    ExpectPeriod(StepBack({5, 1586}, true), 5, 1585);
    ExpectPeriod(StepBack({5, 1585}, true), 5, 1585);
    ExpectPeriod(StepBack({2, 1585}, false), 1, 1585);
    ExpectPeriod(StepBack({1, 1585}, false), 1, 1585);
    ExpectPeriod(StepBack({12, 1585}, false), 11, 1585);
}

TEST(NavigationSteps, NeitherViewGoesPastYear9999) {
    ExpectPeriod(StepForward({5, 9999}, true), 5, 9999);
    ExpectPeriod(StepForward({12, 9999}, false), 12, 9999);
    ExpectPeriod(StepForward({12, 9998}, false), 1, 9999);
}
