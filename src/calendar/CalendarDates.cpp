// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarDates.h"

#include <QDate>

#include "calendar/DateLib.h"
#include "platform/Clock.h"

namespace {
// One leading "0" for each bound the value lies below, as the stored texts
// were always written (so a negative value is padded, never truncated).
QString PadBelow(int value, std::initializer_list<int> bounds) {
    QString text = QString::number(value);
    for (const int bound : bounds) {
        if (value < bound)
            text.prepend(QLatin1Char('0'));
    }
    return text;
}

QString DayOrMonthText(int value) {
    return PadBelow(value, {10});
}
QString YearText(int year) {
    return PadBelow(year, {10, 100, 1000});
}
}  // namespace

QString DateKey(int day, int month, int year) {
    return DayOrMonthText(day) + DayOrMonthText(month) + YearText(year);
}

QString DateCompact(int day, int month, int year) {
    return YearText(year) + DayOrMonthText(month) + DayOrMonthText(day);
}

QString DateSlashed(int day, int month, int year) {
    return DayOrMonthText(day) + QLatin1Char('/') + DayOrMonthText(month) + QLatin1Char('/') +
           YearText(year);
}

CCalendarDates::CCalendarDates(const IClock& clock) : m_clock(clock) {
    RefreshToday();
    SetShown(m_todayDay, m_todayMonth, m_todayYear);
}

void CCalendarDates::RefreshToday() {
    const QDate today = m_clock.Now().date();
    m_todayDay = today.day();
    m_todayMonth = today.month();
    m_todayYear = today.year();
    m_todayCompact = DateCompact(m_todayDay, m_todayMonth, m_todayYear);
}

void CCalendarDates::GoToToday() {
    const QDate today = m_clock.Now().date();
    SetShown(today.day(), today.month(), today.year());
}

void CCalendarDates::SetShown(int day, int month, int year) {
    m_shownDay = day;
    m_shownMonth = month;
    m_shownYear = year;
}

QString CCalendarDates::FormatDateKey(int day, int month, int year, bool useToday) const {
    if (day == 0 && useToday)
        return DateKey(m_todayDay, m_todayMonth, m_todayYear);
    return DateKey(day, month, year);
}

QString CCalendarDates::FormatDateCompact(int day, int month, int year, bool useToday) const {
    if (day == 0 && useToday)
        return DateCompact(m_todayDay, m_todayMonth, m_todayYear);
    return DateCompact(day, month, year);
}

QString CCalendarDates::FormatDateSlashed(int day, int month, int year, bool useToday) const {
    if (day == 0 && useToday)
        return DateSlashed(m_todayDay, m_todayMonth, m_todayYear);
    return DateSlashed(day, month, year);
}

QString CCalendarDates::FormatLongDate(int day, int month, int year) {
    // Through the JDN rather than the C library's calendar time, which stops
    // at 1970 and 2038; an impossible day rolls over as it would there.
    const int julian = DateToJulian(month, day, year);
    int m = 0, d = 0, y = 0;
    JulianToDate(julian, m, d, y);
    if (y == 0)
        return QString();
    const char* weekday = WeekdayName(DayOfWeek(m, d, y));
    const char* monthName = MonthName(m);
    if (!weekday || !monthName)
        return QString();
    return QStringLiteral("%1, %2 %3 %4")
        .arg(QLatin1String(weekday), QLatin1String(monthName))
        .arg(d)
        .arg(y);
}
