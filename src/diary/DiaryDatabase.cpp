// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryDatabase.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <QThread>

#include "diary/DiaryError.h"

namespace {
const QStringList& DiaryColumns() {
    static const QStringList columns{"ID",         "EventDate", "EventDescription", "EventSound",
                                     "PubHoliday", "Nag",       "EventTime"};
    return columns;
}

const QStringList& PromotionColumns() {
    static const QStringList columns{"ID", "clientid", "productid", "promotext"};
    return columns;
}

// A probe of another starting copy holds its exclusive lock only for a
// moment, so a few short retries ride it out.
constexpr int kLockAttempts = 20;
constexpr int kLockRetryMs = 25;
}  // namespace

CDiaryDatabase::CDiaryDatabase(const QString& filePath)
    : m_filePath(filePath),
      m_connectionName(QStringLiteral("plenda-diary-%1").arg(reinterpret_cast<quintptr>(this))) {
    const QFileInfo info(filePath);
    if (filePath.isEmpty())
        throw CDatabaseError(QStringLiteral("No diary file has been chosen."));
    if (!info.exists())
        throw CDatabaseError(QStringLiteral("The diary file %1 does not exist.").arg(filePath));
    if (info.isDir())
        throw CDatabaseError(
            QStringLiteral("The diary %1 is a folder, not a database file.").arg(filePath));
    try {
        LockShared();
        OpenConnection();
        CreateOrVerifyTables();
    } catch (...) {
        Release();
        throw;
    }
}

CDiaryDatabase::~CDiaryDatabase() {
    Release();
}

void CDiaryDatabase::Release() {
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    // Released only after SQLite has closed the file: closing a descriptor of
    // the file drops this process's POSIX locks on it.
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

QString CDiaryDatabase::Describe(const QString& action, const QString& detail) const {
    return QStringLiteral("Cannot %1 in the diary %2: %3").arg(action, m_filePath, detail);
}

QSqlQuery CDiaryDatabase::Prepare(const QString& sql) const {
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        throw CDatabaseError(Describe(QStringLiteral("prepare a query"), query.lastError().text()));
    return query;
}

void CDiaryDatabase::Execute(QSqlQuery& query, const QString& action) const {
    if (!query.exec())
        throw CDatabaseError(Describe(action, query.lastError().text()));
}

void CDiaryDatabase::LockShared() {
    const QByteArray path = QFile::encodeName(m_filePath);
    m_lockFd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (m_lockFd < 0)
        throw CDatabaseError(QStringLiteral("The diary file %1 cannot be read: %2.")
                                 .arg(m_filePath, QString::fromLocal8Bit(strerror(errno))));
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (::flock(m_lockFd, LOCK_SH | LOCK_NB) == 0)
            return;
        QThread::msleep(kLockRetryMs);
    }
    throw CDatabaseError(
        QStringLiteral("The diary file %1 is in use by another program.").arg(m_filePath));
}

void CDiaryDatabase::OpenConnection() {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_filePath);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        throw CDatabaseError(QStringLiteral("The diary file %1 cannot be opened: %2")
                                 .arg(m_filePath, m_db.lastError().text()));
    // The default rollback journal keeps the diary one self-contained file;
    // with full syncs every committed entry survives a crash of the program.
    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

void CDiaryDatabase::CreateOrVerifyTables() {
    if (HasNoTables()) {
        CreateTables();
        return;
    }
    VerifyTable(QStringLiteral("Diary"), DiaryColumns());
    VerifyTable(QStringLiteral("Promotion"), PromotionColumns());
}

bool CDiaryDatabase::HasNoTables() {
    QSqlQuery query(m_db);
    // The first read of the file: this is where a file that is not an SQLite
    // database shows itself.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'")) ||
        !query.next())
        throw CDatabaseError(QStringLiteral("The file %1 is not a diary database (%2).")
                                 .arg(m_filePath, query.lastError().text()));
    return query.value(0).toInt() == 0;
}

void CDiaryDatabase::CreateTables() {
    const QStringList statements{
        QStringLiteral("CREATE TABLE Diary (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "EventDate TEXT, EventDescription TEXT, EventSound TEXT, "
                       "PubHoliday INTEGER NOT NULL DEFAULT 0, Nag INTEGER NOT NULL DEFAULT 0, "
                       "EventTime TEXT)"),
        QStringLiteral("CREATE TABLE Promotion (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "clientid TEXT, productid TEXT, promotext TEXT)")};
    const QString action = QStringLiteral("create the diary tables");
    if (!m_db.transaction())
        throw CDatabaseError(Describe(action, m_db.lastError().text()));
    for (const QString& sql : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(sql)) {
            const QString detail = query.lastError().text();
            m_db.rollback();
            throw CDatabaseError(Describe(action, detail));
        }
    }
    if (!m_db.commit())
        throw CDatabaseError(Describe(action, m_db.lastError().text()));
}

void CDiaryDatabase::VerifyTable(const QString& table, const QStringList& columns) {
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        throw CDatabaseError(
            Describe(QStringLiteral("read the table %1").arg(table), query.lastError().text()));
    QStringList present;
    while (query.next()) present.append(query.value(1).toString().toLower());
    if (present.isEmpty())
        throw CDatabaseError(QStringLiteral("The file %1 is not a diary: it has no table %2.")
                                 .arg(m_filePath, table));
    for (const QString& column : columns) {
        if (!present.contains(column.toLower()))
            throw CDatabaseError(QStringLiteral("The file %1 is not a diary: its table %2 has no "
                                                "column %3.")
                                     .arg(m_filePath, table, column));
    }
}
