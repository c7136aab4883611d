// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>

#include "calendar/CalendarDates.h"
#include "calendar/DateLib.h"
#include "calendar/MonthText.h"
#include "support/RowName.h"

namespace {
// One date and everything the library says about it. A julian of 0 means "no
// date"; the long date is empty then.
struct DateRow {
    const char* name;
    int month, day, year;
    int julian, weekday, dayOfYear, valid;
    const char* shortDate;
    const char* longDate;
};

class DateLibTable : public ::testing::TestWithParam<DateRow> {};

TEST_P(DateLibTable, AgreesWithTheCalendar) {
    const DateRow& r = GetParam();
    EXPECT_EQ(DateToJulian(r.month, r.day, r.year), r.julian);
    EXPECT_EQ(DayOfWeek(r.month, r.day, r.year), r.weekday);
    EXPECT_EQ(DayOfYear(r.month, r.day, r.year), r.dayOfYear);
    EXPECT_EQ(IsValidDate(r.month, r.day, r.year), r.valid);
    EXPECT_EQ(FormatShortDate(r.month, r.day, r.year), QLatin1String(r.shortDate));
    EXPECT_EQ(CCalendarDates::FormatLongDate(r.day, r.month, r.year), QLatin1String(r.longDate));
}

// Expected values from an independent proleptic Gregorian calendar.
const DateRow kDates[] = {
    {"Y2000", 1, 1, 2000, 2451545, 6, 1, 1, "01/01/2000", "Saturday, January 1 2000"},
    {"FirstDay", 1, 1, 1584, 2299604, 0, 1, 1, "01/01/1584", "Sunday, January 1 1584"},
    {"BeforeTheFloor", 12, 31, 1583, 0, -1, 0, 0, "12/31/1583", ""},
    {"LeapDay2000", 2, 29, 2000, 2451604, 2, 60, 1, "02/29/2000", "Tuesday, February 29 2000"},
    {"NoLeapDay1900", 2, 29, 1900, 2415080, 4, 60, 0, "02/29/00", "Thursday, March 1 1900"},
    {"Feb30RollsOver", 2, 30, 2007, 2454162, 5, 61, 0, "02/30/2007", "Friday, March 2 2007"},
    {"DayZeroRollsBack", 1, 0, 2008, 2454466, 1, 0, 0, "01/00/2008", "Monday, December 31 2007"},
    {"Month13", 13, 1, 2007, 2454467, 2, 366, 0, "13/01/2007", "Tuesday, January 1 2008"},
    {"LateIn1999", 12, 5, 1999, 2451518, 0, 339, 1, "12/05/99", "Sunday, December 5 1999"},
    {"Year1899", 1, 2, 1899, 2414657, 1, 2, 1, "01/02/1899", "Monday, January 2 1899"},
    {"LeapYearEnd", 12, 31, 1584, 2299969, 1, 366, 1, "12/31/1584", "Monday, December 31 1584"},
    {"CommonYearEnd", 12, 31, 2001, 2452275, 1, 365, 1, "12/31/2001", "Monday, December 31 2001"},
    {"LastDay", 12, 31, 9999, 5373484, 5, 365, 1, "12/31/9999", "Friday, December 31 9999"},
};
INSTANTIATE_TEST_SUITE_P(DateLib, DateLibTable, ::testing::ValuesIn(kDates), RowName());

// Every day from 1584 to 9999 follows the day before and survives the round
// trip; nothing before it is a date.
TEST(DateLib, RoundTripsEveryDayCountsCenturyDaysAndSpansAndDefinesExtremeArguments) {
    int expectedJulian = kFirstJulianDay;
    for (int year = 1584; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; IsValidDate(month, day, year); ++day) {
                ASSERT_EQ(DateToJulian(month, day, year), expectedJulian);
                int m = 0, d = 0, y = 0;
                JulianToDate(expectedJulian, m, d, y);
                ASSERT_TRUE(m == month && d == day && y == year)
                    << month << "/" << day << "/" << year;
                // 1 January 1584, the first day, is a Sunday.
                ASSERT_EQ(DayOfWeek(month, day, year), (expectedJulian - kFirstJulianDay) % 7);
                ++expectedJulian;
            }
        }
    }
    int m = -1, d = -1, y = -1;
    JulianToDate(kFirstJulianDay - 1, m, d, y);
    EXPECT_TRUE(m == 0 && d == 0 && y == 0);
    // Days of the century, spans between days, and names out of range.
    EXPECT_EQ(DayOfCentury(1, 1, 2000), 1);
    EXPECT_EQ(DayOfCentury(1, 1, 2001), 367);
    // The century 1500 starts before the floor; its 31 December 1499 is a constant.
    EXPECT_EQ(DayOfCentury(1, 1, 1584), 2299604 - 2268923);
    EXPECT_EQ(DayOfCentury(1, 1, 1583), 0);
    EXPECT_EQ(DaysBetween(1, 1, 2001, 1, 1, 2000), -366);
    EXPECT_EQ(DaysBetween(1, 1, 1583, 1, 1, 2000), 0);
    // The names themselves are in the long dates of the table.
    EXPECT_EQ(WeekdayName(7), nullptr);
    EXPECT_EQ(MonthName(0), nullptr);
    // Corrupt stored values can reach the library; every combination of
    // extreme arguments must give an answer without undefined behaviour (run
    // under the sanitizers).
    const int extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, 2, 12, 13, 1583, 1584, INT_MAX};
    for (const int month : extremes) {
        for (const int day : extremes) {
            for (const int year : extremes) {
                const int weekday = DayOfWeek(month, day, year);
                EXPECT_TRUE(weekday >= -1 && weekday <= 6);
                EXPECT_GE(IsValidDate(month, day, year), 0);
                DayOfYear(month, day, year);
                DayOfCentury(month, day, year);
                DaysBetween(month, day, year, 1, 1, 2000);
                CCalendarDates::FormatLongDate(day, month, year);
                MonthTextBlock block;
                BuildMonthText(month, year, block);
                EXPECT_EQ(block[kMonthTextStride - 1], '\0');
            }
        }
        JulianToDate(month, m, d, y);
        EXPECT_TRUE(m >= 0 && m <= 12);
    }
}

}  // namespace
