// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsStore.h"

#include <QLockFile>
#include <QStandardPaths>

namespace {
QString UserSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quenmor/Calendar.ini");
}

// Another running copy may be writing; its write is seen before ours.
constexpr int kLockWaitMs = 2000;
}  // namespace

CSettingsStore::CSettingsStore() : CSettingsStore(UserSettingsFile()) {}

CSettingsStore::CSettingsStore(const QString& iniFilePath) : m_file(iniFilePath) {
    TakeProblem();
}

void CSettingsStore::TakeProblem() {
    if (m_problem.isEmpty() && !m_file.FormatProblem().isEmpty())
        m_problem = m_file.FormatProblem() +
                    QStringLiteral(
                        " Until the file is corrected, that setting takes its default "
                        "and no change is saved to the file.");
}

QString CSettingsStore::ReadText(const QString& section, const QString& key) const {
    return m_file.Value(section, key).value_or(QString());
}

void CSettingsStore::WriteText(const QString& section, const QString& key, const QString& value) {
    if (!m_problem.isEmpty()) {
        m_file.SetValue(section, key, value);
        return;
    }
    QLockFile lock(m_file.Path() + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    m_file.Load();
    TakeProblem();
    m_file.SetValue(section, key, value);
    if (m_problem.isEmpty())
        m_file.Save();
}

int CSettingsStore::ReadInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadText(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void CSettingsStore::WriteInt(const QString& section, const QString& key, int value) {
    WriteText(section, key, QString::number(value));
}

bool CSettingsStore::Contains(const QString& section, const QString& key) const {
    return m_file.Value(section, key).has_value();
}
