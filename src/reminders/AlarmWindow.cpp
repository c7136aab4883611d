// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/AlarmWindow.h"

#include <algorithm>

namespace {
constexpr int kLeadMinutes = 15;
constexpr int kMinutesPerDay = 24 * 60;

QDateTime StartOfMinute(const QDateTime& when) {
    const QTime time = when.time();
    return QDateTime(when.date(), QTime(time.hour(), time.minute()));
}
}  // namespace

int MinuteOfDay(const QTime& time) {
    return time.hour() * 60 + time.minute();
}

AlarmTiming TimeAlarm(int alarmMinutes, const QDateTime& now, const QDateTime& lastChecked) {
    if (alarmMinutes <= 0)
        return AlarmTiming::NotDue;
    const int nowMinutes = MinuteOfDay(now.time());
    if (alarmMinutes - kLeadMinutes < nowMinutes && nowMinutes < alarmMinutes)
        return AlarmTiming::Due;
    // An alarm past the day's last minute never comes, so is never missed either.
    if (!lastChecked.isValid() || nowMinutes < alarmMinutes || alarmMinutes >= kMinutesPerDay)
        return AlarmTiming::NotDue;
    const int opens = std::max(0, alarmMinutes - kLeadMinutes + 1);
    const QDateTime windowStart(now.date(), QTime(opens / 60, opens % 60));
    return StartOfMinute(lastChecked) < windowStart ? AlarmTiming::Missed : AlarmTiming::NotDue;
}
