// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

#include "reminders/AlarmWindow.h"

class CSettingsStore;

// The alarms already shown, kept in the settings so that no restart, second
// window or clock change shows one again. An alarm is known by its moment and
// a digest of its message; records of alarms more than a day old are dropped
// at each save, so the list stays as short as a day's alarms.
class CShownAlarms {
public:
    explicit CShownAlarms(CSettingsStore& settings);

    bool Contains(const DiaryAlarm& alarm) const;
    void Add(const DiaryAlarm& alarm);
    // Writes the records of alarms not older than a day before `now`.
    void Save(const QDateTime& now);

private:
    static QString RecordOf(const DiaryAlarm& alarm);

    CSettingsStore& m_settings;
    QSet<QString> m_records;
};
