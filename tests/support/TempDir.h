// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh folder per test, removed afterwards; holds the test's own settings
// file and diary.
class TempDir {
public:
    TempDir();
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }
    QString SettingsFile() const { return File(QStringLiteral("Calendar.ini")); }

private:
    QTemporaryDir m_dir;
};
