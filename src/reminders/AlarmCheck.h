// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>

class CDiarySetHolder;
class CMonthIndex;
class CSettingsStore;
class IClock;
class INotifications;
class IPrompts;

// The minute check of today's alarms. Each alarm is shown once, in the
// quarter hour before its time, in a box and (where the desktop has them) a
// notification. The minute of each check is kept in the settings, so alarms
// whose quarter hour passed unseen (the program closed, the machine asleep,
// the clock moved on) are caught up at the next check, all in one box.
class CAlarmCheck {
public:
    // `notifications` may be null: the desktop has none.
    CAlarmCheck(CDiarySetHolder& diary, CMonthIndex& index, IPrompts& prompts, const IClock& clock,
                CSettingsStore& settings, INotifications* notifications);

    void CheckAlarms();
    bool IsChecking() const { return m_checking; }

private:
    QDateTime LastChecked() const;
    void RememberCheck(const QDateTime& now);
    void ShowMissed(const QStringList& lines, int nowMinutes);
    void ShowDue(int slot, int nowMinutes);
    void Tell(const QString& text, const QString& caption);

    CDiarySetHolder& m_diary;
    CMonthIndex& m_index;
    IPrompts& m_prompts;
    const IClock& m_clock;
    CSettingsStore& m_settings;
    INotifications* m_notifications;
    bool m_checking = false;
};
