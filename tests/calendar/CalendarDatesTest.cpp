// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/CalendarDates.h"
#include "support/FakeClock.h"

TEST(CalendarDates, DigitFormsPadEveryPart) {
    EXPECT_EQ(DateKey(5, 3, 2007), QStringLiteral("05032007"));
    EXPECT_EQ(DateKey(5, 3, 7), QStringLiteral("05030007"));
    EXPECT_EQ(DateKey(0, 3, 2007), QStringLiteral("00032007"));
    EXPECT_EQ(DateCompact(1, 1, 0), QStringLiteral("00000101"));
    EXPECT_EQ(DateSlashed(5, 3, 2007), QStringLiteral("05/03/2007"));
}

TEST(CalendarDates, TodayMovesOnlyWhenRefreshedAndDayZeroMeansToday) {
    FakeClock clock(QDateTime(QDate(2007, 12, 31), QTime(23, 59)));
    CCalendarDates dates(clock);
    EXPECT_EQ(dates.ShownMonth(), 12);
    dates.SetShown(1, 6, 2010);
    clock.now = QDateTime(QDate(2008, 1, 1), QTime(0, 1));
    EXPECT_EQ(dates.FormatDateKey(0, 0, 0, true), QStringLiteral("31122007"));
    dates.RefreshToday();
    EXPECT_EQ(dates.FormatDateKey(0, 3, 2007, true), QStringLiteral("01012008"));
    EXPECT_EQ(dates.FormatDateKey(0, 3, 2007, false), QStringLiteral("00032007"));
    EXPECT_EQ(dates.FormatDateSlashed(25, 12, 2007, true), QStringLiteral("25/12/2007"));
    EXPECT_EQ(dates.TodayCompact(), QStringLiteral("20080101"));
    // Refreshing today leaves the page where the user put it.
    EXPECT_EQ(dates.ShownYear(), 2010);
    dates.GoToToday();
    EXPECT_TRUE(dates.ShownDay() == 1 && dates.ShownMonth() == 1 && dates.ShownYear() == 2008);
}
