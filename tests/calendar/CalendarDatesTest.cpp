// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/CalendarDates.h"
#include "support/FakeClock.h"

// Today moves only when refreshed; day zero means today.
TEST(CalendarDates, DigitFormsPadEveryPartAndTodayMovesOnlyWhenRefreshed) {
    EXPECT_EQ(QStringList({DateKey(5, 3, 2007), DateKey(5, 3, 7), DateKey(0, 3, 2007),
                           DateCompact(1, 1, 0), DateSlashed(5, 3, 2007)}),
              QStringList({"05032007", "05030007", "00032007", "00000101", "05/03/2007"}));
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
