// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "diary/DiaryError.h"
#include "support/DiaryFiles.h"
#include "support/RowName.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::RawConnection;

// The description of the error opening `path` raises; empty when it opens.
QString OpenError(const QString& path) {
    try {
        CDiaryDatabase db(path);
    } catch (const CDatabaseError& error) {
        return error.Description();
    }
    return {};
}

class DiaryDatabaseTest : public ::testing::Test {
protected:
    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryDatabaseTest, EmptyFileGetsBothTablesAnExistingDiaryIsKeptAndUnusableOnesNamed) {
    dir.Write("Diary.db", {});
    { CDiaryDatabase created(path); }
    RawConnection raw(path);
    const auto columns = [&](const char* table) {
        return raw
            .Value(QStringLiteral("SELECT group_concat(name, ' ') FROM pragma_table_info('%1')")
                       .arg(QLatin1String(table)))
            .toString();
    };
    EXPECT_EQ(columns("Diary"),
              "ID EventDate EventDescription EventSound PubHoliday Nag EventTime");
    EXPECT_EQ(columns("Promotion"), "ID clientid productid promotext");
    raw.Exec(QStringLiteral("ALTER TABLE Diary ADD COLUMN Colour TEXT"));
    const QByteArray before = TempDir::Read(path);
    EXPECT_EQ(OpenError(path), QString()) << "an extra column is no reason to refuse";
    EXPECT_EQ(TempDir::Read(path), before);
    // Unusable files are named with their fault and nothing is created in
    // them. The lock an open diary holds is seen across processes with the
    // probe; here another program's exclusive lock.
    const QString letter = dir.Write("letter.db", "This is a letter, not a database.\r\n");
    const QString held = dir.Write("held.db", {});
    const int fd = ::open(QFile::encodeName(held).constData(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const QString contacts = dir.Write("contacts.db", {});
    RawConnection(contacts).Exec(QStringLiteral("CREATE TABLE Contacts (Name TEXT)"));
    const QString fifo = dir.File("fifo.db");  // opening it would wait for a writer
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, const char*> cases[] = {{dir.File("missing.db"), "does not exist"},
                                                     {QString(), "No diary file"},
                                                     {dir.Path(), "folder"},
                                                     {letter, "not a diary database"},
                                                     {contacts, "no table Diary"},
                                                     {held, "in use"},
                                                     {fifo, "not a regular file"}};
    for (const auto& [file, fault] : cases) {
        const QString error = OpenError(file);
        EXPECT_TRUE(error.contains(QLatin1String(fault)) && error.contains(file))
            << error.toStdString();
    }
    EXPECT_EQ(RawConnection(contacts).Value("SELECT count(*) FROM sqlite_master").toInt(), 1);
    ::close(fd);
}

// A `Diary` table (and no `Promotion` table, which only the internet update
// needs) with one column declared otherwise or left out, and the column the
// refusal names (empty: the file opens).
struct DeclaredTypeRow {
    const char* name;
    const char* column;
    const char* declaration;
    const char* refused;
};

class DeclaredTypeTest : public DiaryDatabaseTest,
                         public ::testing::WithParamInterface<DeclaredTypeRow> {};

TEST_P(DeclaredTypeTest, ColumnsThatWouldChangeStoredValuesAreRefusedByName) {
    const DeclaredTypeRow& r = GetParam();
    QString columns =
        "ID INTEGER PRIMARY KEY, EventDate TEXT, EventDescription TEXT, EventSound TEXT, "
        "PubHoliday INTEGER, Nag INTEGER, EventTime TEXT";
    RawConnection(path).Exec("CREATE TABLE Diary (" + columns.replace(r.column, r.declaration) +
                             ")");
    const QString error = OpenError(path);
    EXPECT_TRUE(*r.refused ? error.contains(QStringLiteral("column %1").arg(r.refused))
                           : error.isEmpty())
        << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeclaredTypeTest,
    ::testing::Values(
        DeclaredTypeRow{"DateAsInteger", "EventDate TEXT", "EventDate INTEGER", "EventDate"},
        DeclaredTypeRow{"IdWithoutKey", "ID INTEGER PRIMARY KEY", "ID INTEGER", "ID"},
        DeclaredTypeRow{"TimeMissing", ", EventTime TEXT", "", "EventTime"},
        DeclaredTypeRow{"NameInOtherCase", "EventTime TEXT", "eventtime TEXT", ""},
        DeclaredTypeRow{"HolidayAsText", "PubHoliday INTEGER", "PubHoliday TEXT", "PubHoliday"},
        DeclaredTypeRow{"DateAsVarchar", "EventDate TEXT", "EventDate VARCHAR(8)", ""},
        DeclaredTypeRow{"NagAsBoolean", "Nag INTEGER", "Nag BOOLEAN", ""}),
    RowName());

}  // namespace
