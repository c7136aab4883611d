#include <gtest/gtest.h>

#include <climits>

#include "calendar/CalendarDates.h"
#include "support/FakeClock.h"

TEST(DigitForms, PadDayMonthAndYear) {
    EXPECT_EQ(DateKey(5, 3, 2007), QStringLiteral("05032007"));
    EXPECT_EQ(DateCompact(5, 3, 2007), QStringLiteral("20070305"));
    EXPECT_EQ(DateSlashed(5, 3, 2007), QStringLiteral("05/03/2007"));
    EXPECT_EQ(DateKey(5, 3, 7), QStringLiteral("05030007"));
    EXPECT_EQ(DateKey(31, 12, 99), QStringLiteral("31120099"));
    EXPECT_EQ(DateKey(10, 10, 999), QStringLiteral("10100999"));
    EXPECT_EQ(DateKey(0, 3, 2007), QStringLiteral("00032007"));
    EXPECT_EQ(DateCompact(1, 1, 0), QStringLiteral("00000101"));
}

TEST(CalendarDates, ReadsTodayAndShowsItAtStart) {
    FakeClock clock(QDateTime(QDate(2007, 12, 5), QTime(23, 59)));
    CCalendarDates dates(clock);
    EXPECT_EQ(dates.TodayDay(), 5);
    EXPECT_EQ(dates.TodayMonth(), 12);
    EXPECT_EQ(dates.TodayYear(), 2007);
    EXPECT_EQ(dates.TodayCompact(), QStringLiteral("20071205"));
    EXPECT_EQ(dates.ShownDay(), 5);
    EXPECT_EQ(dates.ShownMonth(), 12);
    EXPECT_EQ(dates.ShownYear(), 2007);
}

TEST(CalendarDates, TodayOnlyMovesWhenRefreshed) {
    FakeClock clock(QDateTime(QDate(2007, 12, 31), QTime(23, 59)));
    CCalendarDates dates(clock);
    dates.SetShown(1, 6, 2010);
    clock.now = QDateTime(QDate(2008, 1, 1), QTime(0, 1));
    EXPECT_EQ(dates.TodayYear(), 2007);
    EXPECT_EQ(dates.FormatDateKey(0, 0, 0, true), QStringLiteral("31122007"));

    dates.RefreshToday();
    EXPECT_EQ(dates.FormatDateKey(0, 0, 0, true), QStringLiteral("01012008"));
    EXPECT_EQ(dates.TodayCompact(), QStringLiteral("20080101"));
    // Refreshing today leaves the page where the user put it.
    EXPECT_EQ(dates.ShownMonth(), 6);
    EXPECT_EQ(dates.ShownYear(), 2010);

    dates.GoToToday();
    EXPECT_EQ(dates.ShownDay(), 1);
    EXPECT_EQ(dates.ShownMonth(), 1);
    EXPECT_EQ(dates.ShownYear(), 2008);
}

TEST(CalendarDates, UseTodayOnlyWithDayZeroAndTheFlag) {
    FakeClock clock(QDateTime(QDate(2009, 5, 9), QTime(12, 0)));
    const CCalendarDates dates(clock);
    EXPECT_EQ(dates.FormatDateKey(0, 3, 2007, true), QStringLiteral("09052009"));
    EXPECT_EQ(dates.FormatDateKey(0, 3, 2007, false), QStringLiteral("00032007"));
    EXPECT_EQ(dates.FormatDateKey(5, 3, 2007, true), QStringLiteral("05032007"));
    EXPECT_EQ(dates.FormatDateCompact(0, 1, 1, true), QStringLiteral("20090509"));
    EXPECT_EQ(dates.FormatDateSlashed(0, 1, 1, true), QStringLiteral("09/05/2009"));
    EXPECT_EQ(dates.FormatDateSlashed(25, 12, 2007, true), QStringLiteral("25/12/2007"));
}

TEST(LongDate, NamesWeekdayAndMonthForEveryAcceptedYear) {
    struct Case {
        int day, month, year;
        const char* expected;
    };
    const Case cases[] = {
        {5, 12, 2007, "Wednesday, December 5 2007"}, {1, 1, 2000, "Saturday, January 1 2000"},
        {29, 2, 2000, "Tuesday, February 29 2000"},  {1, 1, 1584, "Sunday, January 1 1584"},
        {4, 7, 1776, "Thursday, July 4 1776"},       {31, 12, 1969, "Wednesday, December 31 1969"},
        {19, 1, 2038, "Tuesday, January 19 2038"},   {1, 1, 2100, "Friday, January 1 2100"},
        {31, 12, 9999, "Friday, December 31 9999"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCalendarDates::FormatLongDate(c.day, c.month, c.year), QLatin1String(c.expected))
            << c.day << "." << c.month << "." << c.year;
}

TEST(LongDate, RollsOverImpossibleDaysAndRefusesNoDate) {
    EXPECT_EQ(CCalendarDates::FormatLongDate(30, 2, 2007), QStringLiteral("Friday, March 2 2007"));
    EXPECT_EQ(CCalendarDates::FormatLongDate(0, 1, 2008),
              QStringLiteral("Monday, December 31 2007"));
    EXPECT_TRUE(CCalendarDates::FormatLongDate(31, 12, 1583).isEmpty());
    EXPECT_TRUE(CCalendarDates::FormatLongDate(0, 1, 1584).isEmpty());
    EXPECT_TRUE(CCalendarDates::FormatLongDate(1, 1, -5).isEmpty());
    EXPECT_TRUE(CCalendarDates::FormatLongDate(1, 1, INT_MIN).isEmpty());
    // Run under the sanitizers: corrupt values must not overflow on the way.
    for (const int extreme : {INT_MIN, INT_MAX}) {
        CCalendarDates::FormatLongDate(extreme, 1, 2000);
        CCalendarDates::FormatLongDate(1, extreme, 2000);
        CCalendarDates::FormatLongDate(1, 1, extreme);
    }
}
