// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "settings/IniFile.h"

// The per-user store: an INI file of sections with named text and integer
// values. Every write reaches the file at once, so each change is durable
// when made. A file with a line that cannot be read is never written: the
// store reports it once through FormatProblem and keeps its changes in
// memory, so a typing slip in a hand-edited file costs no other setting.
class CSettingsStore {
public:
    static constexpr char kSettingsSection[] = "Settings";
    static constexpr char kWindowSection[] = "Window size";

    // The user's own store: Quenmor/Calendar.ini in the configuration folder.
    CSettingsStore();
    // A store in the given INI file; tests and scripts use their own.
    explicit CSettingsStore(const QString& iniFilePath);
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    QString FilePath() const { return m_file.Path(); }
    // Empty while the file reads; otherwise a message naming the file and
    // the line, for the user.
    const QString& FormatProblem() const { return m_problem; }

    // A plain read: the stored text, empty when the key is missing.
    QString ReadText(const QString& section, const QString& key) const;
    void WriteText(const QString& section, const QString& key, const QString& value);
    // Integers of section "Window size"; missing or non-numeric text gives the default.
    int ReadInt(const QString& section, const QString& key, int defaultValue) const;
    void WriteInt(const QString& section, const QString& key, int value);
    bool Contains(const QString& section, const QString& key) const;

private:
    void TakeProblem();

    CIniFile m_file;
    QString m_problem;
};
