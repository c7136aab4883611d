// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <map>

class CDiaryDatabase;

// What the last sync left for one diary entry: the server object it lives
// in, the object's ETag then, and the entry's values then. An object that
// came in as several entries (a weekly meeting, a span of days) is shared
// by their rows and marked `shared`.
struct MappedEntry {
    int diaryId = 0;
    QString href;
    QString uid;
    QByteArray etag;
    QString state;
    bool shared = false;
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
    QString Value(const QString& name) const;
    void SetValue(const QString& name, const QString& value);

    std::map<int, MappedEntry> Entries() const;
    void Put(const MappedEntry& entry);
    void Remove(int diaryId);
    void Clear();

    static QString IdentityName() { return QStringLiteral("Identity"); }
    static QString CollectionName() { return QStringLiteral("Collection"); }
    static QString SyncTokenName() { return QStringLiteral("SyncToken"); }

private:
    void Run(const QString& sql, const QVariantList& values, const QString& action) const;

    const CDiaryDatabase& m_database;
};
