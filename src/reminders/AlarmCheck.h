// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>

#include "reminders/AlarmWindow.h"
#include "reminders/ShownAlarms.h"

class CDiarySetHolder;
class CSettingsStore;
class IClock;
class INotifications;
class IPrompts;

// The minute check of the diary's alarms. Each alarm is shown once, in the
// quarter hour before its time, in a box and (where the desktop has them) a
// notification; the alarms shown are kept in the settings. The minute of each
// check is kept too, so alarms whose time passed unseen (the program closed,
// the machine asleep, the clock moved on) are told at the next check, all in
// one box, up to a week back.
class CAlarmCheck {
public:
    // `notifications` may be null: the desktop has none.
    CAlarmCheck(CDiarySetHolder& diary, IPrompts& prompts, const IClock& clock,
                CSettingsStore& settings, INotifications* notifications);

    void CheckAlarms();
    bool IsChecking() const { return m_checking; }
    // Tells `text` again at the first check five minutes from now.
    void Snooze(const QString& text);

private:
    struct Snoozed {
        QDateTime at;
        QString text;
    };
    QDateTime LastChecked() const;
    void RememberCheck(const QDateTime& now);
    QList<DiaryAlarm> ReadAlarms(const QDate& first, const QDate& last);
    QStringList TakeSnoozed(const QDateTime& now);
    void ShowMissed(QStringList lines, bool capped, const QDateTime& now);
    void Tell(const QString& text, const QString& caption);

    CDiarySetHolder& m_diary;
    IPrompts& m_prompts;
    const IClock& m_clock;
    CSettingsStore& m_settings;
    INotifications* m_notifications;
    CShownAlarms m_shown;
    QList<Snoozed> m_snoozed;
    bool m_checking = false;
    // A notification's snooze may come after this check is gone.
    std::shared_ptr<CAlarmCheck*> m_self = std::make_shared<CAlarmCheck*>(this);
};
