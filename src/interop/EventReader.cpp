// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/EventReader.h"

#include "calendar/CalendarDates.h"
#include "interop/EventWriter.h"
#include "interop/LocalTimes.h"
#include "interop/PatternDays.h"
#include "interop/RuleExpansion.h"
#include "interop/RulePattern.h"

namespace {
constexpr int kLongestSpanDays = 366;
constexpr int kStepLimit = 50000;

struct EventFacts {
    QString message;
    QString tune;
    QString pattern;
    QString time;
    bool holiday = false;
};

bool IsHolidayCategory(const QString& name) {
    const QString word = name.trimmed().toLower();
    return word == QLatin1String("holiday") || word == QLatin1String("holidays") ||
           word == QLatin1String("public holiday") || word == QLatin1String("public holidays");
}

bool HasHolidayCategory(icalcomponent* event) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        const char* value = icalproperty_get_categories(p);
        const QStringList names = QString::fromUtf8(value ? value : "").split(QLatin1Char(','));
        for (const QString& name : names) {
            if (IsHolidayCategory(name))
                return true;
        }
    }
    return false;
}

EventFacts ReadFacts(icalcomponent* event) {
    EventFacts facts;
    const char* summary = icalcomponent_get_summary(event);
    facts.message = QString::fromUtf8(summary ? summary : "");
    facts.holiday = HasHolidayCategory(event);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const QByteArray name = icalproperty_get_x_name(p);
        const char* raw = icalproperty_get_x(p);
        const QString value = QString::fromUtf8(raw ? raw : "");
        if (name == kPatternProperty)
            facts.pattern = value;
        else if (name == kTuneProperty)
            facts.tune = value;
        else if (name == kTimeProperty && value.size() == 4)
            facts.time = value;
    }
    return facts;
}

EventEntries Skipped(const QString& reason) {
    return EventEntries{EventKind::Skipped, {}, reason};
}

DiaryEntry MakeEntry(const EventFacts& facts, const QString& date, const QString& time) {
    return DiaryEntry{0, date, facts.message, facts.tune, facts.holiday, time};
}

QString DayKeyOf(const QDate& day) {
    return DateKey(day.day(), day.month(), day.year());
}

QString TimeText(const EventFacts& facts, const LocalStart& start) {
    return facts.time.isEmpty() ? AlarmText(start.time) : facts.time;
}

// Days after the first that the first occurrence covers: an end date is
// exclusive, and so is an end at midnight.
int SpanDays(icalcomponent* event, const icaltimetype& dtstart, const LocalStart& first,
             icaltimezone* localZone) {
    const icaltimetype dtend = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(dtend))
        return 0;
    const LocalStart end = ToLocal(dtend, localZone);
    if (!end.day.isValid())
        return 0;
    QDate last = end.day;
    if (dtstart.is_date || (end.time == QTime(0, 0) && end.day > first.day))
        last = last.addDays(-1);
    return std::max<qint64>(0, first.day.daysTo(last));
}

void AddSpan(QList<DiaryEntry>& entries, const EventFacts& facts, const LocalStart& start, int span,
             const EventReadContext* window) {
    for (int k = 0; k <= span; ++k) {
        const QDate day = start.day.addDays(k);
        if (window && (day < window->windowFirst || day > window->windowLast))
            continue;
        if (IsDiaryDay(day))
            entries.append(MakeEntry(facts, DayKeyOf(day),
                                     k == 0 ? TimeText(facts, start) : QStringLiteral("0000")));
    }
}

bool IsRecurring(icalcomponent* event) {
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

int CountProperties(icalcomponent* event, icalproperty_kind kind) {
    return icalcomponent_count_properties(event, kind);
}

QString UidOf(icalcomponent* event) {
    const char* uid = icalcomponent_get_uid(event);
    return QString::fromUtf8(uid ? uid : "");
}

// The one rule a pattern may stand for: no extra dates, no exceptions, no
// replaced occurrences, one day per occurrence.
QString MappedPattern(icalcomponent* event, const icaltimetype& dtstart, int span,
                      const EventReadContext& context) {
    if (span != 0 || CountProperties(event, ICAL_RRULE_PROPERTY) != 1 ||
        CountProperties(event, ICAL_RDATE_PROPERTY) != 0 ||
        CountProperties(event, ICAL_EXDATE_PROPERTY) != 0 ||
        context.replacedDays.contains(UidOf(event)))
        return QString();
    icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    return PatternForRule(icalproperty_get_rrule(rrule), dtstart, context.localZone);
}

struct WindowStarts {
    QList<LocalStart> starts;
    bool complete = true;
};

void AddRuleStarts(icalcomponent* event, const icaltimetype& dtstart,
                   const EventReadContext& context, WindowStarts& found) {
    const icaltimetype from = DayBoundary(dtstart, context.windowFirst.addDays(-1), false);
    const icaltimetype until = DayBoundary(dtstart, context.windowLast.addDays(1), true);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const RuleStarts rule =
            ExpandRule(icalproperty_get_rrule(p), dtstart, from, until, kStepLimit);
        found.complete = found.complete && rule.complete;
        for (const icaltimetype& t : rule.starts)
            found.starts.append(ToLocal(t, context.localZone));
    }
}

void AddDateList(icalcomponent* event, icalproperty_kind kind, icaltimezone* localZone,
                 QList<LocalStart>& starts) {
    for (icalproperty* p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind)) {
        const icaldatetimeperiodtype when =
            kind == ICAL_RDATE_PROPERTY
                ? icalproperty_get_rdate(p)
                : icaldatetimeperiodtype{icalproperty_get_exdate(p), icalperiodtype_null_period()};
        const icaltimetype t = icaltime_is_null_time(when.time) ? when.period.start : when.time;
        if (!icaltime_is_null_time(t))
            starts.append(ToLocal(t, localZone));
    }
}

// Every occurrence in the window: DTSTART, the rules' starts and the extra
// dates, less the exceptions and the replaced occurrences.
WindowStarts StartsInWindow(icalcomponent* event, const icaltimetype& dtstart,
                            const EventReadContext& context) {
    WindowStarts found;
    found.starts.append(ToLocal(dtstart, context.localZone));
    AddRuleStarts(event, dtstart, context, found);
    AddDateList(event, ICAL_RDATE_PROPERTY, context.localZone, found.starts);
    QList<LocalStart> exceptions;
    AddDateList(event, ICAL_EXDATE_PROPERTY, context.localZone, exceptions);
    const QSet<QDate> replaced = context.replacedDays.value(UidOf(event));
    QList<LocalStart> kept;
    for (const LocalStart& start : found.starts) {
        const bool excepted =
            std::any_of(exceptions.cbegin(), exceptions.cend(), [&](const LocalStart& ex) {
                return ex.day == start.day && (!ex.time || !start.time || ex.time == start.time);
            });
        if (!excepted && !replaced.contains(start.day) && !kept.contains(start))
            kept.append(start);
    }
    std::sort(kept.begin(), kept.end(), [](const LocalStart& a, const LocalStart& b) {
        return a.day != b.day ? a.day < b.day : a.time.value_or(QTime()) < b.time.value_or(QTime());
    });
    found.starts = kept;
    return found;
}

EventEntries Expanded(icalcomponent* event, const icaltimetype& dtstart, int span,
                      const EventFacts& facts, const EventReadContext& context) {
    const WindowStarts found = StartsInWindow(event, dtstart, context);
    if (!found.complete)
        return Skipped(QStringLiteral("repeats too often to list"));
    EventEntries result{EventKind::Expanded, {}, QString()};
    for (const LocalStart& start : found.starts)
        AddSpan(result.entries, facts, start, span, &context);
    return result;
}

bool IsOwnPattern(const EventFacts& facts, const LocalStart& first) {
    if (!IsDatePattern(facts.pattern))
        return false;
    const std::optional<PatternDays> days = DaysOfPattern(facts.pattern);
    return days && days->first == first.day;
}

// Why the event's rules cannot be followed; empty when they can.
QString RuleFault(icalcomponent* event) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(p);
        if (!IsDailyOrCoarser(rule))
            return QStringLiteral("repeats more often than once a day");
        if (!CanOccur(rule))
            return QStringLiteral("has a rule that never occurs");
    }
    return QString();
}
}  // namespace

EventEntries ReadEvent(icalcomponent* event, const EventReadContext& context) {
    const EventFacts facts = ReadFacts(event);
    if (facts.message.trimmed().isEmpty())
        return Skipped(QStringLiteral("has no title"));
    const icaltimetype dtstart = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(dtstart))
        return Skipped(QStringLiteral("has no start"));
    const LocalStart first = ToLocal(dtstart, context.localZone);
    if (!IsDiaryDay(first.day))
        return Skipped(QStringLiteral("starts outside the years 1584 to 9999"));
    const int span = SpanDays(event, dtstart, first, context.localZone);
    if (span > kLongestSpanDays)
        return Skipped(QStringLiteral("lasts longer than a year"));
    if (IsOwnPattern(facts, first))
        return EventEntries{
            EventKind::Pattern, {MakeEntry(facts, facts.pattern, TimeText(facts, first))}, {}};
    EventEntries result{EventKind::Dated, {}, QString()};
    if (!IsRecurring(event)) {
        AddSpan(result.entries, facts, first, span, nullptr);
        return result;
    }
    const QString ruleFault = RuleFault(event);
    if (!ruleFault.isEmpty())
        return Skipped(ruleFault);
    const QString pattern = MappedPattern(event, dtstart, span, context);
    if (!pattern.isEmpty()) {
        const EventKind kind =
            pattern.contains(QLatin1Char('*')) ? EventKind::Pattern : EventKind::Dated;
        return EventEntries{kind, {MakeEntry(facts, pattern, TimeText(facts, first))}, {}};
    }
    return Expanded(event, dtstart, span, facts, context);
}

QDate ReplacedDay(icalcomponent* event, const EventReadContext& context) {
    const icaltimetype id = icalcomponent_get_recurrenceid(event);
    if (icaltime_is_null_time(id))
        return QDate();
    return ToLocal(id, context.localZone).day;
}
