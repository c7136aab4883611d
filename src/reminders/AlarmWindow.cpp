// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/AlarmWindow.h"

namespace {
constexpr qint64 kLeadSeconds = 15 * 60;

QDateTime StartOfMinute(const QDateTime& when) {
    const QTime time = when.time();
    return QDateTime(when.date(), QTime(time.hour(), time.minute()));
}
}  // namespace

AlarmTiming TimeAlarm(const QDateTime& at, const QDateTime& now, const QDateTime& lookBackStart,
                      bool shown) {
    if (shown || !at.isValid())
        return AlarmTiming::NotDue;
    const QDateTime minute = StartOfMinute(now);
    if (at.addSecs(-kLeadSeconds) < minute && minute < at)
        return AlarmTiming::Due;
    if (lookBackStart.isValid() && StartOfMinute(lookBackStart) < at && at <= minute)
        return AlarmTiming::Missed;
    return AlarmTiming::NotDue;
}

QDateTime LookBackStart(const QDateTime& now, const QDateTime& lastChecked) {
    const QDateTime earliest = now.addDays(-kLookBackDays);
    if (lastChecked.isValid() && lastChecked < earliest)
        return earliest;
    return lastChecked;
}
