// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/EventReader.h"

#include <QCoreApplication>

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
    bool unkept = false;
};

// Text an entry has no place for: a location or a description.
bool HasUnkeptText(icalcomponent* event) {
    for (const icalproperty_kind kind : {ICAL_LOCATION_PROPERTY, ICAL_DESCRIPTION_PROPERTY}) {
        icalproperty* p = icalcomponent_get_first_property(event, kind);
        const char* text = p ? icalproperty_get_value_as_string(p) : nullptr;
        if (text && *text)
            return true;
    }
    return false;
}

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
    facts.unkept = HasUnkeptText(event);
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

// The entries of the occurrences (sorted by start), each day and time once:
// a start day with its time, the other days an occurrence covers without
// one. Days come as they are produced, so the memory is that of the entries.
bool AddOccurrences(QList<DiaryEntry>& entries, const EventFacts& facts,
                    const QList<Occurrence>& occurrences, const EventReadContext* window) {
    QSet<QString> seen;
    const auto add = [&](const QDate& day, const QString& time) {
        if (!IsDiaryDay(day) || (window && (day < window->windowFirst || day > window->windowLast)))
            return;
        const DiaryEntry entry = MakeEntry(facts, DayKeyOf(day), time);
        if (!seen.contains(entry.date + entry.time)) {
            seen.insert(entry.date + entry.time);
            entries.append(entry);
        }
    };
    QDate covered;
    for (const Occurrence& occurrence : occurrences) {
        add(occurrence.start.day, TimeText(facts, occurrence.start));
        QDate day = occurrence.start.day.addDays(1);
        if (covered.isValid() && covered >= day)
            day = covered.addDays(1);
        for (; day <= occurrence.lastDay; day = day.addDays(1)) add(day, QStringLiteral("0000"));
        if (!covered.isValid() || occurrence.lastDay > covered)
            covered = occurrence.lastDay;
        if (entries.size() > kMostEntriesOfOneEvent)
            return false;
    }
    return true;
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

// The one rule patterns may stand for: no extra dates, no exceptions, no
// replaced occurrences, one day per occurrence.
QStringList MappedPatterns(icalcomponent* event, const icaltimetype& dtstart, int span,
                           const EventReadContext& context) {
    if (span != 0 || CountProperties(event, ICAL_RRULE_PROPERTY) != 1 ||
        CountProperties(event, ICAL_RDATE_PROPERTY) != 0 ||
        CountProperties(event, ICAL_EXDATE_PROPERTY) != 0 ||
        context.replacedDays.contains(UidOf(event)))
        return {};
    icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    return PatternForRule(icalproperty_get_rrule(rrule), dtstart, context.localZone);
}

struct WindowOccurrences {
    QList<Occurrence> occurrences;
    bool complete = true;
};

void AddRuleStarts(icalcomponent* event, const icaltimetype& dtstart, const EventLength& length,
                   int span, const EventReadContext& context, WindowOccurrences& found) {
    // An occurrence that starts before the window may still cover its days.
    const QDate earliest = context.windowFirst.addDays(-span - 2);
    const icaltimetype from = DayBoundary(dtstart, earliest, false);
    const icaltimetype until = DayBoundary(dtstart, context.windowLast.addDays(1), true);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const RuleStarts rule =
            ExpandRule(icalproperty_get_rrule(p), dtstart, from, until, kStepLimit);
        found.complete = found.complete && rule.complete;
        for (const icaltimetype& t : rule.starts)
            found.occurrences.append(OccurrenceAt(t, length, context.localZone));
    }
}

// An RDATE's start, zoned as DTSTART is, and a period's own length.
std::pair<icaltimetype, std::optional<EventLength>> ExtraDate(icalproperty* p,
                                                              icalcomponent* event) {
    const icaldatetimeperiodtype when = icalproperty_get_rdate(p);
    if (!icaltime_is_null_time(when.time))
        return {ZonedTime(when.time, p, event), std::nullopt};
    const icaltimetype start = ZonedTime(when.period.start, p, event);
    icaltimetype end = ZonedTime(when.period.end, p, event);
    if (icaltime_is_null_time(end))
        end = icaltime_add(start, when.period.duration);
    return {start, LengthBetween(start, end)};
}

void AddExtraDates(icalcomponent* event, const EventLength& length, icaltimezone* localZone,
                   QList<Occurrence>& occurrences) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const auto [start, own] = ExtraDate(p, event);
        if (!icaltime_is_null_time(start))
            occurrences.append(OccurrenceAt(start, own.value_or(length), localZone));
    }
}

QList<LocalStart> Exceptions(icalcomponent* event, icaltimezone* localZone) {
    QList<LocalStart> exceptions;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype t = ZonedTime(icalproperty_get_exdate(p), p, event);
        if (!icaltime_is_null_time(t))
            exceptions.append(ToLocal(t, localZone));
    }
    return exceptions;
}

bool Earlier(const Occurrence& a, const Occurrence& b) {
    const LocalStart& x = a.start;
    const LocalStart& y = b.start;
    return x.day != y.day ? x.day < y.day : x.time.value_or(QTime()) < y.time.value_or(QTime());
}

// Every occurrence around the window: DTSTART, the rules' starts and the
// extra dates, less the exceptions and the replaced occurrences, in order.
WindowOccurrences OccurrencesInWindow(icalcomponent* event, const icaltimetype& dtstart,
                                      const EventLength& length, int span,
                                      const EventReadContext& context) {
    WindowOccurrences found;
    found.occurrences.append(OccurrenceAt(dtstart, length, context.localZone));
    AddRuleStarts(event, dtstart, length, span, context, found);
    AddExtraDates(event, length, context.localZone, found.occurrences);
    const QList<LocalStart> exceptions = Exceptions(event, context.localZone);
    const QSet<QDate> replaced = context.replacedDays.value(UidOf(event));
    const auto dropped = [&](const Occurrence& o) {
        return replaced.contains(o.start.day) ||
               std::any_of(exceptions.cbegin(), exceptions.cend(), [&](const LocalStart& ex) {
                   return ex.day == o.start.day &&
                          (!ex.time || !o.start.time || ex.time == o.start.time);
               });
    };
    QList<Occurrence>& list = found.occurrences;
    list.erase(std::remove_if(list.begin(), list.end(), dropped), list.end());
    std::stable_sort(list.begin(), list.end(), Earlier);
    return found;
}

EventEntries Expanded(icalcomponent* event, const icaltimetype& dtstart, const EventLength& length,
                      int span, const EventFacts& facts, const EventReadContext& context) {
    const WindowOccurrences found = OccurrencesInWindow(event, dtstart, length, span, context);
    if (!found.complete)
        return Skipped(
            QCoreApplication::translate("CCalendarTransfer", "repeats too often to list"));
    EventEntries result{EventKind::Expanded, {}, QString()};
    if (!AddOccurrences(result.entries, facts, found.occurrences, &context))
        return EventEntries{EventKind::TooMany, {}, facts.message};
    if (result.entries.isEmpty())
        return Skipped(QCoreApplication::translate("CCalendarTransfer",
                                                   "has no occurrence in the listed years"));
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
            return QCoreApplication::translate("CCalendarTransfer",
                                               "repeats more often than once a day");
        if (!CanOccur(rule))
            return QCoreApplication::translate("CCalendarTransfer", "has a rule that never occurs");
    }
    return QString();
}
EventEntries ReadEventAs(icalcomponent* event, const EventFacts& facts,
                         const EventReadContext& context);
}  // namespace

EventEntries ReadEvent(icalcomponent* event, const EventReadContext& context) {
    const EventFacts facts = ReadFacts(event);
    EventEntries read = ReadEventAs(event, facts, context);
    read.unkeptText = facts.unkept && read.kind != EventKind::Skipped;
    return read;
}

namespace {
EventEntries ReadEventAs(icalcomponent* event, const EventFacts& facts,
                         const EventReadContext& context) {
    if (facts.message.trimmed().isEmpty())
        return Skipped(QCoreApplication::translate("CCalendarTransfer", "has no title"));
    const icaltimetype dtstart = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(dtstart))
        return Skipped(QCoreApplication::translate("CCalendarTransfer", "has no start"));
    const LocalStart first = ToLocal(dtstart, context.localZone);
    if (!IsDiaryDay(first.day))
        return Skipped(QCoreApplication::translate("CCalendarTransfer",
                                                   "starts outside the years 1584 to 9999"));
    const EventLength length = LengthOf(event, dtstart);
    const Occurrence firstOccurrence = OccurrenceAt(dtstart, length, context.localZone);
    const int span = static_cast<int>(first.day.daysTo(firstOccurrence.lastDay));
    if (span > kLongestSpanDays)
        return Skipped(
            QCoreApplication::translate("CCalendarTransfer", "lasts longer than a year"));
    if (IsOwnPattern(facts, first))
        return EventEntries{
            EventKind::Pattern, {MakeEntry(facts, facts.pattern, TimeText(facts, first))}, {}};
    EventEntries result{EventKind::Dated, {}, QString()};
    if (!IsRecurring(event)) {
        AddOccurrences(result.entries, facts, {firstOccurrence}, nullptr);
        return result;
    }
    const QString ruleFault = RuleFault(event);
    if (!ruleFault.isEmpty())
        return Skipped(ruleFault);
    const QStringList patterns = MappedPatterns(event, dtstart, span, context);
    if (!patterns.isEmpty()) {
        const EventKind kind = patterns.size() > 1                           ? EventKind::Patterns
                               : patterns.first().contains(QLatin1Char('*')) ? EventKind::Pattern
                                                                             : EventKind::Dated;
        for (const QString& pattern : patterns)
            result.entries.append(MakeEntry(facts, pattern, TimeText(facts, first)));
        result.kind = kind;
        return result;
    }
    return Expanded(event, dtstart, length, span, facts, context);
}

}  // namespace

QDate ReplacedDay(icalcomponent* event, const EventReadContext& context) {
    icalproperty* p = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
    if (!p)
        return QDate();
    const icaltimetype id = ZonedTime(icalproperty_get_recurrenceid(p), p, event);
    return icaltime_is_null_time(id) ? QDate() : ToLocal(id, context.localZone).day;
}
