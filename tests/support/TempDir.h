// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
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
    // Writes `bytes` as the file `name` in the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    // The whole file at `path`; empty when it cannot be read.
    static QByteArray Read(const QString& path);

private:
    QTemporaryDir m_dir;
};
