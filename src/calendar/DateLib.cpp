// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DateLib.h"

namespace {
constexpr int kJulianOf31Dec1583 = 2299603;
constexpr int kJulianOf31Dec1499 = 2268923;

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

QString TwoDigits(unsigned value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}
// Absurd arguments wrap a JDN; their differences must wrap too, not overflow.
int Difference(int later, int earlier) {
    return static_cast<int>(static_cast<long long>(later) - earlier);
}
}  // namespace

int DateToJulian(int month, int day, int year) {
    if (year < 1584)
        return 0;
    // The year is counted from 1 March, so the leap day ends it.
    // 64-bit throughout: a corrupt month, day or far year must not overflow.
    long long m = static_cast<long long>(month) - 3;
    long long y = year;
    if (month <= 2) {
        m = static_cast<long long>(month) + 9;
        y = static_cast<long long>(year) - 1;
    }
    const long long century = y / 100;
    const long long yearOfCentury = y % 100;
    const long long jdn =
        (century * 146097) / 4 + (yearOfCentury * 1461) / 4 + (153 * m + 2) / 5 + day + 1721119;
    return static_cast<int>(jdn);
}

void JulianToDate(int julian, int& month, int& day, int& year) {
    if (julian < kFirstJulianDay) {
        month = day = year = 0;
        return;
    }
    const long long t = 4LL * julian - 6884477;
    const long long centuries = t / 146097;
    const long long r = (t % 146097) / 4;
    const long long u = 4 * r + 3;
    const long long yearSoFar = u / 1461 + 100 * centuries;
    const long long v = (u % 1461) / 4 + 1;
    const long long w = 5 * v - 3;
    const long long n = w / 153 + 1;
    day = static_cast<int>((w % 153) / 5 + 1);
    month = static_cast<int>(n < 11 ? n + 2 : n - 10);
    year = static_cast<int>(yearSoFar + n / 11);
}

int IsValidDate(int month, int day, int year) {
    const int julian = DateToJulian(month, day, year);
    if (julian == 0)
        return 0;
    int m = 0, d = 0, y = 0;
    JulianToDate(julian, m, d, y);
    return (m == month && d == day && y == year) ? 1 : 0;
}

int DayOfWeek(int month, int day, int year) {
    const int julian = DateToJulian(month, day, year);
    if (julian == 0)
        return -1;
    // A JDN wrapped negative by absurd arguments still names a weekday, so
    // callers can index their tables with the result.
    const long long weekday = (static_cast<long long>(julian) + 1) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

int DayOfYear(int month, int day, int year) {
    const int julian = DateToJulian(month, day, year);
    if (julian == 0)
        return 0;
    int previous = DateToJulian(12, 31, year - 1);
    if (previous == 0)
        previous = kJulianOf31Dec1583;
    return Difference(julian, previous);
}

int DayOfCentury(int month, int day, int year) {
    const int julian = DateToJulian(month, day, year);
    if (julian == 0)
        return 0;
    int previous = DateToJulian(12, 31, (year / 100) * 100 - 1);
    if (previous == 0)
        previous = kJulianOf31Dec1499;
    return Difference(julian, previous);
}

int DaysBetween(int month1, int day1, int year1, int month2, int day2, int year2) {
    const int first = DateToJulian(month1, day1, year1);
    const int second = DateToJulian(month2, day2, year2);
    if (first == 0 || second == 0)
        return 0;
    return Difference(second, first);
}

const char* WeekdayName(int weekday) {
    return weekday >= 0 && weekday <= 6 ? kWeekdays[weekday] : nullptr;
}

const char* MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonths[month - 1] : nullptr;
}

QString FormatShortDate(int month, int day, int year) {
    if (year >= 1900 && year <= 1999)
        year -= 1900;
    // Each field prints as an unsigned number, so a negative one never shows a
    // minus sign that would break the fixed mm/dd/yy shape.
    const QString head = TwoDigits(static_cast<unsigned>(month)) + QLatin1Char('/') +
                         TwoDigits(static_cast<unsigned>(day)) + QLatin1Char('/');
    if (static_cast<unsigned>(year) < 100)
        return head + TwoDigits(static_cast<unsigned>(year));
    return head + QString::number(static_cast<unsigned>(year)).rightJustified(4, QLatin1Char('0'));
}
