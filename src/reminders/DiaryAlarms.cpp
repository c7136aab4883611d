// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/DiaryAlarms.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "calendar/CalendarDates.h"
#include "diary/DiaryFilter.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiaryRows.h"
#include "diary/ShortText.h"

namespace {
constexpr int kLastMinute = 24 * 60;

// Minutes past midnight of an "HHMM" time; none for blanks, 0000 and nonsense.
std::optional<int> AlarmMinutes(const QString& time) {
    if (time.size() != 4)
        return std::nullopt;
    bool hoursRead = false;
    bool minutesRead = false;
    const int hours = time.left(2).toInt(&hoursRead);
    const int minutes = time.right(2).toInt(&minutesRead);
    const int total = hours * 60 + minutes;
    if (!hoursRead || !minutesRead || minutes < 0 || minutes > 59 || total <= 0 ||
        total > kLastMinute)
        return std::nullopt;
    return total;
}

QString ClockText(int minutes) {
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool Holds(const QList<DiaryAlarm>& alarms, const DiaryAlarm& alarm) {
    return std::any_of(alarms.begin(), alarms.end(), [&](const DiaryAlarm& held) {
        return held.at == alarm.at && held.message == alarm.message;
    });
}
}  // namespace

QList<DiaryAlarm> AlarmsOnDays(CDiaryRecordset& set, const QDate& first, const QDate& last) {
    QStringList keys;
    for (QDate day = first; day <= last; day = day.addDays(1))
        keys.append(DateKey(day.day(), day.month(), day.year()));
    QList<DiaryAlarm> alarms;
    set.VisitRecords([&](const DiaryRowView& row) {
        const std::optional<int> minutes = AlarmMinutes(DecodedText(row.eventTime));
        if (!minutes)
            return;
        const CShortText date(row.eventDate);
        for (int i = 0; i < keys.size(); ++i) {
            if (!EventDateFallsOn(date.View(), keys[i]))
                continue;
            const QDate day = first.addDays(i);
            const DiaryAlarm alarm{QDateTime(day, QTime(0, 0)).addSecs(*minutes * 60), day,
                                   ClockText(*minutes), DecodedText(row.eventDescription)};
            if (!Holds(alarms, alarm))
                alarms.append(alarm);
        }
    });
    std::stable_sort(alarms.begin(), alarms.end(),
                     [](const DiaryAlarm& a, const DiaryAlarm& b) { return a.at < b.at; });
    return alarms;
}
