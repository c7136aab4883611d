// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/LocalEntries.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include "diary/DiaryDatabase.h"

namespace {
void BindValues(QSqlQuery& query, const SyncEntry& entry) {
    query.addBindValue(entry.date);
    query.addBindValue(entry.message);
    query.addBindValue(entry.sound);
    query.addBindValue(entry.holiday ? 1 : 0);
    query.addBindValue(entry.time);
}
}  // namespace

CLocalEntries::CLocalEntries(const CDiaryDatabase& database) : m_database(database) {}

std::map<int, SyncEntry> CLocalEntries::All() const {
    QSqlQuery query = m_database.Prepare(
        QStringLiteral("SELECT ID, EventDate, EventDescription, EventSound, PubHoliday, "
                       "EventTime FROM Diary"));
    query.setForwardOnly(true);
    m_database.Execute(query, QCoreApplication::translate("Diary", "read the diary"));
    std::map<int, SyncEntry> entries;
    while (query.next()) {
        entries[query.value(0).toInt()] = {query.value(1).toString(), query.value(2).toString(),
                                           query.value(3).toString(), query.value(4).toBool(),
                                           query.value(5).toString()};
    }
    return entries;
}

int CLocalEntries::Insert(const SyncEntry& entry) {
    QSqlQuery query = m_database.Prepare(
        QStringLiteral("INSERT INTO Diary (EventDate, EventDescription, EventSound, PubHoliday, "
                       "EventTime, Nag) VALUES (?, ?, ?, ?, ?, 0)"));
    BindValues(query, entry);
    m_database.Execute(query, QCoreApplication::translate("Diary", "add a synchronised entry"));
    return query.lastInsertId().toInt();
}

void CLocalEntries::Update(int id, const SyncEntry& entry) {
    QSqlQuery query = m_database.Prepare(
        QStringLiteral("UPDATE Diary SET EventDate = ?, EventDescription = ?, EventSound = ?, "
                       "PubHoliday = ?, EventTime = ? WHERE ID = ?"));
    BindValues(query, entry);
    query.addBindValue(id);
    m_database.Execute(query, QCoreApplication::translate("Diary", "change a synchronised entry"));
}

void CLocalEntries::Remove(int id) {
    QSqlQuery query = m_database.Prepare(QStringLiteral("DELETE FROM Diary WHERE ID = ?"));
    query.addBindValue(id);
    m_database.Execute(query, QCoreApplication::translate("Diary", "delete a synchronised entry"));
}
