// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/RulePattern.h"

#include <QSet>
#include <algorithm>

#include "calendar/CalendarDates.h"
#include "interop/PatternDays.h"
#include "interop/RuleExpansion.h"

namespace {
// Two years show a yearly interval; four include a leap day (but around
// 2100, where a leap-day rule is then listed day by day instead).
constexpr int kCheckedYears = 4;
constexpr int kStepLimit = 5000;

// The day-and-month part DDMM whose days and months are those the starts
// fall on; empty when no part gives them.
QString DayMonthPart(const QList<LocalStart>& starts) {
    QSet<int> daySet;
    QSet<int> monthSet;
    for (const LocalStart& start : starts) {
        daySet.insert(start.day.day());
        monthSet.insert(start.day.month());
    }
    QList<int> days(daySet.cbegin(), daySet.cend());
    QList<int> months(monthSet.cbegin(), monthSet.cend());
    std::sort(days.begin(), days.end());
    std::sort(months.begin(), months.end());
    const QString dayPart = PartPatternFor(days, 1, 31);
    const QString monthPart = PartPatternFor(months, 1, 12);
    return dayPart.isEmpty() || monthPart.isEmpty() ? QString() : dayPart + monthPart;
}

// The year part covering the years from `first` to `last` with trailing
// stars: 2020 to 2029 gives 202*.
QString YearPart(int first, int last) {
    int span = 1;
    for (int stars = 0; stars <= 3; ++stars, span *= 10) {
        if (first / span == last / span) {
            const QString digits =
                QStringLiteral("%1").arg(first / span, 4 - stars, 10, QLatin1Char('0'));
            return digits + QString(stars, QLatin1Char('*'));
        }
    }
    return QString();
}

struct Occurrences {
    QList<LocalStart> starts;
    bool complete = false;
};

Occurrences LocalOccurrences(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                             const icaltimetype& until, icaltimezone* localZone) {
    const RuleStarts found = ExpandRule(rule, dtstart, dtstart, until, kStepLimit);
    Occurrences result{{}, found.complete};
    for (const icaltimetype& t : found.starts) result.starts.append(ToLocal(t, localZone));
    return result;
}

bool SameDays(const QString& pattern, const QDate& from, const QDate& to,
              const QList<LocalStart>& starts) {
    if (starts.isEmpty())
        return false;
    QSet<QDate> days;
    for (const LocalStart& start : starts) {
        if (start.time != starts.first().time || start.day < from || start.day > to)
            return false;
        days.insert(start.day);
    }
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        if (PatternFallsOn(pattern, d) != days.contains(d))
            return false;
    }
    return true;
}

QString TwoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Whether `pattern` falls on a day from `from` up to, not including, `to`.
bool FallsBetween(const QString& pattern, const QDate& from, const QDate& to) {
    for (QDate d = from; d < to; d = d.addDays(1)) {
        if (PatternFallsOn(pattern, d))
            return true;
    }
    return false;
}

// `dayMonth` with the year parts that cover the years from `first` to 9999,
// each as wide as its alignment allows: 2025, ..., 2029, 203*, ..., 21**, ...
QStringList YearsFrom(int first, const QString& dayMonth) {
    QStringList parts;
    for (int year = first; year <= kLastPatternYear;) {
        int stars = 0;
        int width = 1;
        while (stars < 3 && year % (width * 10) == 0 && year + width * 10 - 1 <= kLastPatternYear) {
            ++stars;
            width *= 10;
        }
        parts << dayMonth +
                     QStringLiteral("%1").arg(year / width, 4 - stars, 10, QLatin1Char('0')) +
                     QString(stars, QLatin1Char('*'));
        year += width;
    }
    return parts;
}

// The endless `dayMonth` pattern cut so that it marks no day before `first`.
QStringList CoverFrom(const QString& dayMonth, const QDate& first) {
    const QString year = QString::number(first.year());
    const QDate monthStart(first.year(), first.month(), 1);
    const QString firstMonth = dayMonth.left(2) + TwoDigits(first.month()) + year;
    if (!FallsBetween(dayMonth + year, QDate(first.year(), 1, 1), first))
        return YearsFrom(first.year(), dayMonth);
    QStringList cover;
    if (!FallsBetween(firstMonth, monthStart, first)) {
        cover << firstMonth;
    } else {
        for (QDate d = first; d.month() == first.month(); d = d.addDays(1)) {
            if (PatternFallsOn(firstMonth, d))
                cover << DateKey(d.day(), d.month(), d.year());
        }
    }
    for (int month = first.month() + 1; month <= 12; ++month) {
        const QDate start(first.year(), month, 1);
        if (FallsBetween(dayMonth + year, start, start.addMonths(1)))
            cover << dayMonth.left(2) + TwoDigits(month) + year;
    }
    return cover + YearsFrom(first.year() + 1, dayMonth);
}

bool IsEndless(const icalrecurrencetype& rule) {
    return rule.count == 0 && icaltime_is_null_time(rule.until);
}
}  // namespace

QStringList PatternForRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                           icaltimezone* localZone) {
    const bool endless = IsEndless(rule);
    icaltimetype until = dtstart;
    until.year = endless ? dtstart.year + kCheckedYears : kLastPatternYear;
    until = icaltime_normalize(until);
    const Occurrences found = LocalOccurrences(rule, dtstart, until, localZone);
    if (!found.complete || found.starts.isEmpty())
        return {};
    const QString dayMonth = DayMonthPart(found.starts);
    const QDate first = found.starts.first().day;
    const QString yearPart =
        endless ? QStringLiteral("****") : YearPart(first.year(), found.starts.last().day.year());
    if (dayMonth.isEmpty() || yearPart.isEmpty())
        return {};
    const QString pattern = dayMonth + yearPart;
    if (endless)
        return SameDays(pattern, first, ToLocal(until, localZone).day, found.starts)
                   ? CoverFrom(dayMonth, first)
                   : QStringList();
    const std::optional<PatternDays> days = DaysOfPattern(pattern);
    if (!days)
        return {};
    const QDate spanFirst(days->first.year(), 1, 1);
    const QDate spanLast(days->last.isValid() ? days->last.year() : kLastPatternYear, 12, 31);
    return SameDays(pattern, spanFirst, spanLast, found.starts) ? QStringList{pattern}
                                                                : QStringList();
}
