// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

#include <libical/ical.h>

// An event's start as the diary keeps it: the user's local day, and the
// local time of day for a timed start.
struct LocalStart {
    QDate day;
    std::optional<QTime> time;
    bool operator==(const LocalStart& other) const {
        return day == other.day && time == other.time;
    }
};

// A date stays as it is, a floating time too; a time in a zone (or UTC) is
// converted to `localZone` when there is one.
LocalStart ToLocal(const icaltimetype& t, icaltimezone* localZone);
// The diary's alarm time: "HHMM", "2400" for midnight, or "0000" for none.
QString AlarmText(const std::optional<QTime>& time);
// The start or the end of `day` as a time of the same kind and zone as `like`.
icaltimetype DayBoundary(const icaltimetype& like, const QDate& day, bool endOfDay);
// A date the diary can hold: the years 1584 to 9999.
bool IsDiaryDay(const QDate& day);

// A time of `property` of `event` in the zone its TZID names, looked up as
// for DTSTART: the file's own VTIMEZONEs first, then the built-in zones.
icaltimetype ZonedTime(icaltimetype t, icalproperty* property, icalcomponent* event);

// How long each occurrence lasts: whole days from a date, exact seconds from
// a time.
struct EventLength {
    qint64 days = 0;
    qint64 seconds = 0;
};
EventLength LengthOf(icalcomponent* event, const icaltimetype& dtstart);
// The same from an explicit end, as an RDATE period gives one.
EventLength LengthBetween(const icaltimetype& start, const icaltimetype& end);

// One occurrence in local days: its start and the last day it covers, on
// its own (a daylight-saving change between two occurrences moves only the
// later one's end). An end at midnight leaves that day out.
struct Occurrence {
    LocalStart start;
    QDate lastDay;
};
Occurrence OccurrenceAt(const icaltimetype& start, const EventLength& length,
                        icaltimezone* localZone);
