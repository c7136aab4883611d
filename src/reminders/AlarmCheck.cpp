// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/AlarmCheck.h"

#include <QCoreApplication>
#include <QLocale>

#include "calendar/CalendarNames.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "platform/Clock.h"
#include "platform/Notifications.h"
#include "platform/Prompts.h"
#include "reminders/DiaryAlarms.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kCheckFormat = QStringLiteral("yyyy-MM-dd HH:mm");
const QString kSummary = QStringLiteral("Plenda");
constexpr qint64 kSnoozeSeconds = 5 * 60;

QString ClockText(const QDateTime& when) {
    return when.toString(QStringLiteral("HH:mm"));
}

QString AlarmText(const DiaryAlarm& alarm) {
    return alarm.clock + QLatin1Char(' ') + alarm.message;
}

// An alarm of another day than today names its day.
QString MissedLine(const DiaryAlarm& alarm, const QDate& today) {
    QString line = QCoreApplication::translate("CAlarmCheck", "Missed: ");
    if (alarm.day != today)
        line += CCalendarNames::ForInterface(QLocale::system())
                    .DateLocale()
                    .toString(alarm.day, QCoreApplication::translate("CAlarmCheck", "ddd d MMM "));
    return line + AlarmText(alarm);
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

CAlarmCheck::CAlarmCheck(CDiarySetHolder& diary, IPrompts& prompts, const IClock& clock,
                         CSettingsStore& settings, INotifications* notifications)
    : m_diary(diary),
      m_prompts(prompts),
      m_clock(clock),
      m_settings(settings),
      m_notifications(notifications),
      m_shown(settings) {}

void CAlarmCheck::CheckAlarms() {
    // The timer fires again while an appointment box is open.
    if (m_checking)
        return;
    RunningFlag running(m_checking);
    const QDateTime now = m_clock.Now();
    const QDateTime last = LastChecked();
    const QDateTime lookBack = LookBackStart(now, last);
    // Stored before any box opens: checks skipped while one is open count as unseen time.
    RememberCheck(now);
    const QDate first = lookBack.isValid() ? lookBack.date() : now.date();
    // Tomorrow's first quarter hour may begin today.
    const QList<DiaryAlarm> alarms = ReadAlarms(first, now.date().addDays(1));
    QStringList missed;
    QList<DiaryAlarm> due;
    for (const DiaryAlarm& alarm : alarms) {
        const AlarmTiming timing = TimeAlarm(alarm.at, now, lookBack, m_shown.Contains(alarm));
        if (timing == AlarmTiming::NotDue)
            continue;
        if (timing == AlarmTiming::Missed)
            missed.append(MissedLine(alarm, now.date()));
        else
            due.append(alarm);
        m_shown.Add(alarm);
    }
    // Recorded before any box opens, so no later check shows them again.
    m_shown.Save(now);
    if (!missed.isEmpty())
        ShowMissed(missed, lookBack != last, now);
    const QString dueCaption =
        ClockText(now) + QCoreApplication::translate("CAlarmCheck", " You have an appointment");
    for (const DiaryAlarm& alarm : due) Tell(AlarmText(alarm), dueCaption);
    for (const QString& text : TakeSnoozed(now)) Tell(text, dueCaption);
}

void CAlarmCheck::Snooze(const QString& text) {
    m_snoozed.append(Snoozed{m_clock.Now().addSecs(kSnoozeSeconds), text});
}

QDateTime CAlarmCheck::LastChecked() const {
    const QString text =
        m_settings.ReadText(CSettingsStore::kSettingsSection, KeyName(Key::LastAlarmCheck));
    // Unreadable text counts as no check ever: nothing old is shown.
    return QDateTime::fromString(text, kCheckFormat);
}

void CAlarmCheck::RememberCheck(const QDateTime& now) {
    m_settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::LastAlarmCheck),
                         now.toString(kCheckFormat));
}

// Entries another program committed (a command-line add, a sync) are read
// afresh; the window's own changes already refetched the rows.
QList<DiaryAlarm> CAlarmCheck::ReadAlarms(const QDate& first, const QDate& last) {
    CDiaryRecordset* set = m_diary.GetDiarySet();
    if (!set->IsOpen())
        return {};
    if (set->HasChangedSinceFetch())
        set->Requery();
    return AlarmsOnDays(*set, first, last);
}

QStringList CAlarmCheck::TakeSnoozed(const QDateTime& now) {
    QStringList texts;
    for (auto it = m_snoozed.begin(); it != m_snoozed.end();) {
        if (it->at > now) {
            ++it;
            continue;
        }
        texts.append(it->text);
        it = m_snoozed.erase(it);
    }
    return texts;
}

void CAlarmCheck::ShowMissed(QStringList lines, bool capped, const QDateTime& now) {
    if (capped)
        lines.append(QCoreApplication::translate("CAlarmCheck",
                                                 "(Alarms more than %1 days old are not shown.)")
                         .arg(kLookBackDays));
    Tell(lines.join(QLatin1Char('\n')),
         ClockText(now) + QCoreApplication::translate("CAlarmCheck", " Missed appointments"));
}

// The notification goes first: the box waits for OK, the popup does not.
void CAlarmCheck::Tell(const QString& text, const QString& caption) {
    if (m_notifications) {
        std::weak_ptr<CAlarmCheck*> self = m_self;
        m_notifications->Notify(kSummary, text, [self, text] {
            if (const std::shared_ptr<CAlarmCheck*> check = self.lock())
                (*check)->Snooze(text);
        });
    }
    m_prompts.ShowMessage(text, caption);
}
