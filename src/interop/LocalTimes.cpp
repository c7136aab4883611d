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
