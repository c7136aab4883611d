// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/ShownAlarms.h"

#include <QCryptographicHash>
#include <QStringList>
#include <algorithm>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {
const QString kMomentFormat = QStringLiteral("yyyyMMddHHmm");
const QLatin1Char kSeparator(' ');
}  // namespace

CShownAlarms::CShownAlarms(CSettingsStore& settings) : m_settings(settings) {
    const QString text =
        settings.ReadText(CSettingsStore::kSettingsSection, KeyName(Key::ShownAlarms));
    for (const QString& record : text.split(kSeparator, Qt::SkipEmptyParts))
        m_records.insert(record);
}

QString CShownAlarms::RecordOf(const DiaryAlarm& alarm) {
    const QByteArray digest =
        QCryptographicHash::hash(alarm.message.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return alarm.at.toString(kMomentFormat) + QLatin1Char('-') + QString::fromLatin1(digest);
}

bool CShownAlarms::Contains(const DiaryAlarm& alarm) const {
    return m_records.contains(RecordOf(alarm));
}

void CShownAlarms::Add(const DiaryAlarm& alarm) {
    m_records.insert(RecordOf(alarm));
}

void CShownAlarms::Save(const QDateTime& now) {
    const QString oldest = now.addDays(-1).toString(kMomentFormat);
    QStringList kept;
    for (const QString& record : std::as_const(m_records)) {
        // A record that does not begin with a moment is nobody's: dropped.
        if (record.left(kMomentFormat.size()) >= oldest && record.size() > kMomentFormat.size())
            kept.append(record);
    }
    kept.sort();
    m_records = QSet<QString>(kept.begin(), kept.end());
    m_settings.WriteText(CSettingsStore::kSettingsSection, KeyName(Key::ShownAlarms),
                         kept.join(kSeparator));
}
