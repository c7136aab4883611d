// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <map>

class CDiaryDatabase;

// What the last sync left for one diary entry: the server object it lives
// in, the object's ETag and iCalendar text then, and the entry's values then.
// An object that came in as several entries (a weekly meeting, a span of
// days) is shared by their rows and marked `shared`. The text is what a
// local edit patches, so that what the entry cannot hold stays on the server.
struct MappedEntry {
    int diaryId = 0;
    QString href;
    QString uid;
    QByteArray etag;
    QString state;
    bool shared = false;
    QByteArray text;
};

// The synchronisation's own tables in the diary file: `CalDavMap`, one row
// per synced entry, and `CalDavState`, named values (the collection synced
// with, its sync token, this diary's identity). The `Diary` table is never
// touched. Failures throw CDatabaseError.
class CSyncMapping {
public:
    explicit CSyncMapping(const CDiaryDatabase& database);

    // Creates the tables when missing and gives the diary its identity once.
    void Prepare();
    // Whether the tables are there: a diary never synced has none.
    bool Exists() const;
    QString Value(const QString& name) const;
    void SetValue(const QString& name, const QString& value);

    std::map<int, MappedEntry> Entries() const;
    void Put(const MappedEntry& entry);
    // Moves every row of `href` to the object's new ETag and text.
    void SetObject(const QString& href, const QByteArray& etag, const QByteArray& text);
    void Remove(int diaryId);
    void Clear();

    static QString IdentityName() { return QStringLiteral("Identity"); }
    static QString CollectionName() { return QStringLiteral("Collection"); }
    static QString SyncTokenName() { return QStringLiteral("SyncToken"); }
    // The address the user gave, which led to the collection.
    static QString AddressName() { return QStringLiteral("Address"); }

private:
    void Run(const QString& sql, const QVariantList& values, const QString& action) const;

    const CDiaryDatabase& m_database;
};
