// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/LocalTimes.h"

#include "interop/PatternDays.h"

LocalStart ToLocal(const icaltimetype& t, icaltimezone* localZone) {
    icaltimetype local = t;
    if (!t.is_date && localZone && (t.zone || icaltime_is_utc(t)))
        local = icaltime_convert_to_zone(t, localZone);
    LocalStart start;
    start.day = QDate(local.year, local.month, local.day);
    if (!local.is_date)
        start.time = QTime(local.hour, local.minute);
    return start;
}

QString AlarmText(const std::optional<QTime>& time) {
    if (!time || !time->isValid())
        return QStringLiteral("0000");
    // "0000" is the diary's "no time"; midnight keeps its time as the day's 24:00.
    if (*time == QTime(0, 0))
        return QStringLiteral("2400");
    return time->toString(QStringLiteral("HHmm"));
}

icaltimetype DayBoundary(const icaltimetype& like, const QDate& day, bool endOfDay) {
    icaltimetype t = like;
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    if (!t.is_date) {
        t.hour = endOfDay ? 23 : 0;
        t.minute = endOfDay ? 59 : 0;
        t.second = endOfDay ? 59 : 0;
    }
    return t;
}

bool IsDiaryDay(const QDate& day) {
    return day.isValid() && day.year() >= kFirstPatternYear && day.year() <= kLastPatternYear;
}

icaltimetype ZonedTime(icaltimetype t, icalproperty* property, icalcomponent* event) {
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (t.is_date || icaltime_is_utc(t) || !tzid)
        return t;
    const char* name = icalparameter_get_tzid(tzid);
    icaltimezone* zone = nullptr;
    for (icalcomponent* c = event; c && !zone; c = icalcomponent_get_parent(c))
        zone = icalcomponent_get_timezone(c, name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(name);
    if (zone)
        icaltime_set_timezone(&t, zone);
    return t;
}

EventLength LengthBetween(const icaltimetype& start, const icaltimetype& end) {
    if (icaltime_is_null_time(end))
        return {};
    if (start.is_date || end.is_date) {
        const QDate first(start.year, start.month, start.day);
        return {std::max<qint64>(0, first.daysTo(QDate(end.year, end.month, end.day))), 0};
    }
    return {0, std::max<qint64>(0, static_cast<qint64>(icaltime_as_timet_with_zone(end, end.zone)) -
                                       icaltime_as_timet_with_zone(start, start.zone))};
}

EventLength LengthOf(icalcomponent* event, const icaltimetype& dtstart) {
    return LengthBetween(dtstart, icalcomponent_get_dtend(event));
}

Occurrence OccurrenceAt(const icaltimetype& start, const EventLength& length,
                        icaltimezone* localZone) {
    const LocalStart first = ToLocal(start, localZone);
    Occurrence occurrence{first, first.day};
    if (start.is_date) {
        occurrence.lastDay = first.day.addDays(std::max<qint64>(0, length.days - 1));
        return occurrence;
    }
    if (length.seconds == 0)
        return occurrence;
    const icaltimetype end = icaltime_from_timet_with_zone(
        icaltime_as_timet_with_zone(start, start.zone) + length.seconds, 0,
        const_cast<icaltimezone*>(start.zone));
    const LocalStart last = ToLocal(end, localZone);
    occurrence.lastDay = last.day;
    if (last.time == QTime(0, 0) && last.day > first.day)
        occurrence.lastDay = last.day.addDays(-1);
    return occurrence;
}
