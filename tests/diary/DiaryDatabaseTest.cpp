#include <gtest/gtest.h>
#include <sys/file.h>

#include <QFile>
#include <QSqlRecord>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "support/DiaryFiles.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::RawConnection;

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The description of the error opening `path` raises; empty when it opens.
QString OpenError(const QString& path) {
    try {
        CDiaryDatabase db(path);
    } catch (const CDatabaseError& error) {
        return error.Description();
    }
    return {};
}

bool CanLockExclusively(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (fd >= 0)
        ::close(fd);
    return locked;
}

class DiaryDatabaseTest : public ::testing::Test {
protected:
    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryDatabaseTest, EmptyFileGetsBothTablesWithEveryColumn) {
    WriteFile(path, {});
    {
        CDiaryDatabase db(path);
        const QSqlRecord diary = db.Connection().record(QStringLiteral("Diary"));
        for (const char* column : {"ID", "EventDate", "EventDescription", "EventSound",
                                   "PubHoliday", "Nag", "EventTime"})
            EXPECT_TRUE(diary.contains(QLatin1String(column))) << column;
        const QSqlRecord promotion = db.Connection().record(QStringLiteral("Promotion"));
        for (const char* column : {"ID", "clientid", "productid", "promotext"})
            EXPECT_TRUE(promotion.contains(QLatin1String(column))) << column;
    }
    EXPECT_EQ(OpenError(path), QString()) << "a diary it made opens again";
}

TEST_F(DiaryDatabaseTest, ExistingDiaryIsNeitherAlteredNorRefused) {
    WriteFile(path, {});
    {
        RawConnection raw(path);
        raw.Exec(
            QStringLiteral("CREATE TABLE Diary (ID INTEGER PRIMARY KEY, EventDate TEXT, "
                           "EventDescription TEXT, EventSound TEXT, PubHoliday INTEGER, "
                           "Nag INTEGER, EventTime TEXT, Colour TEXT)"));
        raw.Exec(
            QStringLiteral("CREATE TABLE Promotion (ID INTEGER PRIMARY KEY, clientid TEXT, "
                           "productid TEXT, promotext TEXT)"));
        raw.Exec(
            QStringLiteral("INSERT INTO Diary (EventDate, EventDescription) VALUES "
                           "('25122007', 'Christmas')"));
    }
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_EQ(OpenError(path), QString());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(DiaryDatabaseTest, UnusableFilesGiveADescriptionNamingFileAndFault) {
    EXPECT_TRUE(OpenError(path).contains(QStringLiteral("does not exist")));
    EXPECT_TRUE(OpenError(path).contains(path));
    EXPECT_TRUE(OpenError(QString()).contains(QStringLiteral("No diary file")));
    EXPECT_TRUE(OpenError(dir.Path()).contains(QStringLiteral("folder")));

    WriteFile(path, "This is a letter, not a database.\r\n");
    const QString notDatabase = OpenError(path);
    EXPECT_TRUE(notDatabase.contains(QStringLiteral("not a diary database")))
        << notDatabase.toStdString();
    EXPECT_TRUE(notDatabase.contains(path));
}

TEST_F(DiaryDatabaseTest, MissingTableOrColumnIsNamedAndNothingIsCreated) {
    WriteFile(path, {});
    {
        RawConnection raw(path);
        raw.Exec(QStringLiteral("CREATE TABLE Contacts (Name TEXT)"));
    }
    EXPECT_TRUE(OpenError(path).contains(QStringLiteral("no table Diary")));
    {
        RawConnection raw(path);
        EXPECT_EQ(raw.Value(QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt(), 1);
        raw.Exec(
            QStringLiteral("CREATE TABLE Diary (ID INTEGER PRIMARY KEY, EventDate TEXT, "
                           "EventDescription TEXT, EventSound TEXT, PubHoliday INTEGER, "
                           "Nag INTEGER)"));
    }
    const QString missingColumn = OpenError(path);
    EXPECT_TRUE(missingColumn.contains(QStringLiteral("no column EventTime")))
        << missingColumn.toStdString();
    {
        RawConnection raw(path);
        raw.Exec(QStringLiteral("ALTER TABLE Diary ADD COLUMN eventtime TEXT"));
    }
    EXPECT_TRUE(OpenError(path).contains(QStringLiteral("no table Promotion")))
        << "column names compare without case, as SQLite's do";
}

TEST_F(DiaryDatabaseTest, HoldsASharedLockWhileOpen) {
    WriteFile(path, {});
    {
        CDiaryDatabase first(path);
        EXPECT_FALSE(CanLockExclusively(path));
        CDiaryDatabase second(path);
        EXPECT_EQ(second.FilePath(), path);
    }
    EXPECT_TRUE(CanLockExclusively(path));
}

TEST_F(DiaryDatabaseTest, AFileLockedExclusivelyIsReportedInUse) {
    WriteFile(path, {});
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(OpenError(path).contains(QStringLiteral("in use")));
    ::close(fd);
}
}  // namespace
