// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/MonthText.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "calendar/DateLib.h"

namespace {
constexpr char kHeader[] = " Su Mo Tu We Th Fr Sa ";

char* Line(MonthTextBlock& block, int row) {
    return block.data() + row * kMonthTextStride;
}

void WriteTitle(MonthTextBlock& block, int month, int year) {
    const char* name = MonthName(month);
    char title[64];
    std::snprintf(title, sizeof title, "%s %4d", name ? name : "", year);
    const int n = static_cast<int>(std::strlen(title));
    const int right = kMonthTextWidth / 2 - n / 2;
    const int left = kMonthTextWidth - n - right;
    std::string line =
        std::string(left > 0 ? left : 0, ' ') + title + std::string(right > 0 ? right : 0, ' ');
    line.resize(kMonthTextWidth, ' ');
    std::memcpy(Line(block, 0), line.data(), kMonthTextWidth);
}

int MonthLength(int month, int year) {
    // December always ends on the 31st; asking for January of the next year
    // would overflow the year at its maximum.
    if (month == 12)
        return 31;
    return DaysBetween(month, 1, year, month + 1, 1, year);
}
}  // namespace

void BuildMonthText(int month, int year, MonthTextBlock& block) {
    block.fill(' ');
    for (int row = 0; row < kMonthTextRows; ++row) Line(block, row)[kMonthTextWidth] = '\0';
    WriteTitle(block, month, year);
    std::memcpy(Line(block, 1), kHeader, kMonthTextWidth);

    // No date (a year before 1584 or a month out of range) leaves the week rows blank.
    if (month < 1 || month > 12)
        return;
    int weekday = DayOfWeek(month, 1, year);
    const int length = MonthLength(month, year);
    if (weekday < 0 || length < 28 || length > 31)
        return;
    int row = 2;
    for (int day = 1; day <= length; ++day) {
        char cell[8];
        std::snprintf(cell, sizeof cell, " %2d ", day);
        std::memcpy(Line(block, row) + 3 * weekday, cell, 4);
        if (weekday == 6) {
            weekday = 0;
            ++row;
        } else {
            ++weekday;
        }
    }
}

const char* MonthTextLine(const MonthTextBlock& block, int row) {
    return block.data() + row * kMonthTextStride;
}

int ReadDayCell(const MonthTextBlock& block, int row, int cell) {
    if (row < 1 || row >= kMonthTextRows || cell < 0 || cell > 6)
        return 0;
    const char* p = MonthTextLine(block, row) + 3 * cell;
    int value = 0;
    for (int i = 0; i < 3; ++i) {
        if (p[i] >= '0' && p[i] <= '9')
            value = value * 10 + (p[i] - '0');
        else if (value != 0)
            break;
    }
    return value;
}

void DayOfYearToDate(int dayOfYear, int year, int& day, int& month, int& outYear) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int e = leap ? 60 : 59;
    // Cumulative ends of January .. November.
    const int ends[11] = {31,      e,       e + 31,  e + 61,  e + 92, e + 122,
                          e + 153, e + 184, e + 214, e + 245, e + 275};
    outYear = year;
    for (int m = 11; m >= 1; --m) {
        if (dayOfYear > ends[m - 1]) {
            month = m + 1;
            day = dayOfYear - ends[m - 1];
            return;
        }
    }
    month = 1;
    day = dayOfYear;
}
