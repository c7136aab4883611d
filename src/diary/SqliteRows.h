// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariantList>

struct sqlite3_stmt;
class CDiaryDatabase;

// Reads the rows of a SELECT straight from SQLite on the diary's own
// connection, for reads of the whole table where Qt's per-value QVariant
// conversions would dominate. Throws CDatabaseError on failure.
class CSqliteRows {
public:
    CSqliteRows(const CDiaryDatabase& database, const QString& sql, const QVariantList& values);
    ~CSqliteRows();
    CSqliteRows(const CSqliteRows&) = delete;
    CSqliteRows& operator=(const CSqliteRows&) = delete;

    // Moves to the next row; false after the last.
    bool Next();
    // Runs the statement once more with other values, to its end: one
    // prepared INSERT for many rows.
    void RunAgain(const QVariantList& values);
    int Int(int column) const;
    qint64 Int64(int column) const;
    // The value's text as UTF-8, valid until the next step; a null view for NULL.
    QByteArrayView Bytes(int column) const;
    // NULL reads as an empty text, any other value as its text.
    QString Text(int column) const;
    bool Flag(int column) const;

private:
    void Bind(const QVariantList& values);
    [[noreturn]] void Fail(const QString& action) const;

    const CDiaryDatabase& m_database;
    void* m_handle = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};
