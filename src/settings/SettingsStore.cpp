// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace {
QString Path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}  // namespace

CSettingsStore::CSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Quenmor"), QStringLiteral("Calendar"))) {}

CSettingsStore::CSettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

CSettingsStore::~CSettingsStore() = default;

QString CSettingsStore::FilePath() const { return m_settings->fileName(); }

QString CSettingsStore::ReadText(const QString& section, const QString& key) const {
    const QVariant value = m_settings->value(Path(section, key));
    // A hand-edited INI value with unquoted commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void CSettingsStore::WriteText(const QString& section, const QString& key, const QString& value) {
    m_settings->setValue(Path(section, key), value);
    m_settings->sync();
}

int CSettingsStore::ReadInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = m_settings->value(Path(section, key)).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void CSettingsStore::WriteInt(const QString& section, const QString& key, int value) {
    m_settings->setValue(Path(section, key), value);
    m_settings->sync();
}

bool CSettingsStore::Contains(const QString& section, const QString& key) const {
    return m_settings->contains(Path(section, key));
}
