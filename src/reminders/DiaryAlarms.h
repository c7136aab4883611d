// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>

#include "reminders/AlarmWindow.h"

class CDiaryRecordset;

// The alarms of the entries of an open `set` that fall on the days `first` to
// `last`, in time order (entries of one time in the order read). An entry
// with a time of four blanks, 00:00 or one that does not read as a time has
// none. The same time and message on a day is one alarm. Reads the records as
// last fetched.
QList<DiaryAlarm> AlarmsOnDays(CDiaryRecordset& set, const QDate& first, const QDate& last);
