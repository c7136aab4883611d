#include "interop/EntryTable.h"

#include <QSqlError>
#include <QSqlQuery>

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
    const QString action = QStringLiteral("add the imported entries");
    if (!db.transaction())
        throw CDatabaseError(m_database.Describe(action, db.lastError().text()));
    try {
        QSqlQuery insert = m_database.Prepare(
            QStringLiteral("INSERT INTO Diary (EventDate, EventDescription, EventSound, "
                           "PubHoliday, Nag, EventTime) VALUES (?, ?, ?, ?, 0, ?)"));
        for (const DiaryEntry& entry : entries) {
            insert.bindValue(0, entry.date);
            insert.bindValue(1, entry.message);
            insert.bindValue(2, entry.tune);
            insert.bindValue(3, entry.holiday ? 1 : 0);
            insert.bindValue(4, entry.time);
            m_database.Execute(insert, action);
        }
        if (!db.commit())
            throw CDatabaseError(m_database.Describe(action, db.lastError().text()));
    } catch (...) {
        db.rollback();
        throw;
    }
}
