// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// A month laid out as text: 8 lines of 22 characters, each followed by a NUL,
// kept 23 characters apart. Line 0 is the centred title, line 1 the weekday
// header, lines 2 to 7 the week rows (Sunday first) in three-character cells.
inline constexpr int kMonthTextRows = 8;
inline constexpr int kMonthTextStride = 23;
inline constexpr int kMonthTextWidth = 22;
using MonthTextBlock = std::array<char, kMonthTextRows * kMonthTextStride>;

void BuildMonthText(int month, int year, MonthTextBlock& block);
// Line `row` (0..7) as a 22-character string view into the block.
const char* MonthTextLine(const MonthTextBlock& block, int row);
// The day of the month in cell `cell` (0 Sunday .. 6 Saturday) of line `row`;
// 0 for the header, empty cells and anything out of range.
int ReadDayCell(const MonthTextBlock& block, int row, int cell);
// The date of a day of year; no range check (366 in a common year is 32 December).
void DayOfYearToDate(int dayOfYear, int year, int& day, int& month, int& outYear);
