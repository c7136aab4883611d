// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "marquee/MarqueeTicks.h"
#include "support/RowName.h"

namespace {
// Ticks of `secs` milliseconds in one file re-read period; an unknown unit
// word keeps the previous limit.
struct TickRow {
    const char* name;
    int frequency;
    const char* units;
    int secs, previous, ticks;
};

class FileCheckTicks : public ::testing::TestWithParam<TickRow> {};

TEST_P(FileCheckTicks, CountsTicksInOnePeriod) {
    const TickRow& r = GetParam();
    EXPECT_EQ(ComputeFileCheckTicks(r.frequency, QLatin1String(r.units), r.secs, r.previous),
              r.ticks);
}

INSTANTIATE_TEST_SUITE_P(
    MarqueeTicks, FileCheckTicks,
    ::testing::Values(TickRow{"DefaultHour", 1, "Hours", 25, -7, 144000},
                      TickRow{"Minute", 1, "Minutes", 50, -7, 1200},
                      TickRow{"Seconds", 3, "Seconds", 25, -7, 120},
                      TickRow{"Truncated", 1, "Seconds", 300, -7, 3},
                      TickRow{"LowerCaseUnit", 1, "hours", 25, 42, 42},
                      TickRow{"NoUnit", 1, "", 25, 42, 42},
                      TickRow{"DaysIsNoFileUnit", 1, "Days", 25, 42, 42},
                      TickRow{"ZeroIntervalIsOne", 2, "Seconds", 0, 0, 2000},
                      TickRow{"NegativeIntervalIsOne", 2, "Seconds", -50, 0, 2000},
                      TickRow{"Past32Bits", 597, "Hours", 1, 0, kMaxFileCheckTicks},
                      TickRow{"HugeFrequency", 2147483647, "Hours", 25, 0, kMaxFileCheckTicks},
                      TickRow{"DividedDownFits", 1000, "Hours", 3600000, 0, 1000},
                      TickRow{"NegativeFrequency", -5, "Minutes", 25, 9, 0}),
    RowName());
}  // namespace
