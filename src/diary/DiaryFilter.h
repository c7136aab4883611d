// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantList>

// A selection of diary entries as an SQL condition with bound values: every
// value reaches SQL as a parameter, so a quote or a wildcard in a message or
// a search text is just a character.
class CDiaryFilter {
public:
    // No condition: every entry.
    static CDiaryFilter All();
    // The entries that fall on the date with key DDMMYYYY: an eight-character
    // EventDate whose every character is '*' or the key's character in its
    // place. The key "00000000" selects every entry.
    static CDiaryFilter ForDateKey(const QString& key);
    // The one entry with this ID.
    static CDiaryFilter ById(int id);
    // The Find filters: the stored date equal to a text (wildcards included),
    // the message or the tune path containing a text (case-insensitive).
    static CDiaryFilter DateEquals(const QString& storedDate);
    static CDiaryFilter MessageContains(const QString& text);
    static CDiaryFilter TuneContains(const QString& text);

    bool IsAll() const { return m_condition.isEmpty(); }
    // An SQL condition with '?' placeholders; empty for All().
    QString Condition() const { return m_condition; }
    QVariantList Values() const { return m_values; }
    bool operator==(const CDiaryFilter& other) const {
        return m_condition == other.m_condition && m_values == other.m_values;
    }

private:
    CDiaryFilter(QString condition, QVariantList values);
    static CDiaryFilter Containing(const QString& column, const QString& text);

    QString m_condition;
    QVariantList m_values;
};

// The GLOB pattern of the entries falling on a date key: "[*2][*5][*1][*2]...".
// Empty when the key is not eight digits (no entry falls on such a key).
QString DateKeyGlobPattern(const QString& key);

// The matching rule in code: an EventDate falls on the date with key DDMMYYYY
// when it is eight characters long and each is '*' or the key's own.
bool EventDateFallsOn(QStringView eventDate, QStringView key);

enum class DiarySort { None, EventDateAscending };
