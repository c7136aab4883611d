// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/MonthText.h"

#include <QDate>
#include <cstdio>
#include <cstring>
#include <string>

#include "calendar/DateLib.h"

namespace {
constexpr int kThursday = 4;

char* Line(MonthTextBlock& block, int row) {
    return block.data() + row * kMonthTextStride;
}

void WriteTitle(MonthTextBlock& block, int month, int year, const WeekLayout& layout) {
    const int width = MonthTextWidth(layout);
    const std::string name = layout.names.MonthTitleName(month);
    char title[64];
    std::snprintf(title, sizeof title, "%s %4d", name.c_str(), year);
    const int n = static_cast<int>(std::strlen(title));
    const int right = width / 2 - n / 2;
    const int left = width - n - right;
    std::string line =
        std::string(left > 0 ? left : 0, ' ') + title + std::string(right > 0 ? right : 0, ' ');
    line.resize(width, ' ');
    std::memcpy(Line(block, 0), line.data(), width);
}

void WriteHeader(MonthTextBlock& block, const WeekLayout& layout) {
    const std::string header = WeekdayHeader(layout);
    std::memcpy(Line(block, 1), header.data(), header.size());
}

void WriteCell(MonthTextBlock& block, int row, int cell, int number) {
    char text[8];
    std::snprintf(text, sizeof text, " %2d", number);
    std::memcpy(Line(block, row) + 3 * cell, text, 3);
}

int FirstDayCell(const WeekLayout& layout) {
    return layout.weekNumbers ? 1 : 0;
}

int MonthLength(int month, int year) {
    // December always ends on the 31st; asking for January of the next year
    // would overflow the year at its maximum.
    if (month == 12)
        return 31;
    return DaysBetween(month, 1, year, month + 1, 1, year);
}
}  // namespace

int MonthTextWidth(const WeekLayout& layout) {
    return layout.weekNumbers ? kMonthTextWideWidth : kMonthTextWidth;
}

std::string WeekdayHeader(const WeekLayout& layout) {
    std::string header = layout.weekNumbers ? layout.names.WeekNumberHeader() : "";
    for (int column = 0; column < 7; ++column)
        header += std::string(" ") +
                  layout.names.WeekdayCell(WeekdayOfColumn(column, layout.firstWeekday));
    return header + " ";
}

void BuildMonthText(int month, int year, MonthTextBlock& block, const WeekLayout& layout) {
    const int width = MonthTextWidth(layout);
    block.fill('\0');
    for (int row = 0; row < kMonthTextRows; ++row) std::memset(Line(block, row), ' ', width);
    WriteTitle(block, month, year, layout);
    WriteHeader(block, layout);

    // No date (a year before 1584 or a month out of range) leaves the week rows blank.
    if (month < 1 || month > 12)
        return;
    const int weekday = DayOfWeek(month, 1, year);
    const int length = MonthLength(month, year);
    if (weekday < 0 || length < 28 || length > 31)
        return;
    const int firstColumn = ColumnOfWeekday(weekday, layout.firstWeekday);
    const int firstRowStart = DateToJulian(month, 1, year) - firstColumn;
    for (int day = 1; day <= length; ++day) {
        const int place = firstColumn + day - 1;
        const int row = 2 + place / 7;
        WriteCell(block, row, FirstDayCell(layout) + place % 7, day);
        if (layout.weekNumbers && (day == 1 || place % 7 == 0))
            WriteCell(block, row, 0,
                      WeekRowNumber(firstRowStart + 7 * (row - 2), layout.firstWeekday));
    }
}

const char* MonthTextLine(const MonthTextBlock& block, int row) {
    return block.data() + row * kMonthTextStride;
}

int ReadDayCell(const MonthTextBlock& block, int row, int cell, const WeekLayout& layout) {
    const int first = FirstDayCell(layout);
    if (row < 2 || row >= kMonthTextRows || cell < first || cell > first + 6)
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

int WeekdayOfColumn(int column, int firstWeekday) {
    return (firstWeekday + column) % 7;
}

int ColumnOfWeekday(int weekday, int firstWeekday) {
    return (weekday - firstWeekday + 7) % 7;
}

int WeekRowNumber(int rowStart, int firstWeekday) {
    // An ISO week runs Monday to Sunday and is numbered by the year its
    // Thursday lies in, so a row's Thursday names it whatever day the row
    // starts on: a Sunday-first row takes the number of its Monday to
    // Saturday, its Sunday belonging to the week before.
    const QDate thursday =
        QDate::fromJulianDay(rowStart + ColumnOfWeekday(kThursday, firstWeekday));
    return thursday.isValid() ? thursday.weekNumber() : 0;
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
