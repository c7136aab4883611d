// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/DiaryDatabase.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QStringList>
#include <QThread>

#include "diary/DiaryError.h"

namespace {
// What a column must be declared as so that values keep their stored form.
enum class ColumnKind { Key, Text, YesNo };

struct ColumnRule {
    const char* name;
    ColumnKind kind;
};

constexpr ColumnRule kDiaryColumns[] = {{"ID", ColumnKind::Key},
                                        {"EventDate", ColumnKind::Text},
                                        {"EventDescription", ColumnKind::Text},
                                        {"EventSound", ColumnKind::Text},
                                        {"PubHoliday", ColumnKind::YesNo},
                                        {"Nag", ColumnKind::YesNo},
                                        {"EventTime", ColumnKind::Text}};
constexpr ColumnRule kPromotionColumns[] = {{"ID", ColumnKind::Key},
                                            {"clientid", ColumnKind::Text},
                                            {"productid", ColumnKind::Text},
                                            {"promotext", ColumnKind::Text}};

// One column as PRAGMA table_info describes it.
struct DeclaredColumn {
    QString type;
    bool primaryKey = false;
};

enum class Affinity { Integer, Text, None, Real, Numeric };

// SQLite's rules for the affinity a declared type gives a column.
Affinity AffinityOf(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains(QLatin1String("INT")))
        return Affinity::Integer;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
        type.contains(QLatin1String("TEXT")))
        return Affinity::Text;
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")))
        return Affinity::None;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
        type.contains(QLatin1String("DOUB")))
        return Affinity::Real;
    return Affinity::Numeric;
}

// A text column with numeric affinity turns "08122026" into 8122026; an ID
// that is not the row's own integer key can be NULL and never found again.
bool Fits(const DeclaredColumn& column, ColumnKind kind, bool singleKey) {
    const Affinity affinity = AffinityOf(column.type);
    switch (kind) {
        case ColumnKind::Key:
            return singleKey && column.primaryKey &&
                   column.type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        case ColumnKind::Text:
            return affinity == Affinity::Text || affinity == Affinity::None;
        case ColumnKind::YesNo:
            return affinity == Affinity::Integer || affinity == Affinity::Numeric ||
                   affinity == Affinity::None;
    }
    return false;
}

QString Needed(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Key:
            return QStringLiteral("INTEGER PRIMARY KEY");
        case ColumnKind::Text:
            return QStringLiteral("text");
        case ColumnKind::YesNo:
            return QCoreApplication::translate("Diary", "a yes/no number");
    }
    return {};
}

template <std::size_t N>
void VerifyTable(const CDiaryDatabase& diary, const QString& table, const ColumnRule (&rules)[N]) {
    const QString& path = diary.FilePath();
    QSqlQuery query(diary.Connection());
    if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        throw CDatabaseError(
            diary.Describe(QCoreApplication::translate("Diary", "read the table %1").arg(table),
                           query.lastError().text()));
    QHash<QString, DeclaredColumn> present;
    int keyColumns = 0;
    while (query.next()) {
        const DeclaredColumn column{query.value(2).toString().trimmed(),
                                    query.value(5).toInt() > 0};
        keyColumns += column.primaryKey ? 1 : 0;
        present.insert(query.value(1).toString().toLower(), column);
    }
    if (present.isEmpty())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The file %1 is not a diary: it has no table %2.")
                .arg(path, table));
    for (const ColumnRule& rule : rules) {
        const QString name = QString::fromLatin1(rule.name);
        const auto column = present.constFind(name.toLower());
        if (column == present.constEnd())
            throw CDatabaseError(
                QCoreApplication::translate("Diary",
                                            "The file %1 is not a diary: its table %2 has no "
                                            "column %3.")
                    .arg(path, table, name));
        if (!Fits(*column, rule.kind, keyColumns == 1))
            throw CDatabaseError(QCoreApplication::translate(
                                     "Diary",
                                     "The file %1 is not a diary: the column %2 of its table %3 is "
                                     "declared \"%4\" but must be %5.")
                                     .arg(path, name, table, column->type, Needed(rule.kind)));
    }
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
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "No diary file has been chosen."));
    if (!info.exists())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary file %1 does not exist.")
                .arg(filePath));
    if (info.isDir())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary %1 is a folder, not a database file.")
                .arg(filePath));
    // Opening a FIFO or a device would wait for a writer that never comes.
    if (!info.isFile())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary %1 is not a regular file.")
                .arg(filePath));
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
    return QCoreApplication::translate("Diary", "Cannot %1 in the diary %2: %3")
        .arg(action, m_filePath, detail);
}

QSqlQuery CDiaryDatabase::Prepare(const QString& sql) const {
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        throw CDatabaseError(Describe(QCoreApplication::translate("Diary", "prepare a query"),
                                      query.lastError().text()));
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
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary file %1 cannot be read: %2.")
                .arg(m_filePath, QString::fromLocal8Bit(strerror(errno))));
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (::flock(m_lockFd, LOCK_SH | LOCK_NB) == 0)
            return;
        QThread::msleep(kLockRetryMs);
    }
    throw CDatabaseError(
        QCoreApplication::translate("Diary", "The diary file %1 is in use by another program.")
            .arg(m_filePath));
}

void CDiaryDatabase::OpenConnection() {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_filePath);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The diary file %1 cannot be opened: %2")
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
    VerifyTable(*this, QStringLiteral("Diary"), kDiaryColumns);
}

void CDiaryDatabase::VerifyPromotionTable() const {
    QSqlQuery query(m_db);
    query.exec(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND "
                       "name='Promotion' COLLATE NOCASE"));
    if (!query.next())
        throw CDatabaseError(
            QCoreApplication::translate(
                "Diary", "The diary %1 has no table Promotion to keep the internet message in.")
                .arg(m_filePath));
    VerifyTable(*this, QStringLiteral("Promotion"), kPromotionColumns);
}

void CDiaryDatabase::RequireSound(const QString& action) const {
    // A whole-file check costs a few milliseconds for a usual diary (about
    // 0.2 s for 100,000 entries), so it is made again only after another
    // program has changed the file; this connection's own writes keep it sound.
    QSqlQuery version(m_db);
    const bool versionKnown = version.exec(QStringLiteral("PRAGMA data_version")) && version.next();
    if (versionKnown && m_soundAtVersion == version.value(0).toLongLong())
        return;
    // quick_check reads every page once, without integrity_check's index
    // cross-checks.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")))
        throw CDatabaseError(Describe(action, query.lastError().text()));
    if (!query.next())
        throw CDatabaseError(Describe(action, query.lastError().text()));
    const QString finding = query.value(0).toString();
    if (finding != QLatin1String("ok"))
        throw CDatabaseError(
            Describe(action, QStringLiteral("database disk image is malformed (%1)").arg(finding)));
    if (versionKnown)
        m_soundAtVersion = version.value(0).toLongLong();
}

bool CDiaryDatabase::HasNoTables() {
    QSqlQuery query(m_db);
    // The first read of the file: this is where a file that is not an SQLite
    // database shows itself.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'")) ||
        !query.next())
        throw CDatabaseError(
            QCoreApplication::translate("Diary", "The file %1 is not a diary database (%2).")
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
    const QString action = QCoreApplication::translate("Diary", "create the diary tables");
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
