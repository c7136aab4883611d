// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/EntryTable.h"

#include <QCoreApplication>
#include <QSqlError>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/SqliteRows.h"

QList<DiaryEntry> CEntryTable::ReadAll() const {
    CSqliteRows rows(m_database,
                     QStringLiteral("SELECT ID, EventDate, EventDescription, EventSound, "
                                    "PubHoliday, EventTime FROM Diary ORDER BY ID"),
                     {});
    QList<DiaryEntry> entries;
    while (rows.Next())
        entries.append(DiaryEntry{rows.Int(0), rows.Text(1), rows.Text(2), rows.Text(3),
                                  rows.Flag(4), rows.Text(5)});
    return entries;
}

void CEntryTable::AddAll(const QList<DiaryEntry>& entries) {
    if (entries.isEmpty())
        return;
    QSqlDatabase db = m_database.Connection();
    const QString action = QCoreApplication::translate("Diary", "add the imported entries");
    m_database.RequireSound(action);
    if (!db.transaction())
        throw CDatabaseError(m_database.Describe(action, db.lastError().text()));
    try {
        // One prepared statement straight on SQLite: a calendar file can
        // bring a hundred thousand rows.
        CSqliteRows insert(m_database,
                           QStringLiteral("INSERT INTO Diary (EventDate, EventDescription, "
                                          "EventSound, PubHoliday, Nag, EventTime) "
                                          "VALUES (?, ?, ?, ?, 0, ?)"),
                           {});
        for (const DiaryEntry& entry : entries)
            insert.RunAgain(
                {entry.date, entry.message, entry.tune, entry.holiday ? 1 : 0, entry.time});
        if (!db.commit())
            throw CDatabaseError(m_database.Describe(action, db.lastError().text()));
    } catch (...) {
        db.rollback();
        throw;
    }
}
