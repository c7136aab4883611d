// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "settings/IniFile.h"

// The per-user store: an INI file of sections with named text and integer
// values. Every write reaches the file at once, so each change is durable
// when made, except within a batch, whose writes reach it together. A write
// that fails keeps the old file and the change in memory, and is tried again
// with the next write. A file with a line that cannot be read is never written: the
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
    // True when there was no file yet as the store opened: a first start.
    bool StartedWithoutFile() const { return m_startedWithoutFile; }
    // Empty while the file reads; otherwise a message naming the file and
    // the line, for the user.
    const QString& FormatProblem() const { return m_problem; }

    // Empty while every write reached the file; otherwise a message naming
    // the file and the system's reason, for the user.
    const QString& SaveProblem() const { return m_saveProblem; }
    // Called once, with SaveProblem, the first time a write fails.
    void OnFirstSaveFailure(std::function<void(const QString&)> tell) { m_tell = std::move(tell); }
    // Writes until EndBatch stay in memory; EndBatch writes them at once.
    void BeginBatch() { ++m_batchDepth; }
    bool EndBatch();

    // A plain read: the stored text, empty when the key is missing.
    QString ReadText(const QString& section, const QString& key) const;
    // False when the change could not be written to the file (see SaveProblem).
    bool WriteText(const QString& section, const QString& key, const QString& value);
    // Integers of section "Window size"; missing or non-numeric text gives the default.
    int ReadInt(const QString& section, const QString& key, int defaultValue) const;
    bool WriteInt(const QString& section, const QString& key, int value);
    bool Contains(const QString& section, const QString& key) const;

private:
    struct Change {
        QString section;
        QString key;
        QString value;
    };

    void TakeProblem();
    bool SavePending();

    CIniFile m_file;
    bool m_startedWithoutFile = false;
    QString m_problem;
    QString m_saveProblem;
    QList<Change> m_pending;
    int m_batchDepth = 0;
    bool m_failureTold = false;
    std::function<void(const QString&)> m_tell;
};
