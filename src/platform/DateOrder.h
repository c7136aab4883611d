// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The order in which the user types day, month and year.
enum class DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

class IDateOrder {
public:
    virtual ~IDateOrder() = default;
    // Asked at each use: the user may change the locale while the program runs.
    virtual DateOrder Current() const = 0;
};
