#include <gtest/gtest.h>

#include <string>

#include "calendar/DateLib.h"
#include "calendar/MonthText.h"

namespace {
std::string Line(const MonthTextBlock& block, int row) {
    return std::string(MonthTextLine(block, row), kMonthTextWidth);
}

MonthTextBlock Build(int month, int year) {
    MonthTextBlock block;
    block.fill('#');
    BuildMonthText(month, year, block);
    return block;
}
}  // namespace

TEST(MonthText, May2009StartsOnFridayAndEndsAloneOnSunday) {
    const MonthTextBlock block = Build(5, 2009);
    EXPECT_EQ(Line(block, 0), "       May 2009       ");
    EXPECT_EQ(Line(block, 1), " Su Mo Tu We Th Fr Sa ");
    // The cell of day 1 starts at column 15: a blank, then the number right-aligned.
    EXPECT_EQ(Line(block, 2), "                 1  2 ");
    EXPECT_EQ(Line(block, 2).substr(15, 3), "  1");
    EXPECT_EQ(Line(block, 6), " 24 25 26 27 28 29 30 ");
    EXPECT_EQ(Line(block, 7), " 31                   ");
    EXPECT_EQ(ReadDayCell(block, 2, 5), 1);
    EXPECT_EQ(ReadDayCell(block, 2, 4), 0);
    EXPECT_EQ(ReadDayCell(block, 7, 0), 31);
    EXPECT_EQ(ReadDayCell(block, 7, 1), 0);
}

TEST(MonthText, February2009FillsFourRowsExactly) {
    const MonthTextBlock block = Build(2, 2009);
    EXPECT_EQ(Line(block, 2), "  1  2  3  4  5  6  7 ");
    EXPECT_EQ(Line(block, 5), " 22 23 24 25 26 27 28 ");
    EXPECT_EQ(Line(block, 6), std::string(22, ' '));
    EXPECT_EQ(Line(block, 7), std::string(22, ' '));
    for (int cell = 0; cell < 7; ++cell) EXPECT_EQ(ReadDayCell(block, 2, cell), cell + 1);
}

TEST(MonthText, TitlesCentreWithTheOddBlankOnTheRight) {
    EXPECT_EQ(Line(Build(9, 2007), 0), "    September 2007    ");
    EXPECT_EQ(Line(Build(12, 2007), 0), "    December 2007     ");
    EXPECT_EQ(Line(Build(5, 2007), 0), "       May 2007       ");
}

// Every row keeps 22 characters and its terminator, and the cells hold each
// day once, in weekday order, for every month of four centuries.
TEST(MonthText, EveryMonthIsWellFormed) {
    for (int year = 1584; year <= 1984; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthTextBlock block = Build(month, year);
            int expectedDay = 1;
            for (int row = 0; row < kMonthTextRows; ++row) {
                ASSERT_EQ(block[row * kMonthTextStride + kMonthTextWidth], '\0');
                ASSERT_EQ(Line(block, row).find('\0'), std::string::npos) << month << "/" << year;
                ASSERT_EQ(Line(block, row)[21], ' ');
                for (int cell = 0; row >= 2 && cell < 7; ++cell) {
                    const int day = ReadDayCell(block, row, cell);
                    if (day == 0)
                        continue;
                    ASSERT_EQ(day, expectedDay);
                    ASSERT_EQ(DayOfWeek(month, day, year), cell);
                    ++expectedDay;
                }
            }
            const int next =
                month == 12 ? DateToJulian(1, 1, year + 1) : DateToJulian(month + 1, 1, year);
            ASSERT_EQ(expectedDay - 1, next - DateToJulian(month, 1, year)) << month << "/" << year;
        }
    }
}

TEST(MonthText, NoDateLeavesTheWeekRowsBlank) {
    for (const auto& [month, year] :
         {std::pair{1, 1583}, std::pair{0, 2007}, std::pair{13, 2007}}) {
        const MonthTextBlock block = Build(month, year);
        for (int row = 2; row < kMonthTextRows; ++row)
            EXPECT_EQ(Line(block, row), std::string(22, ' '));
        EXPECT_EQ(Line(block, 1), " Su Mo Tu We Th Fr Sa ");
    }
}

TEST(MonthText, ReadDayCellRefusesOutsideTheGrid) {
    const MonthTextBlock block = Build(5, 2009);
    EXPECT_EQ(ReadDayCell(block, 1, 0), 0);
    EXPECT_EQ(ReadDayCell(block, 0, 3), 0);
    EXPECT_EQ(ReadDayCell(block, 8, 0), 0);
    EXPECT_EQ(ReadDayCell(block, 2, 7), 0);
    EXPECT_EQ(ReadDayCell(block, 2, -1), 0);
}

TEST(MonthText, DayOfYearToDate) {
    struct Case {
        int dayOfYear, year, day, month;
    };
    const Case cases[] = {
        {60, 2008, 29, 2},   {60, 2007, 1, 3},    {366, 2007, 32, 12}, {1, 2007, 1, 1},
        {366, 2008, 31, 12}, {365, 2007, 31, 12}, {32, 2007, 1, 2},    {31, 2007, 31, 1},
        {60, 1900, 1, 3},    {60, 2000, 29, 2},   {0, 2007, 0, 1},     {335, 2007, 1, 12},
    };
    for (const Case& c : cases) {
        int day = 0, month = 0, year = 0;
        DayOfYearToDate(c.dayOfYear, c.year, day, month, year);
        EXPECT_EQ(day, c.day) << c.dayOfYear << " " << c.year;
        EXPECT_EQ(month, c.month) << c.dayOfYear << " " << c.year;
        EXPECT_EQ(year, c.year);
    }
    // The inverse of DayOfYear over a whole leap and common year.
    for (const int year : {2007, 2008}) {
        for (int d = 1; d <= DayOfYear(12, 31, year); ++d) {
            int day = 0, month = 0, y = 0;
            DayOfYearToDate(d, year, day, month, y);
            ASSERT_EQ(DayOfYear(month, day, year), d);
        }
    }
}
