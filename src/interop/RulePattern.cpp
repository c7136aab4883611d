#include "interop/RulePattern.h"

#include <QSet>
#include <algorithm>

#include "interop/PatternDays.h"
#include "interop/RuleExpansion.h"

namespace {
constexpr int kCheckedYears = 8;
constexpr int kStepLimit = 5000;

bool IsEmpty(const short* values) {
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// Positive values below `highest` + 1, ascending; empty when any is not.
QList<int> Values(const short* values, int size, int highest) {
    QList<int> list;
    for (int i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (values[i] < 1 || values[i] > highest)
            return {};
        list.append(values[i]);
    }
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

QList<int> Range(int first, int last) {
    QList<int> list;
    for (int v = first; v <= last; ++v) list.append(v);
    return list;
}

bool HasOnlyMonthAndDayParts(const icalrecurrencetype& rule) {
    const bool frequencyFits = rule.freq == ICAL_DAILY_RECURRENCE ||
                               rule.freq == ICAL_MONTHLY_RECURRENCE ||
                               rule.freq == ICAL_YEARLY_RECURRENCE;
    return frequencyFits && rule.interval == 1 && IsEmpty(rule.by_day) &&
           IsEmpty(rule.by_year_day) && IsEmpty(rule.by_week_no) && IsEmpty(rule.by_set_pos) &&
           IsEmpty(rule.by_hour) && IsEmpty(rule.by_minute) && IsEmpty(rule.by_second);
}

// The day-and-month part DDMM of the candidate pattern.
QString DayMonthPart(const icalrecurrencetype& rule, const icaltimetype& dtstart) {
    QList<int> days = Values(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, 31);
    if (IsEmpty(rule.by_month_day))
        days = rule.freq == ICAL_DAILY_RECURRENCE ? Range(1, 31) : QList<int>{dtstart.day};
    QList<int> months = Values(rule.by_month, ICAL_BY_MONTH_SIZE, 12);
    if (IsEmpty(rule.by_month))
        months = rule.freq == ICAL_YEARLY_RECURRENCE ? QList<int>{dtstart.month} : Range(1, 12);
    const QString dayPart = PartPatternFor(days, 1, 31);
    const QString monthPart = PartPatternFor(months, 1, 12);
    if (dayPart.isEmpty() || monthPart.isEmpty())
        return QString();
    return dayPart + monthPart;
}

// The year part covering the years from `first` to `last` with trailing
// stars: 2020 to 2029 gives 202*.
QString YearPart(int first, int last) {
    int span = 1;
    for (int stars = 0; stars <= 3; ++stars, span *= 10) {
        if (first / span == last / span) {
            const QString digits = QStringLiteral("%1").arg(first / span, 4 - stars, 10,
                                                            QLatin1Char('0'));
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

bool IsEndless(const icalrecurrencetype& rule) {
    return rule.count == 0 && icaltime_is_null_time(rule.until);
}
}  // namespace

QString PatternForRule(const icalrecurrencetype& rule, const icaltimetype& dtstart,
                       icaltimezone* localZone) {
    if (!HasOnlyMonthAndDayParts(rule))
        return QString();
    const QString dayMonth = DayMonthPart(rule, dtstart);
    if (dayMonth.isEmpty())
        return QString();
    if (IsEndless(rule)) {
        icaltimetype until = dtstart;
        until.year += kCheckedYears;
        until = icaltime_normalize(until);
        const Occurrences found = LocalOccurrences(rule, dtstart, until, localZone);
        const QString pattern = dayMonth + QStringLiteral("****");
        const QDate first = ToLocal(dtstart, localZone).day;
        const QDate last = ToLocal(until, localZone).day;
        return found.complete && SameDays(pattern, first, last, found.starts) ? pattern : QString();
    }
    icaltimetype end = dtstart;
    end.year = kLastPatternYear;
    const Occurrences found = LocalOccurrences(rule, dtstart, end, localZone);
    if (!found.complete || found.starts.isEmpty())
        return QString();
    const int firstYear = found.starts.first().day.year();
    const int lastYear = found.starts.last().day.year();
    const QString yearPart = YearPart(firstYear, lastYear);
    const std::optional<PatternDays> days = DaysOfPattern(dayMonth + yearPart);
    if (yearPart.isEmpty() || !days)
        return QString();
    const QDate spanFirst(days->first.year(), 1, 1);
    const QDate spanLast(days->last.isValid() ? days->last.year() : kLastPatternYear, 12, 31);
    const QString pattern = dayMonth + yearPart;
    return SameDays(pattern, spanFirst, spanLast, found.starts) ? pattern : QString();
}
