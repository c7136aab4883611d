// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user store: an INI file of sections with named text and integer
// values. Every write is synced at once, so each change is durable when made.
class CSettingsStore {
public:
    static constexpr char kSettingsSection[] = "Settings";
    static constexpr char kWindowSection[] = "Window size";

    // The user's own store (organisation "Quenmor", application "Calendar").
    CSettingsStore();
    // A store in the given INI file; tests and scripts use their own.
    explicit CSettingsStore(const QString& iniFilePath);
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    QString FilePath() const;

    // A plain read: the stored text, empty when the key is missing.
    QString ReadText(const QString& section, const QString& key) const;
    void WriteText(const QString& section, const QString& key, const QString& value);
    // Integers of section "Window size"; missing or non-numeric text gives the default.
    int ReadInt(const QString& section, const QString& key, int defaultValue) const;
    void WriteInt(const QString& section, const QString& key, int value);
    bool Contains(const QString& section, const QString& key) const;

private:
    std::unique_ptr<QSettings> m_settings;
};
