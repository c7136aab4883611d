// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncMapping.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"

namespace {
// Qt binds a null text as SQL NULL; the columns hold an empty text instead.
QString Text(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}
QByteArray Blob(const QByteArray& bytes) {
    return bytes.isNull() ? QByteArray("") : bytes;
}
}  // namespace

CSyncMapping::CSyncMapping(const CDiaryDatabase& database) : m_database(database) {}

void CSyncMapping::Run(const QString& sql, const QVariantList& values,
                       const QString& action) const {
    QSqlQuery query = m_database.Prepare(sql);
    for (const QVariant& value : values) query.addBindValue(value);
    m_database.Execute(query, action);
}

void CSyncMapping::Prepare() {
    const QString action =
        QCoreApplication::translate("Diary", "prepare the synchronisation tables");
    Run(QStringLiteral("CREATE TABLE IF NOT EXISTS CalDavMap (DiaryID INTEGER PRIMARY KEY, "
                       "Href TEXT NOT NULL, Uid TEXT NOT NULL, ETag TEXT NOT NULL, "
                       "SyncedState TEXT NOT NULL, Shared INTEGER NOT NULL DEFAULT 0, "
                       "ServerText BLOB NOT NULL DEFAULT '')"),
        {}, action);
    // A mapping made before the server's text was kept gets the column; its
    // rows count as changed on the server until they are read once.
    QSqlQuery columns =
        m_database.Prepare(QStringLiteral("SELECT count(*) FROM pragma_table_info('CalDavMap') "
                                          "WHERE name = 'ServerText'"));
    m_database.Execute(columns, action);
    if (columns.next() && columns.value(0).toInt() == 0)
        Run(QStringLiteral("ALTER TABLE CalDavMap ADD COLUMN ServerText BLOB NOT NULL DEFAULT ''"),
            {}, action);
    Run(QStringLiteral("CREATE TABLE IF NOT EXISTS CalDavState (Name TEXT PRIMARY KEY, "
                       "Value TEXT NOT NULL)"),
        {}, action);
    // The identity makes this diary's object names unique on a server that
    // several diaries share, and the same on every retry of a sync.
    if (Value(IdentityName()).isEmpty())
        SetValue(IdentityName(), QUuid::createUuid().toString(QUuid::WithoutBraces));
}

bool CSyncMapping::Exists() const {
    QSqlQuery query = m_database.Prepare(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'CalDavState'"));
    m_database.Execute(query,
                       QCoreApplication::translate("Diary", "read the synchronisation state"));
    return query.next() && query.value(0).toInt() > 0;
}

QString CSyncMapping::Value(const QString& name) const {
    QSqlQuery query =
        m_database.Prepare(QStringLiteral("SELECT Value FROM CalDavState WHERE Name = ?"));
    query.addBindValue(name);
    m_database.Execute(query,
                       QCoreApplication::translate("Diary", "read the synchronisation state"));
    return query.next() ? query.value(0).toString() : QString();
}

void CSyncMapping::SetValue(const QString& name, const QString& value) {
    Run(QStringLiteral("INSERT OR REPLACE INTO CalDavState (Name, Value) VALUES (?, ?)"),
        {name, Text(value)},
        QCoreApplication::translate("Diary", "write the synchronisation state"));
}

std::map<int, MappedEntry> CSyncMapping::Entries() const {
    QSqlQuery query = m_database.Prepare(
        QStringLiteral("SELECT DiaryID, Href, Uid, ETag, SyncedState, Shared, ServerText "
                       "FROM CalDavMap"));
    m_database.Execute(query,
                       QCoreApplication::translate("Diary", "read the synchronisation mapping"));
    std::map<int, MappedEntry> entries;
    while (query.next()) {
        const MappedEntry entry{query.value(0).toInt(),      query.value(1).toString(),
                                query.value(2).toString(),   query.value(3).toByteArray(),
                                query.value(4).toString(),   query.value(5).toBool(),
                                query.value(6).toByteArray()};
        entries.emplace(entry.diaryId, entry);
    }
    return entries;
}

void CSyncMapping::Put(const MappedEntry& entry) {
    Run(QStringLiteral("INSERT OR REPLACE INTO CalDavMap (DiaryID, Href, Uid, ETag, SyncedState, "
                       "Shared, ServerText) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {entry.diaryId, Text(entry.href), Text(entry.uid), Text(QString::fromUtf8(entry.etag)),
         Text(entry.state), entry.shared ? 1 : 0, Blob(entry.text)},
        QCoreApplication::translate("Diary", "write the synchronisation mapping"));
}

void CSyncMapping::SetObject(const QString& href, const QByteArray& etag, const QByteArray& text) {
    Run(QStringLiteral("UPDATE CalDavMap SET ETag = ?, ServerText = ? WHERE Href = ?"),
        {Text(QString::fromUtf8(etag)), Blob(text), Text(href)},
        QCoreApplication::translate("Diary", "write the synchronisation mapping"));
}

void CSyncMapping::Remove(int diaryId) {
    Run(QStringLiteral("DELETE FROM CalDavMap WHERE DiaryID = ?"), {diaryId},
        QCoreApplication::translate("Diary", "write the synchronisation mapping"));
}

void CSyncMapping::Clear() {
    Run(QStringLiteral("DELETE FROM CalDavMap"), {},
        QCoreApplication::translate("Diary", "reset the synchronisation"));
}
