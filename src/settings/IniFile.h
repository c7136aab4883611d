// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The settings file as its lines. Each line is read on its own, so a value
// that cannot be read costs only its own key; a write changes only the
// line of its key (or adds one), so comments and hand-written lines stay.
class CIniFile {
public:
    explicit CIniFile(QString path);

    const QString& Path() const { return m_path; }
    // Reads the file again; a missing file is an empty store.
    void Load();
    // Empty when every line reads; otherwise what is wrong with the first
    // line that does not, naming the file and the line.
    const QString& FormatProblem() const { return m_problem; }

    // The key's value; nothing when the key is missing or its value cannot
    // be read. A key given twice reads as its last line.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    // The line number of the key's value, as read; 0 when it is missing.
    int LineOf(const QString& section, const QString& key) const {
        return FindKey(section, key) + 1;
    }
    // Changes the lines in memory; Save writes them.
    void SetValue(const QString& section, const QString& key, const QString& value);
    // Writes the lines in place of the file, all or nothing; empty on
    // success, otherwise why the file could not be written (the old one stays).
    QString Save() const;

private:
    struct Line {
        QByteArray text;
        QString section;
        QString key;  // empty for anything but a key's line
        std::optional<QString> value;
    };

    void ReadLine(const QByteArray& text, QString& section, int number);
    void NoteProblem(int number, const QString& what);
    int FindKey(const QString& section, const QString& key) const;
    int LastLineOfSection(const QString& section) const;

    QString m_path;
    QList<Line> m_lines;
    QString m_problem;
};
