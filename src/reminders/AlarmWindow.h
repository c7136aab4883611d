// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// Where an alarm stands at one check of the clock.
enum class AlarmTiming {
    NotDue,  // its quarter hour is still to come, or was seen by an earlier check
    Due,     // the check falls in its quarter hour: show it now
    Missed,  // its quarter hour passed between the last check and this one
};

// An alarm at `alarmMinutes` past today's midnight shows from 14 minutes
// before its time to 1 minute before it, never at the minute itself, and
// not before midnight. `lastChecked` is the minute the check last ran,
// invalid when it never has; a last check at or after the window's start
// saw the alarm, so only a window wholly between the two checks is missed.
AlarmTiming TimeAlarm(int alarmMinutes, const QDateTime& now, const QDateTime& lastChecked);

// Minutes since midnight.
int MinuteOfDay(const QTime& time);
