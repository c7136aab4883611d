// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/AlarmCheck.h"

#include "calendar/CalendarDates.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "platform/Clock.h"
#include "platform/Notifications.h"
#include "platform/Prompts.h"
#include "reminders/AlarmWindow.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kCheckFormat = QStringLiteral("yyyy-MM-dd HH:mm");
const QString kSummary = QStringLiteral("Plenda");

QString ClockText(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString AlarmText(const AlarmSlot& alarm) {
    return ClockText(alarm.minutes) + QLatin1Char(' ') + alarm.message;
}

// Clears the running flag however the check ends.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }

private:
    bool& m_flag;
};
}  // namespace

CAlarmCheck::CAlarmCheck(CDiarySetHolder& diary, CMonthIndex& index, IPrompts& prompts,
                         const IClock& clock, CSettingsStore& settings,
                         INotifications* notifications)
    : m_diary(diary),
      m_index(index),
      m_prompts(prompts),
      m_clock(clock),
      m_settings(settings),
      m_notifications(notifications) {}

void CAlarmCheck::CheckAlarms() {
    // The timer fires again while an appointment box is open.
    if (m_checking)
        return;
    RunningFlag running(m_checking);
    const QDateTime now = m_clock.Now();
    const QDate today = now.date();
    // Yesterday's unsounded alarms must not sound today: gather today's afresh.
    if (m_index.AlarmDayKey() != DateKey(today.day(), today.month(), today.year()))
        m_index.GatherTodaysAlarms(m_diary.GetDiarySet(), m_clock);
    const QDateTime last = LastChecked();
    // Stored before any box opens: checks skipped while one is open count as unseen time.
    RememberCheck(now);
    const int nowMinutes = MinuteOfDay(now.time());
    QStringList missed;
    QList<int> due;
    for (int slot = 0; slot <= m_index.LastFilledSlot(); ++slot) {
        const AlarmSlot& alarm = m_index.Alarm(slot);
        switch (TimeAlarm(alarm.minutes, now, last)) {
            case AlarmTiming::Missed:
                missed.append(QStringLiteral("Missed: ") + AlarmText(alarm));
                m_index.SpendAlarm(slot);
                break;
            case AlarmTiming::Due:
                due.append(slot);
                break;
            case AlarmTiming::NotDue:
                break;
        }
    }
    if (!missed.isEmpty())
        ShowMissed(missed, nowMinutes);
    for (int slot : due) ShowDue(slot, nowMinutes);
}

QDateTime CAlarmCheck::LastChecked() const {
    const QString text = m_settings.ReadText(CSettingsStore::kSettingsSection,
                                             KeyName(Key::LastAlarmCheck));
    // Unreadable text counts as no check ever: nothing old is shown.
    return QDateTime::fromString(text, kCheckFormat);
}

void CAlarmCheck::RememberCheck(const QDateTime& now) {
    m_settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::LastAlarmCheck),
                         now.toString(kCheckFormat));
}

void CAlarmCheck::ShowMissed(const QStringList& lines, int nowMinutes) {
    Tell(lines.join(QLatin1Char('\n')),
         ClockText(nowMinutes) + QStringLiteral(" Missed appointments"));
}

void CAlarmCheck::ShowDue(int slot, int nowMinutes) {
    Tell(AlarmText(m_index.Alarm(slot)),
         ClockText(nowMinutes) + QStringLiteral(" You have an appointment"));
    m_index.SpendAlarm(slot);
}

// The notification goes first: the box waits for OK, the popup does not.
void CAlarmCheck::Tell(const QString& text, const QString& caption) {
    if (m_notifications)
        m_notifications->Notify(kSummary, text);
    m_prompts.ShowMessage(text, caption);
}
