// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "settings/SettingsKeys.h"

namespace {
QString UserSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quenmor/Calendar.ini");
}

// Another running copy may be writing; its write is seen before ours.
constexpr int kLockWaitMs = 2000;
}  // namespace

CSettingsStore::CSettingsStore() : CSettingsStore(UserSettingsFile()) {}

CSettingsStore::CSettingsStore(const QString& iniFilePath)
    : m_file(iniFilePath), m_startedWithoutFile(!QFileInfo::exists(iniFilePath)) {
    TakeProblem();
}

void CSettingsStore::TakeProblem() {
    if (!m_problem.isEmpty())
        return;
    const QString found =
        m_file.FormatProblem().isEmpty() ? RangeProblem(m_file) : m_file.FormatProblem();
    if (!found.isEmpty())
        m_problem = found + QCoreApplication::translate(
                                "CCalApp",
                                " Until the file is corrected, that setting takes its default "
                                "and no change is saved to the file.");
}

QString CSettingsStore::ReadText(const QString& section, const QString& key) const {
    return m_file.Value(section, key).value_or(QString());
}

bool CSettingsStore::WriteText(const QString& section, const QString& key, const QString& value) {
    m_file.SetValue(section, key, value);
    if (!m_problem.isEmpty())
        return true;
    m_pending.append(Change{section, key, value});
    return m_batchDepth > 0 || SavePending();
}

bool CSettingsStore::EndBatch() {
    if (m_batchDepth > 0)
        --m_batchDepth;
    return m_batchDepth > 0 || !m_problem.isEmpty() || m_pending.isEmpty() || SavePending();
}

// The file as it is now (another copy may have changed it) with every change
// not yet written on top.
bool CSettingsStore::SavePending() {
    QLockFile lock(m_file.Path() + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    m_file.Load();
    TakeProblem();
    for (const Change& change : m_pending)
        m_file.SetValue(change.section, change.key, change.value);
    if (!m_problem.isEmpty())
        return true;
    const QString why = m_file.Save();
    if (why.isEmpty()) {
        m_pending.clear();
        m_saveProblem.clear();
        return true;
    }
    m_saveProblem =
        QCoreApplication::translate("CCalApp",
                                    "The settings file %1 cannot be saved: %2. Changes are kept "
                                    "only until Plenda closes.")
            .arg(QDir::toNativeSeparators(m_file.Path()), why);
    if (!m_failureTold && m_tell) {
        m_failureTold = true;
        m_tell(m_saveProblem);
    }
    return false;
}

int CSettingsStore::ReadInt(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadText(section, key).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool CSettingsStore::WriteInt(const QString& section, const QString& key, int value) {
    return WriteText(section, key, QString::number(value));
}

bool CSettingsStore::Contains(const QString& section, const QString& key) const {
    return m_file.Value(section, key).has_value();
}
