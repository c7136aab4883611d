#include <gtest/gtest.h>

#include "marquee/MarqueeTicks.h"

TEST(ComputeFileCheckTicks, CountsTicksInOnePeriodForEachUnit) {
    EXPECT_EQ(ComputeFileCheckTicks(1, "Hours", 25, -7), 144000);  // the defaults
    EXPECT_EQ(ComputeFileCheckTicks(1, "Minutes", 50, -7), 1200);
    EXPECT_EQ(ComputeFileCheckTicks(3, "Seconds", 25, -7), 120);
    // Truncated toward zero.
    EXPECT_EQ(ComputeFileCheckTicks(1, "Seconds", 300, -7), 3);
}

TEST(ComputeFileCheckTicks, UnknownUnitWordKeepsThePreviousLimit) {
    EXPECT_EQ(ComputeFileCheckTicks(1, "hours", 25, 42), 42);
    EXPECT_EQ(ComputeFileCheckTicks(1, "", 25, 42), 42);
    EXPECT_EQ(ComputeFileCheckTicks(1, "Days", 25, 42), 42);
}

TEST(ComputeFileCheckTicks, IntervalBelowOneMillisecondCountsAsOne) {
    EXPECT_EQ(ComputeFileCheckTicks(2, "Seconds", 0, 0), 2000);
    EXPECT_EQ(ComputeFileCheckTicks(2, "Seconds", -50, 0), 2000);
    EXPECT_EQ(EffectiveMarqueeSecs(0), 1);
    EXPECT_EQ(EffectiveMarqueeSecs(-3), 1);
    EXPECT_EQ(EffectiveMarqueeSecs(25), 25);
}

TEST(ComputeFileCheckTicks, PeriodsBeyond32BitsAreCappedNotWrapped) {
    // 597 hours is past the 32-bit millisecond limit.
    EXPECT_EQ(ComputeFileCheckTicks(597, "Hours", 1, 0), kMaxFileCheckTicks);
    EXPECT_EQ(ComputeFileCheckTicks(2147483647, "Hours", 1, 0), kMaxFileCheckTicks);
    EXPECT_EQ(ComputeFileCheckTicks(2147483647, "Hours", 25, 0), kMaxFileCheckTicks);
    // The exact value still fits when divided down.
    EXPECT_EQ(ComputeFileCheckTicks(1000, "Hours", 3600000, 0), 1000);
    EXPECT_EQ(ComputeFileCheckTicks(-5, "Minutes", 25, 9), 0);
}
