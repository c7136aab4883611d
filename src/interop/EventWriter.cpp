// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/EventWriter.h"

#include <QTime>

#include "interop/PatternDays.h"

namespace {
constexpr int kAlarmLeadSeconds = 15 * 60;

// The alarm time of a stored HHMM text that names a time of day.
std::optional<QTime> AlarmTime(const QString& time) {
    if (time.size() != 4 || time == QLatin1String("0000"))
        return std::nullopt;
    for (const QChar c : time) {
        if (!c.isDigit())
            return std::nullopt;
    }
    // 24:00 is how an import keeps an event at midnight: 00:00 of the same day.
    if (time == QLatin1String("2400"))
        return QTime(0, 0);
    const QTime at(time.left(2).toInt(), time.right(2).toInt());
    return at.isValid() ? std::optional<QTime>(at) : std::nullopt;
}

bool IsNoAlarm(const QString& time) {
    return time == QLatin1String("0000");
}

icaltimetype DayTime(const QDate& day, const std::optional<QTime>& at) {
    icaltimetype t = icaltime_null_time();
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    t.is_date = at ? 0 : 1;
    if (at) {
        t.hour = at->hour();
        t.minute = at->minute();
    }
    return t;
}

void AddText(icalcomponent* event, icalproperty* property) {
    icalcomponent_add_property(event, property);
}

void AddExtension(icalcomponent* event, const char* name, const QString& value) {
    icalproperty* property = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(event, property);
}

void AddRecurrence(icalcomponent* event, const PatternDays& days, const std::optional<QTime>& at) {
    if (!days.rule.isEmpty()) {
        QString rule = days.rule;
        if (days.last.isValid()) {
            const QTime lastTime = at.value_or(QTime());
            rule += QStringLiteral(";UNTIL=") + days.last.toString(QStringLiteral("yyyyMMdd"));
            if (at)
                rule += QLatin1Char('T') + lastTime.toString(QStringLiteral("HHmmss"));
        }
        const icalrecurrencetype recur =
            icalrecurrencetype_from_string(rule.toLatin1().constData());
        icalcomponent_add_property(event, icalproperty_new_rrule(recur));
    }
    for (const QDate& day : days.moreDates) {
        icaldatetimeperiodtype when;
        when.time = DayTime(day, at);
        when.period = icalperiodtype_null_period();
        icalcomponent_add_property(event, icalproperty_new_rdate(when));
    }
}

icalcomponent* DisplayAlarm(const QString& message) {
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-kAlarmLeadSeconds);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(message.toUtf8().constData()));
    return alarm;
}

void AddWhen(icalcomponent* event, const DiaryEntry& entry, const PatternDays& days) {
    const std::optional<QTime> at = AlarmTime(entry.time);
    // Without an end an all-day event lasts its day and a timed one is an
    // instant, which is what a diary entry is.
    icalcomponent_add_property(event, icalproperty_new_dtstart(DayTime(days.first, at)));
    AddRecurrence(event, days, at);
    if (at)
        icalcomponent_add_component(event, DisplayAlarm(entry.message));
    else if (!entry.time.isEmpty() && !IsNoAlarm(entry.time))
        AddExtension(event, kTimeProperty, entry.time);
}
}  // namespace

IcalComponentPtr EntryToEvent(const DiaryEntry& entry, const QString& uid, const QDateTime& stamp) {
    const std::optional<PatternDays> days = DaysOfPattern(entry.date);
    if (!days)
        return nullptr;
    IcalComponentPtr event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    AddText(e, icalproperty_new_uid(uid.toUtf8().constData()));
    AddText(
        e, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
               static_cast<time_t>(stamp.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone())));
    AddWhen(e, entry, *days);
    AddText(e, icalproperty_new_summary(entry.message.toUtf8().constData()));
    if (entry.holiday)
        AddText(e, icalproperty_new_categories(kHolidayCategory));
    if (entry.date.contains(QLatin1Char('*')))
        AddExtension(e, kPatternProperty, entry.date);
    if (!entry.tune.isEmpty())
        AddExtension(e, kTuneProperty, entry.tune);
    return event;
}
