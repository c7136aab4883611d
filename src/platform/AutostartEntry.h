// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The calendar's entry in the desktop's autostart folder
// ($XDG_CONFIG_HOME/autostart, ~/.config/autostart when unset), which
// starts it when the user logs in.
class CAutostartEntry {
public:
    struct Program {
        QString path;
        bool fromBuildTree = false;
    };
    // What the entry starts, given the running window program: the plenda
    // command on the PATH, else the one in the bin folder beside the
    // window's libexec folder, both installed; else the one beside the
    // window program, which is a build tree's.
    static Program ProgramToStart(const QString& windowProgram);

    // `configHome`: the folder that holds "autostart"; empty for the user's own.
    explicit CAutostartEntry(const QString& configHome = QString());

    QString FilePath() const;
    bool Exists() const;
    // Writes the entry from the application menu's desktop file, starting
    // `program` (the running executable, so a build outside PATH starts too).
    // Gives the reason on failure, empty on success.
    QString Enable(const QString& desktopText, const QString& program) const;
    // Removes the entry; an entry already gone is no failure.
    QString Disable() const;

    // The desktop file's text with its Exec line set to start `program`.
    static QString WithProgram(const QString& desktopText, const QString& program);

private:
    QString m_folder;
};
