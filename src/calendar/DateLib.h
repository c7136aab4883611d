// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Gregorian dates from 1584 on, through Julian Day Numbers (JDN). Dates are
// passed as month, day, year; JDN 0 means "no date" (a year before 1584).
// Month and day are not range-checked: 30 February rolls over into March.

inline constexpr int kFirstJulianDay = 2299604;  // 1 January 1584

int DateToJulian(int month, int day, int year);
// All three 0 when the JDN is before 1 January 1584.
void JulianToDate(int julian, int& month, int& day, int& year);
int IsValidDate(int month, int day, int year);
// 0 Sunday .. 6 Saturday; -1 for no date.
int DayOfWeek(int month, int day, int year);
// 1 .. 366; 0 for no date.
int DayOfYear(int month, int day, int year);
// Days since the last day of the previous century; 0 for no date.
int DayOfCentury(int month, int day, int year);
// JDN of the second date minus JDN of the first; 0 when either is no date.
int DaysBetween(int month1, int day1, int year1, int month2, int day2, int year2);
// English names; null outside 0..6 and 1..12.
const char* WeekdayName(int weekday);
const char* MonthName(int month);
// "MM/DD/YY" for 1900..1999 and years below 100, else "MM/DD/YYYY".
QString FormatShortDate(int month, int day, int year);
