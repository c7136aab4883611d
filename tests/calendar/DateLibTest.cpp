#include <gtest/gtest.h>

#include <climits>

#include "calendar/DateLib.h"
#include "calendar/MonthText.h"

TEST(DateLib, JulianDayNumbersAndTheFloor) {
    EXPECT_EQ(DateToJulian(1, 1, 2000), 2451545);
    EXPECT_EQ(DateToJulian(1, 1, 1584), 2299604);
    EXPECT_EQ(DateToJulian(1, 1, 1584), kFirstJulianDay);
    EXPECT_EQ(DateToJulian(12, 31, 1583), 0);
    EXPECT_EQ(DateToJulian(6, 15, -3), 0);
    // Out-of-range days roll over instead of being refused.
    EXPECT_EQ(DateToJulian(2, 30, 2007), DateToJulian(3, 2, 2007));
    EXPECT_EQ(DateToJulian(1, 0, 2008), DateToJulian(12, 31, 2007));

    int m = -1, d = -1, y = -1;
    JulianToDate(2299603, m, d, y);
    EXPECT_EQ(m, 0);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(y, 0);
    JulianToDate(2451545, m, d, y);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(y, 2000);
    JulianToDate(kFirstJulianDay, m, d, y);
    EXPECT_EQ(y, 1584);
}

// Every day from 1584 to 9999 survives the round trip and follows the day before.
TEST(DateLib, RoundTripsEveryDayOfTheRange) {
    int expectedJulian = kFirstJulianDay;
    int weekday = DayOfWeek(1, 1, 1584);
    for (int year = 1584; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                if (!IsValidDate(month, day, year))
                    continue;
                const int julian = DateToJulian(month, day, year);
                ASSERT_EQ(julian, expectedJulian) << month << "/" << day << "/" << year;
                int m = 0, d = 0, y = 0;
                JulianToDate(julian, m, d, y);
                ASSERT_TRUE(m == month && d == day && y == year);
                ASSERT_EQ(DayOfWeek(month, day, year), weekday);
                weekday = (weekday + 1) % 7;
                ++expectedJulian;
            }
        }
    }
    EXPECT_EQ(expectedJulian - 1, DateToJulian(12, 31, 9999));
}

TEST(DateLib, ValidDatesFollowTheGregorianLeapRule) {
    EXPECT_EQ(IsValidDate(2, 29, 1900), 0);
    EXPECT_EQ(IsValidDate(2, 29, 2000), 1);
    EXPECT_EQ(IsValidDate(2, 29, 2008), 1);
    EXPECT_EQ(IsValidDate(2, 29, 2007), 0);
    EXPECT_EQ(IsValidDate(13, 1, 2007), 0);
    EXPECT_EQ(IsValidDate(0, 1, 2007), 0);
    EXPECT_EQ(IsValidDate(4, 31, 2007), 0);
    EXPECT_EQ(IsValidDate(1, 0, 2007), 0);
    EXPECT_EQ(IsValidDate(12, 31, 1583), 0);
    EXPECT_EQ(IsValidDate(1, 1, 1584), 1);
}

TEST(DateLib, WeekdayDayOfYearAndCentury) {
    EXPECT_EQ(DayOfWeek(1, 1, 2000), 6);
    EXPECT_EQ(DayOfWeek(12, 5, 2007), 3);
    EXPECT_EQ(DayOfWeek(12, 31, 1583), -1);

    EXPECT_EQ(DayOfYear(1, 1, 1584), 1);
    EXPECT_EQ(DayOfYear(12, 31, 1584), 366);
    EXPECT_EQ(DayOfYear(3, 1, 2000), 61);
    EXPECT_EQ(DayOfYear(12, 31, 2001), 365);
    EXPECT_EQ(DayOfYear(12, 31, 1583), 0);

    EXPECT_EQ(DayOfCentury(1, 1, 2000), 1);
    EXPECT_EQ(DayOfCentury(12, 31, 2000), 366);
    EXPECT_EQ(DayOfCentury(1, 1, 2001), 367);
    // The century 1500 starts before the floor; its 31 December 1499 is a constant.
    EXPECT_EQ(DayOfCentury(1, 1, 1584), 2299604 - 2268923);
    EXPECT_EQ(DayOfCentury(1, 1, 1583), 0);

    EXPECT_EQ(DaysBetween(1, 1, 2000, 1, 1, 2001), 366);
    EXPECT_EQ(DaysBetween(1, 1, 2001, 1, 1, 2000), -366);
    EXPECT_EQ(DaysBetween(1, 1, 1583, 1, 1, 2000), 0);
    EXPECT_EQ(DaysBetween(1, 1, 2000, 1, 1, 1500), 0);
}

TEST(DateLib, NameTablesGiveNullOutsideTheirRange) {
    EXPECT_STREQ(WeekdayName(0), "Sunday");
    EXPECT_STREQ(WeekdayName(6), "Saturday");
    EXPECT_EQ(WeekdayName(7), nullptr);
    EXPECT_EQ(WeekdayName(-1), nullptr);
    EXPECT_STREQ(MonthName(1), "January");
    EXPECT_STREQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(0), nullptr);
    EXPECT_EQ(MonthName(13), nullptr);
}

TEST(DateLib, ShortDateUsesTwoDigitYearsOnlyForThe1900sAndSmallYears) {
    EXPECT_EQ(FormatShortDate(12, 5, 1999), QStringLiteral("12/05/99"));
    EXPECT_EQ(FormatShortDate(12, 5, 1900), QStringLiteral("12/05/00"));
    EXPECT_EQ(FormatShortDate(12, 5, 2007), QStringLiteral("12/05/2007"));
    EXPECT_EQ(FormatShortDate(12, 5, 5), QStringLiteral("12/05/05"));
    EXPECT_EQ(FormatShortDate(1, 2, 1899), QStringLiteral("01/02/1899"));
    EXPECT_EQ(FormatShortDate(1, 2, 150), QStringLiteral("01/02/0150"));
}

// Corrupt stored values can reach the library; every combination of extreme
// arguments must give an answer without undefined behaviour.
TEST(DateLib, ExtremeArgumentsAreDefined) {
    const int extremes[] = {INT_MIN, INT_MIN + 1, -1,   0,    1,           2,      3,
                            12,      13,          1583, 1584, INT_MAX - 1, INT_MAX};
    for (const int month : extremes) {
        for (const int day : extremes) {
            for (const int year : extremes) {
                const int weekday = DayOfWeek(month, day, year);
                EXPECT_TRUE(weekday >= -1 && weekday <= 6);
                EXPECT_GE(IsValidDate(month, day, year), 0);
                DayOfYear(month, day, year);
                DayOfCentury(month, day, year);
                DaysBetween(month, day, year, 1, 1, 2000);
                MonthTextBlock block;
                BuildMonthText(month, year, block);
                EXPECT_EQ(block[kMonthTextStride - 1], '\0');
            }
        }
    }
    for (const int julian : extremes) {
        int m = 0, d = 0, y = 0;
        JulianToDate(julian, m, d, y);
        EXPECT_TRUE(m >= 0 && m <= 12);
    }
}
