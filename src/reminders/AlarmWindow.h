// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// One timed entry on one day: the moment it names, the day and time as the
// entry gives them ("HH:MM") and its message. A time of 24:00 names the next
// day's midnight.
struct DiaryAlarm {
    QDateTime at;
    QDate day;
    QString clock;
    QString message;
};

// Where an alarm stands at one check of the clock.
enum class AlarmTiming {
    NotDue,  // its quarter hour is still to come, or it was shown already
    Due,     // the check falls in its quarter hour: show it now
    Missed,  // its time passed since the last check and it was never shown
};

// How far back a check looks for alarms it has not shown.
inline constexpr int kLookBackDays = 7;

// An alarm shows from 14 minutes before its time to 1 minute before it, never
// at the minute itself, whichever day that quarter hour begins on. One not
// shown whose time came after `lookBackStart` (the last check, invalid when
// there was none) and by `now` is missed; an alarm added after the last check
// for a time already passed counts too, since nothing showed it.
AlarmTiming TimeAlarm(const QDateTime& at, const QDateTime& now, const QDateTime& lookBackStart,
                      bool shown);

// The last check, brought forward to `kLookBackDays` before `now` when older.
QDateTime LookBackStart(const QDateTime& now, const QDateTime& lastChecked);
