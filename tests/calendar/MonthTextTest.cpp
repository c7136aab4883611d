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

CCalendarNames German() {
    return CCalendarNames::ForLocale(QLocale(QLocale::German, QLocale::Germany));
}
CCalendarNames French() {
    return CCalendarNames::ForLocale(QLocale(QLocale::French, QLocale::France));
}

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
        text += QString::fromLatin1(Line(block, row, r.layout).c_str()) + QLatin1Char('\n');
    EXPECT_EQ(text, GoldenText(QStringLiteral("month-%1-%2%3.txt")
                                   .arg(r.year)
                                   .arg(r.month, 2, 10, QLatin1Char('0'))
                                   .arg(QLatin1String(r.suffix))));
}

// Friday start ending alone on Sunday; four exact rows; odd title blank on
// the right; the first and last months of the range. Monday first with
// week numbers: a year opening in week 53, one closing in week 1 of the
// next, a first row in 1583 holding Sunday alone. Rows starting
// on Sunday or Saturday take the week of their Thursday, though their first
// days (3 January 2021, 2 January 2016) lie in the week before. German and
// French names: a title with a Latin-1 letter, two-letter weekday cells,
// the language's own word over the week numbers.
INSTANTIATE_TEST_SUITE_P(
    MonthText, MonthTextGolden,
    ::testing::Values(
        MonthRow{"May2009", 5, 2009}, MonthRow{"February2009", 2, 2009},
        MonthRow{"December2007", 12, 2007}, MonthRow{"January1584", 1, 1584},
        MonthRow{"December9999", 12, 9999},
        MonthRow{"January2021MondayWeeks", 1, 2021, {1, true, {}}, "-monday-weeks"},
        MonthRow{"December2008MondayWeeks", 12, 2008, {1, true, {}}, "-monday-weeks"},
        MonthRow{"January1584MondayWeeks", 1, 1584, {1, true, {}}, "-monday-weeks"},
        MonthRow{"January2021SundayWeeks", 1, 2021, {0, true, {}}, "-sunday-weeks"},
        MonthRow{"January2016SaturdayWeeks", 1, 2016, {6, true, {}}, "-saturday-weeks"},
        MonthRow{"March2026German", 3, 2026, {1, false, German()}, "-de"},
        MonthRow{"February2026FrenchWeeks", 2, 2026, {1, true, French()}, "-fr-weeks"}),
    RowName());

// Every row keeps its width and its terminator, and the cells hold each day
// once, in weekday order, for every month of four centuries and every first
// weekday, with and without week numbers; each day's day of year leads back
// to it.
TEST(MonthText, EveryMonthIsWellFormedAndNoDateLeavesTheWeekRowsBlank) {
    for (int year = 1584; year <= 1984; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const WeekLayout layout{(year + month) % 7, year % 2 == 0, {}};
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

}  // namespace
