// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "calendar/CalendarNames.h"

// How the week rows run: the weekday of the first column (0 Sunday ..
// 6 Saturday) and whether a column of ISO 8601 week numbers leads each row.
// The default is the month text as it always was. `names` spell the title
// and the weekday header.
struct WeekLayout {
    int firstWeekday = 0;
    bool weekNumbers = false;
    CCalendarNames names;
};

// A month laid out as text: 8 lines kept 26 characters apart, each 22
// characters (25 with week numbers) followed by NULs. Line 0 is the centred
// title, line 1 the weekday header, lines 2 to 7 the week rows in
// three-character cells; with week numbers the first cell of each line holds
// the row's week (headed by the names' week number header).
inline constexpr int kMonthTextRows = 8;
inline constexpr int kMonthTextStride = 26;
inline constexpr int kMonthTextWidth = 22;
inline constexpr int kMonthTextWideWidth = 25;
using MonthTextBlock = std::array<char, kMonthTextRows * kMonthTextStride>;

int MonthTextWidth(const WeekLayout& layout);
// Line 1 of the month text, MonthTextWidth() long: " Su Mo .. Sa " from the
// first weekday on, after the week number header with week numbers.
std::string WeekdayHeader(const WeekLayout& layout);
void BuildMonthText(int month, int year, MonthTextBlock& block, const WeekLayout& layout = {});
// Line `row` (0..7) as a string view into the block, MonthTextWidth() long.
const char* MonthTextLine(const MonthTextBlock& block, int row);
// The day of the month in text cell `cell` of line `row`; 0 for the header,
// the week-number cell, empty cells and anything out of range.
int ReadDayCell(const MonthTextBlock& block, int row, int cell, const WeekLayout& layout = {});
// The weekday (0 Sunday .. 6 Saturday) a day column (0..6) shows, and back.
int WeekdayOfColumn(int column, int firstWeekday);
int ColumnOfWeekday(int weekday, int firstWeekday);
// The ISO 8601 week number of the week row whose first column falls on JDN
// `rowStart`: the week of the row's Thursday.
int WeekRowNumber(int rowStart, int firstWeekday);
// The date of a day of year; no range check (366 in a common year is 32 December).
void DayOfYearToDate(int dayOfYear, int year, int& day, int& month, int& outYear);
