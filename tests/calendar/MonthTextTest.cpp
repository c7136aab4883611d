// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "calendar/DateLib.h"
#include "calendar/MonthText.h"
#include "support/Golden.h"
#include "support/RowName.h"

namespace {
std::string Line(const MonthTextBlock& block, int row, const WeekLayout& layout = {}) {
    return std::string(MonthTextLine(block, row), MonthTextWidth(layout));
}

MonthTextBlock Build(int month, int year, const WeekLayout& layout = {}) {
    MonthTextBlock block;
    block.fill('#');
    BuildMonthText(month, year, block, layout);
    return block;
}

constexpr WeekLayout kMondayWeeks{1, true};

struct MonthRow {
    const char* name;
    int month, year;
    WeekLayout layout = {};
    const char* suffix = "";
};

class MonthTextGolden : public ::testing::TestWithParam<MonthRow> {};

TEST_P(MonthTextGolden, MatchesTheGoldenFile) {
    const MonthRow& r = GetParam();
    const MonthTextBlock block = Build(r.month, r.year, r.layout);
    QString text;
    for (int row = 0; row < kMonthTextRows; ++row)
        text += QString::fromStdString(Line(block, row, r.layout)) + QLatin1Char('\n');
    EXPECT_EQ(text, GoldenText(QStringLiteral("month-%1-%2%3.txt")
                                   .arg(r.year)
                                   .arg(r.month, 2, 10, QLatin1Char('0'))
                                   .arg(QLatin1String(r.suffix))));
}

// Friday start ending alone on Sunday; four exact rows; odd title blank on
// the right; the first and last months of the range. Monday first with
// week numbers: a year opening in week 53, one closing in week 1 of the
// next, a lone Sunday in the first row, a first row in 1583; Sunday first
// numbers each row by its Thursday.
INSTANTIATE_TEST_SUITE_P(
    MonthText, MonthTextGolden,
    ::testing::Values(MonthRow{"May2009", 5, 2009}, MonthRow{"February2009", 2, 2009},
                      MonthRow{"December2007", 12, 2007}, MonthRow{"January1584", 1, 1584},
                      MonthRow{"December9999", 12, 9999},
                      MonthRow{"May2009Monday", 5, 2009, {1, false}, "-monday"},
                      MonthRow{"January2021MondayWeeks", 1, 2021, kMondayWeeks, "-monday-weeks"},
                      MonthRow{"December2008MondayWeeks", 12, 2008, kMondayWeeks, "-monday-weeks"},
                      MonthRow{"February2026MondayWeeks", 2, 2026, kMondayWeeks, "-monday-weeks"},
                      MonthRow{"January1584MondayWeeks", 1, 1584, kMondayWeeks, "-monday-weeks"},
                      MonthRow{"January2021SundayWeeks", 1, 2021, {0, true}, "-sunday-weeks"}),
    RowName());

// Every row keeps its width and its terminator, and the cells hold each day
// once, in weekday order, for every month of four centuries and every first
// weekday, with and without week numbers; each day's day of year leads back
// to it.
TEST(MonthText, EveryMonthIsWellFormedAndNoDateLeavesTheWeekRowsBlank) {
    for (int year = 1584; year <= 1984; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const WeekLayout layout{(year + month) % 7, year % 2 == 0};
            const int firstDayCell = layout.weekNumbers ? 1 : 0;
            const MonthTextBlock block = Build(month, year, layout);
            int expectedDay = 1;
            for (int row = 0; row < kMonthTextRows; ++row) {
                ASSERT_EQ(block[row * kMonthTextStride + MonthTextWidth(layout)], '\0');
                ASSERT_EQ(Line(block, row, layout).find('\0'), std::string::npos)
                    << month << "/" << year;
                // The week-number cell never reads as a day.
                ASSERT_TRUE(!layout.weekNumbers || ReadDayCell(block, row, 0, layout) == 0);
                for (int cell = firstDayCell; row >= 2 && cell < firstDayCell + 7; ++cell) {
                    const int day = ReadDayCell(block, row, cell, layout);
                    if (day == 0)
                        continue;
                    ASSERT_EQ(day, expectedDay);
                    ASSERT_EQ(DayOfWeek(month, day, year),
                              WeekdayOfColumn(cell - firstDayCell, layout.firstWeekday));
                    int d = 0, m = 0, y = 0;
                    DayOfYearToDate(DayOfYear(month, day, year), year, d, m, y);
                    ASSERT_TRUE(d == day && m == month && y == year) << day << "/" << month;
                    ++expectedDay;
                }
            }
            ASSERT_EQ(IsValidDate(month, expectedDay, year), 0) << month << "/" << year;
        }
    }
    // No date leaves the week rows blank; places outside the block read zero.
    for (const auto& [month, year] :
         {std::pair{1, 1583}, std::pair{0, 2007}, std::pair{13, 2007}}) {
        const MonthTextBlock block = Build(month, year);
        for (int row = 2; row < kMonthTextRows; ++row)
            EXPECT_EQ(Line(block, row), std::string(22, ' '));
    }
    const MonthTextBlock block = Build(5, 2009);
    for (const auto& [row, cell] : {std::pair{1, 0}, {0, 3}, {8, 0}, {2, 7}, {2, -1}, {2, 4}})
        EXPECT_EQ(ReadDayCell(block, row, cell), 0) << row << "," << cell;
    EXPECT_EQ(ReadDayCell(block, 7, 0), 31);
    int day = 0, month = 0, year = 0;
    DayOfYearToDate(366, 2007, day, month, year);
    EXPECT_TRUE(day == 32 && month == 12) << "past the end of a common year";
}

struct WeekRow {
    const char* name;
    int firstWeekday;
    int day, month, year;  // the row's first day
    int week;
};

class WeekRowNumbers : public ::testing::TestWithParam<WeekRow> {};

TEST_P(WeekRowNumbers, NameTheIsoWeekOfTheRowsThursday) {
    const WeekRow& r = GetParam();
    EXPECT_EQ(WeekRowNumber(DateToJulian(r.month, r.day, r.year), r.firstWeekday), r.week);
}

// A Sunday-first row takes the week of its Monday to Saturday, so its Sunday
// may lie in the week before (3 January 2021 is in week 53 of 2020); a year
// with 53 weeks; 29 December in week 1 of the next year; a Saturday-first row.
INSTANTIATE_TEST_SUITE_P(
    MonthText, WeekRowNumbers,
    ::testing::Values(WeekRow{"SundayRowEndingAYear", 0, 27, 12, 2020, 53},
                      WeekRow{"SundayRowWhoseSundayIsInTheWeekBefore", 0, 3, 1, 2021, 1},
                      WeekRow{"MondayRowOfWeek53", 1, 27, 12, 2004, 53},
                      WeekRow{"MondayRowInWeek1OfTheNextYear", 1, 29, 12, 2008, 1},
                      WeekRow{"MondayRowAfterAWeek53", 1, 4, 1, 2010, 1},
                      WeekRow{"SaturdayRowAcrossTheYear", 6, 2, 1, 2016, 1}),
    RowName());
}  // namespace
