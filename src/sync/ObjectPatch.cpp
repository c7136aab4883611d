// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/ObjectPatch.h"

#include <QTimeZone>
#include <cstdlib>
#include <optional>

#include "interop/EventWriter.h"
#include "interop/IcalHandles.h"
#include "sync/InteropCodec.h"

namespace {
constexpr int kAlarmLeadSeconds = 15 * 60;

IcalComponentPtr Parse(const QByteArray& text) {
    IcalComponentPtr calendar(icalparser_parse_string(text.constData()));
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return nullptr;
    return calendar;
}

QByteArray Text(icalcomponent* calendar) {
    char* text = icalcomponent_as_ical_string_r(calendar);
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

icalcomponent* Master(icalcomponent* calendar) {
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (!icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
            return event;
    }
    return nullptr;
}

bool Repeats(icalcomponent* event) {
    return icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
}

void RemoveAll(icalcomponent* event, icalproperty_kind kind) {
    while (icalproperty* p = icalcomponent_get_first_property(event, kind)) {
        icalcomponent_remove_property(event, p);
        icalproperty_free(p);
    }
}

icalproperty* Extension(icalcomponent* event, const char* name) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return p;
    }
    return nullptr;
}

void SetExtension(icalcomponent* event, const char* name, const QString& value) {
    if (icalproperty* old = Extension(event, name)) {
        icalcomponent_remove_property(event, old);
        icalproperty_free(old);
    }
    if (value.isEmpty())
        return;
    icalproperty* property = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(event, property);
}

void SetHoliday(icalcomponent* event, bool holiday) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        if (QString::fromUtf8(icalproperty_get_categories(p))
                .compare(QLatin1String(kHolidayCategory), Qt::CaseInsensitive) == 0) {
            if (!holiday) {
                icalcomponent_remove_property(event, p);
                icalproperty_free(p);
            }
            return;
        }
    }
    if (holiday)
        icalcomponent_add_property(event, icalproperty_new_categories(kHolidayCategory));
}

// The alarm this program writes: shown a quarter of an hour before the start.
bool IsOwnAlarm(icalcomponent* alarm) {
    icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
    icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!action || !trigger || icalproperty_get_action(action) != ICAL_ACTION_DISPLAY)
        return false;
    const icaltriggertype when = icalproperty_get_trigger(trigger);
    return icaltime_is_null_time(when.time) &&
           icaldurationtype_as_int(when.duration) == -kAlarmLeadSeconds;
}

void RemoveOwnAlarms(icalcomponent* event) {
    icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
    while (alarm) {
        icalcomponent* next = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT);
        if (IsOwnAlarm(alarm)) {
            icalcomponent_remove_component(event, alarm);
            icalcomponent_free(alarm);
        }
        alarm = next;
    }
}

std::optional<QTime> ClockTime(const QString& time) {
    if (time.size() != 4 || time == QLatin1String("0000"))
        return std::nullopt;
    const QTime at(time.left(2).toInt(), time.right(2).toInt());
    return at.isValid() ? std::optional<QTime>(at) : std::nullopt;
}

// A plain date "DDMMYYYY"; invalid for a pattern.
QDate PlainDate(const QString& date) {
    return date.contains(QLatin1Char('*')) ? QDate()
                                           : QDate::fromString(date, QStringLiteral("ddMMyyyy"));
}

// `t` moved by whole days, or by seconds in absolute time, staying in its zone.
icaltimetype Shifted(icaltimetype t, int days, qint64 seconds) {
    if (t.is_date) {
        icaltime_adjust(&t, days, 0, 0, 0);
        return t;
    }
    if (t.zone && !icaltime_is_utc(t)) {
        icaltimezone* zone = const_cast<icaltimezone*>(t.zone);
        icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
        icaltime_adjust(&utc, 0, 0, 0, static_cast<int>(seconds));
        return icaltime_convert_to_zone(utc, zone);
    }
    icaltime_adjust(&t, 0, 0, 0, static_cast<int>(seconds));
    return t;
}

// A property of `kind` holding `t`, in the zone `like` names.
icalproperty* TimeProperty(icalproperty_kind kind, icaltimetype t, icalproperty* like) {
    icalproperty* property = icalproperty_new(kind);
    icalproperty_set_value(property, t.is_date ? icalvalue_new_date(t) : icalvalue_new_datetime(t));
    icalparameter* tzid =
        like ? icalproperty_get_first_parameter(like, ICAL_TZID_PARAMETER) : nullptr;
    if (tzid && !icaltime_is_utc(t))
        icalproperty_add_parameter(property, icalparameter_new_clone(tzid));
    return property;
}

// Replaces the value of the time property `kind`, keeping its parameters.
void SetTime(icalcomponent* event, icalproperty_kind kind, icaltimetype t) {
    icalproperty* old = icalcomponent_get_first_property(event, kind);
    if (!old)
        return;
    icalproperty_set_value(old, t.is_date ? icalvalue_new_date(t) : icalvalue_new_datetime(t));
}

void Touch(icalcomponent* event, const QDateTime& stamp) {
    RemoveAll(event, ICAL_DTSTAMP_PROPERTY);
    icalcomponent_add_property(event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
                                          static_cast<time_t>(stamp.toSecsSinceEpoch()), 0,
                                          icaltimezone_get_utc_timezone())));
    if (icalproperty* sequence = icalcomponent_get_first_property(event, ICAL_SEQUENCE_PROPERTY))
        icalproperty_set_sequence(sequence, icalproperty_get_sequence(sequence) + 1);
}

// The override that now starts at `start` under `summary`: an occurrence
// moved by an earlier edit keeps the identity of the day it replaces.
icalcomponent* OverrideAt(icalcomponent* calendar, icaltimetype start, const QString& summary) {
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) &&
            icaltime_compare(icalcomponent_get_dtstart(event), start) == 0 &&
            QString::fromUtf8(icalcomponent_get_summary(event)) == summary)
            return event;
    }
    return nullptr;
}

void CopyProperties(icalcomponent* from, icalcomponent* to, icalproperty_kind kind) {
    for (icalproperty* p = icalcomponent_get_first_property(from, kind); p;
         p = icalcomponent_get_next_property(from, kind))
        icalcomponent_add_property(to, icalproperty_new_clone(p));
}
}  // namespace

CObjectPatch::CObjectPatch(QByteArray zoneId, QDateTime stamp)
    : m_zoneId(std::move(zoneId)), m_stamp(std::move(stamp)) {}

QByteArray CObjectPatch::Edit(const QByteArray& text, const SyncEntry& before,
                              const SyncEntry& after) const {
    IcalComponentPtr calendar = Parse(text);
    icalcomponent* event = calendar ? Master(calendar.get()) : nullptr;
    if (!event || !Apply(event, before, after))
        return {};
    return Text(calendar.get());
}

bool CObjectPatch::Apply(icalcomponent* event, const SyncEntry& before,
                         const SyncEntry& after) const {
    if (after.message != before.message)
        icalcomponent_set_summary(event, after.message.toUtf8().constData());
    if (after.holiday != before.holiday)
        SetHoliday(event, after.holiday);
    if (after.sound != before.sound)
        SetExtension(event, kTuneProperty, after.sound);
    if (!MoveStart(event, before, after))
        return false;
    Touch(event, m_stamp);
    return true;
}

bool CObjectPatch::MoveStart(icalcomponent* event, const SyncEntry& before,
                             const SyncEntry& after) const {
    const std::optional<QTime> oldTime = ClockTime(before.time);
    const std::optional<QTime> newTime = ClockTime(after.time);
    if (before.date == after.date && oldTime == newTime) {
        // A time text that is no clock time travels in this program's own
        // property.
        if (before.time != after.time && !newTime)
            SetExtension(event, kTimeProperty,
                         after.time == QLatin1String("0000") ? QString() : after.time);
        return true;
    }
    icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    const QDate oldDay = PlainDate(before.date);
    const QDate newDay = PlainDate(after.date);
    const bool allDay = start && icalproperty_get_dtstart(start).is_date;
    // A changed pattern, or a timed event made all-day (or the reverse),
    // takes this program's form of the new start.
    if (!start || !oldDay.isValid() || !newDay.isValid() || allDay != !newTime ||
        allDay != !oldTime) {
        ReplaceWhen(event, after);
        return true;
    }
    const QTimeZone zone(m_zoneId);
    const qint64 seconds = QDateTime(oldDay, oldTime.value_or(QTime(0, 0)), zone)
                               .secsTo(QDateTime(newDay, newTime.value_or(QTime(0, 0)), zone));
    const int days = static_cast<int>(oldDay.daysTo(newDay));
    SetTime(event, ICAL_DTSTART_PROPERTY, Shifted(icalcomponent_get_dtstart(event), days, seconds));
    if (icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY))
        SetTime(event, ICAL_DTEND_PROPERTY, Shifted(icalcomponent_get_dtend(event), days, seconds));
    return true;
}

void CObjectPatch::ReplaceWhen(icalcomponent* event, const SyncEntry& after) const {
    const IcalComponentPtr fresh = EntryToEvent(AsDiaryEntry(after), QStringLiteral("x"), m_stamp);
    if (!fresh)
        return;
    const bool override = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
    const icaltimetype was = icalcomponent_get_dtstart(event);
    for (const icalproperty_kind kind :
         {ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY, ICAL_DURATION_PROPERTY, ICAL_RRULE_PROPERTY,
          ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY}) {
        // An override keeps standing for its one occurrence.
        if (override && kind != ICAL_DTSTART_PROPERTY && kind != ICAL_DTEND_PROPERTY &&
            kind != ICAL_DURATION_PROPERTY)
            continue;
        RemoveAll(event, kind);
        CopyProperties(fresh.get(), event, kind);
    }
    // A pattern of any year keeps the year the event began in.
    icaltimetype start = icalcomponent_get_dtstart(event);
    if (after.date.endsWith(QLatin1String("****")) && !icaltime_is_null_time(was) &&
        QDate(was.year, start.month, start.day).isValid()) {
        start.year = was.year;
        SetTime(event, ICAL_DTSTART_PROPERTY, start);
    }
    SetExtension(event, kPatternProperty,
                 after.date.contains(QLatin1Char('*')) ? after.date : QString());
    RemoveOwnAlarms(event);
    for (icalcomponent* alarm =
             icalcomponent_get_first_component(fresh.get(), ICAL_VALARM_COMPONENT);
         alarm; alarm = icalcomponent_get_next_component(fresh.get(), ICAL_VALARM_COMPONENT))
        icalcomponent_add_component(event, icalcomponent_new_clone(alarm));
}

bool CObjectPatch::OccurrenceStart(icalcomponent* master, const SyncEntry& before,
                                   icaltimetype& start) const {
    const QDate day = PlainDate(before.date);
    if (!day.isValid() || !Repeats(master))
        return false;
    const icaltimetype first = icalcomponent_get_dtstart(master);
    if (first.is_date) {
        start = icaltime_from_day_of_year(day.dayOfYear(), day.year());
        start.is_date = 1;
        return true;
    }
    const std::optional<QTime> at = ClockTime(before.time);
    if (!at)
        return false;
    icaltimetype local = icaltime_null_time();
    local.year = day.year();
    local.month = day.month();
    local.day = day.day();
    local.hour = at->hour();
    local.minute = at->minute();
    if (!first.zone)
        // A floating series repeats at the same wall-clock time everywhere.
        start = local;
    else
        start = icaltime_convert_to_zone(
            icaltime_set_timezone(&local, icaltimezone_get_builtin_timezone(m_zoneId.constData())),
            const_cast<icaltimezone*>(first.zone));
    return true;
}

QByteArray CObjectPatch::EditOccurrence(const QByteArray& text, const SyncEntry& before,
                                        const SyncEntry& after) const {
    IcalComponentPtr calendar = Parse(text);
    icalcomponent* master = calendar ? Master(calendar.get()) : nullptr;
    if (master && !Repeats(master))
        return EditSpanDay(std::move(calendar), before, after);
    icaltimetype occurrence;
    if (!master || !OccurrenceStart(master, before, occurrence))
        return {};
    if (icalcomponent* moved = OverrideAt(calendar.get(), occurrence, before.message))
        return Apply(moved, before, after) ? Text(calendar.get()) : QByteArray();
    icalcomponent* override = icalcomponent_new_clone(master);
    for (const icalproperty_kind kind :
         {ICAL_RRULE_PROPERTY, ICAL_RDATE_PROPERTY, ICAL_EXDATE_PROPERTY, ICAL_EXRULE_PROPERTY})
        RemoveAll(override, kind);
    icalproperty* start = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
    icalcomponent_add_property(override,
                               TimeProperty(ICAL_RECURRENCEID_PROPERTY, occurrence, start));
    const icaltimetype first = icalcomponent_get_dtstart(master);
    const int days =
        static_cast<int>(QDate(first.year, first.month, first.day)
                             .daysTo(QDate(occurrence.year, occurrence.month, occurrence.day)));
    const qint64 seconds = first.is_date
                               ? 0
                               : icaltime_as_timet_with_zone(occurrence, occurrence.zone) -
                                     icaltime_as_timet_with_zone(first, first.zone);
    SetTime(override, ICAL_DTSTART_PROPERTY, Shifted(first, days, seconds));
    if (icalcomponent_get_first_property(override, ICAL_DTEND_PROPERTY))
        SetTime(override, ICAL_DTEND_PROPERTY,
                Shifted(icalcomponent_get_dtend(master), days, seconds));
    icalcomponent_add_component(calendar.get(), override);
    return Apply(override, before, after) ? Text(calendar.get()) : QByteArray();
}

QByteArray CObjectPatch::RemoveOccurrence(const QByteArray& text, const SyncEntry& before) const {
    IcalComponentPtr calendar = Parse(text);
    icalcomponent* master = calendar ? Master(calendar.get()) : nullptr;
    if (master && !Repeats(master))
        return RemoveSpanDay(std::move(calendar), before);
    icaltimetype occurrence;
    if (!master || !OccurrenceStart(master, before, occurrence))
        return {};
    if (icalcomponent* moved = OverrideAt(calendar.get(), occurrence, before.message)) {
        occurrence = icalcomponent_get_recurrenceid(moved);
        icalcomponent_remove_component(calendar.get(), moved);
        icalcomponent_free(moved);
    }
    icalcomponent_add_property(
        master, TimeProperty(ICAL_EXDATE_PROPERTY, occurrence,
                             icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY)));
    Touch(master, m_stamp);
    return Text(calendar.get());
}

bool CObjectPatch::IsSpan(const QByteArray& text) const {
    IcalComponentPtr calendar = Parse(text);
    icalcomponent* master = calendar ? Master(calendar.get()) : nullptr;
    return master && !Repeats(master);
}

QByteArray CObjectPatch::EditSpanDay(IcalComponentPtr calendar, const SyncEntry& before,
                                     const SyncEntry& after) const {
    if (before.date != after.date || before.time != after.time ||
        !Apply(Master(calendar.get()), before, after))
        return {};
    return Text(calendar.get());
}

QByteArray CObjectPatch::RemoveSpanDay(IcalComponentPtr calendar, const SyncEntry& before) const {
    icalcomponent* master = Master(calendar.get());
    const QDate day = PlainDate(before.date);
    icaltimetype start = icalcomponent_get_dtstart(master);
    icaltimetype end = icalcomponent_get_dtend(master);
    if (!day.isValid() || !start.is_date || icaltime_is_null_time(end))
        return {};
    const QDate first(start.year, start.month, start.day);
    const QDate last = QDate(end.year, end.month, end.day).addDays(-1);
    if (day == first)
        icaltime_adjust(&start, 1, 0, 0, 0);
    else if (day == last)
        icaltime_adjust(&end, -1, 0, 0, 0);
    else
        return {};
    icalproperty* like = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
    // The end written out, so that a DURATION need not be recounted.
    RemoveAll(master, ICAL_DURATION_PROPERTY);
    RemoveAll(master, ICAL_DTEND_PROPERTY);
    icalcomponent_add_property(master, TimeProperty(ICAL_DTEND_PROPERTY, end, like));
    SetTime(master, ICAL_DTSTART_PROPERTY, start);
    Touch(master, m_stamp);
    return Text(calendar.get());
}
