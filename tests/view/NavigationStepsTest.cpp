// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/RowName.h"
#include "view/core/NavigationSteps.h"

namespace {
// One step back or forward from a shown month, in month or year view.
struct StepRow {
    const char* name;
    bool forward, yearView;
    ShownMonthYear from, to;
};

class NavigationStep : public ::testing::TestWithParam<StepRow> {};

TEST_P(NavigationStep, StaysWithin1585To9999) {
    const StepRow& r = GetParam();
    const ShownMonthYear to =
        r.forward ? StepForward(r.from, r.yearView) : StepBack(r.from, r.yearView);
    EXPECT_TRUE(to.month == r.to.month && to.year == r.to.year) << to.month << "/" << to.year;
}

INSTANTIATE_TEST_SUITE_P(
    NavigationSteps, NavigationStep,
    ::testing::Values(StepRow{"BackOverNewYear", false, false, {1, 2007}, {12, 2006}},
                      StepRow{"Back", false, false, {3, 2007}, {2, 2007}},
                      StepRow{"ForwardOverNewYear", true, false, {12, 2007}, {1, 2008}},
                      StepRow{"YearBack", false, true, {7, 2007}, {7, 2006}},
                      StepRow{"YearForward", true, true, {7, 2007}, {7, 2008}},
                      StepRow{"YearBackTo1585", false, true, {5, 1586}, {5, 1585}},
                      StepRow{"YearBackStopsAt1585", false, true, {5, 1585}, {5, 1585}},
                      StepRow{"BackStopsAtJanuary1585", false, false, {1, 1585}, {1, 1585}},
                      StepRow{"BackInDecember1585", false, false, {12, 1585}, {11, 1585}},
                      StepRow{"YearForwardStopsAt9999", true, true, {5, 9999}, {5, 9999}},
                      StepRow{"ForwardStopsAtDecember9999", true, false, {12, 9999}, {12, 9999}},
                      StepRow{"ForwardInto9999", true, false, {12, 9998}, {1, 9999}}),
    RowName());
}  // namespace
