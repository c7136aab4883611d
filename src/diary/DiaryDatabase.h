// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <optional>

// One open diary file: an SQLite database reached through Qt SQL on a
// connection of its own. A new or empty file gets the `Diary` and
// `Promotion` tables; an existing diary is checked, never altered: its
// `Diary` table must have every column, declared so that values keep their
// stored form. `Promotion` is checked only by those who use it. While
// open it holds a shared lock on the file, so the start-up probe of a second
// running copy (which asks for an exclusive lock) fails.
class CDiaryDatabase {
public:
    // Throws CDatabaseError naming the file and what is wrong with it.
    explicit CDiaryDatabase(const QString& filePath);
    ~CDiaryDatabase();
    CDiaryDatabase(const CDiaryDatabase&) = delete;
    CDiaryDatabase& operator=(const CDiaryDatabase&) = delete;

    QString FilePath() const { return m_filePath; }
    QSqlDatabase Connection() const { return m_db; }

    // A query on this connection prepared from `sql`; throws on a syntax error.
    QSqlQuery Prepare(const QString& sql) const;
    // Runs a prepared query; throws CDatabaseError describing `action` on failure.
    void Execute(QSqlQuery& query, const QString& action) const;

    // Throws CDatabaseError when the file has no usable `Promotion` table.
    void VerifyPromotionTable() const;
    // Throws CDatabaseError, with SQLite's finding, when the file is damaged;
    // run before a write so that nothing is written into a damaged file.
    void RequireSound(const QString& action) const;

    // The description of a failed `action` on this diary, for CDatabaseError.
    QString Describe(const QString& action, const QString& detail) const;

private:
    void Release();
    void LockShared();
    void OpenConnection();
    void CreateOrVerifyTables();
    bool HasNoTables();
    void CreateTables();

    QString m_filePath;
    QString m_connectionName;
    QSqlDatabase m_db;
    int m_lockFd = -1;
    // The data_version at which the file last passed RequireSound.
    mutable std::optional<qint64> m_soundAtVersion;
};
