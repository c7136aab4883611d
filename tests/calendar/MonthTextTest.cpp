// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "calendar/DateLib.h"
#include "calendar/MonthText.h"
#include "support/Golden.h"
#include "support/RowName.h"

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

struct MonthRow {
    const char* name;
    int month, year;
};

class MonthTextGolden : public ::testing::TestWithParam<MonthRow> {};

TEST_P(MonthTextGolden, MatchesTheGoldenFile) {
    const MonthRow& r = GetParam();
    const MonthTextBlock block = Build(r.month, r.year);
    QString text;
    for (int row = 0; row < kMonthTextRows; ++row)
        text += QString::fromStdString(Line(block, row)) + QLatin1Char('\n');
    EXPECT_EQ(
        text,
        GoldenText(
            QStringLiteral("month-%1-%2.txt").arg(r.year).arg(r.month, 2, 10, QLatin1Char('0'))));
}

// Friday start ending alone on Sunday; four exact rows; odd title blank on
// the right; the first and last months of the range.
INSTANTIATE_TEST_SUITE_P(MonthText, MonthTextGolden,
                         ::testing::Values(MonthRow{"May2009", 5, 2009},
                                           MonthRow{"February2009", 2, 2009},
                                           MonthRow{"December2007", 12, 2007},
                                           MonthRow{"January1584", 1, 1584},
                                           MonthRow{"December9999", 12, 9999}),
                         RowName());

// Every row keeps 22 characters and its terminator, and the cells hold each
// day once, in weekday order, for every month of four centuries; each day's
// day of year leads back to it.
TEST(MonthText, EveryMonthIsWellFormedAndNoDateLeavesTheWeekRowsBlank) {
    for (int year = 1584; year <= 1984; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const MonthTextBlock block = Build(month, year);
            int expectedDay = 1;
            for (int row = 0; row < kMonthTextRows; ++row) {
                ASSERT_EQ(block[row * kMonthTextStride + kMonthTextWidth], '\0');
                ASSERT_EQ(Line(block, row).find('\0'), std::string::npos) << month << "/" << year;
                for (int cell = 0; row >= 2 && cell < 7; ++cell) {
                    const int day = ReadDayCell(block, row, cell);
                    if (day == 0)
                        continue;
                    ASSERT_EQ(day, expectedDay);
                    ASSERT_EQ(DayOfWeek(month, day, year), cell);
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
