// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "support/DiaryFixture.h"
#include "support/FullDisk.h"
#include "support/Golden.h"
#include "support/PlendaProcess.h"
#include "support/RowName.h"

// `plenda export` and `plenda import` as a terminal runs them, on real diary
// files; what a calendar file holds is the calendar file tests' business.
namespace {
// Date pattern, time, holiday flag, tune and message of each entry that
// falls on a day.
std::string Rows(const QString& path, bool asHolidays = false) {
    return diaryfiles::RawConnection(path)
        .Value(QStringLiteral("SELECT group_concat(EventDate || ' ' || EventTime || ' ' || "
                              "(PubHoliday OR %1) || ' ' || ifnull(EventSound, '') || ' ' || "
                              "EventDescription, '|') FROM Diary WHERE EventDate != '31022007'")
                   .arg(asHolidays))
        .toString()
        .toStdString();
}

struct Row {
    const char* name;
    QStringList arguments;
    int status;
    const char* message;
};

class CalendarCommandTest : public DiaryFixture, public ::testing::WithParamInterface<Row> {
protected:
    CalendarCommandTest() {
        Add({{"25122026", "Christmas", "", 1},
             {"2512****", "Christmas, every year", "/home/u/jingle bells.wav", 1},
             {"15******", "Rent; pay \"on time\"\nsecond line", "", 0, "0900"},
             {"01011*0*", "Scattered years", "/tmp/a.avi", 0, "1800"},
             {"31022007", "falls on no day"}});
    }
    PlendaRun Run(QStringList arguments, const QString& diary, const QByteArray& input) {
        return RunPlendaIn(dir.Path(), arguments << "--diary" << diary, input);
    }
};

// Export (to FILE or '-'), then import (FILE or '-') into an empty diary
// twice: the entries come back as they were, a pattern no rule can say among
// them (every kind of pattern is the calendar file tests'). The import names
// its source (`message`) in its summary.
using RoundTripTest = CalendarCommandTest;
TEST_P(RoundTripTest, GivesTheSameEntriesAndASecondImportAddsNothing) {
    const QStringList& words = GetParam().arguments;
    const PlendaRun exported = Run({"export", words[0]}, "Diary.db", {});
    EXPECT_EQ(exported.status, GetParam().status);
    // Beside a calendar on standard output the summary goes to standard error.
    EXPECT_TRUE((words[0] == "-" ? exported.err : exported.out)
                    .endsWith("4 entries exported, 1 left out (their dates fall on no day).\n"));
    const QByteArray calendar = words[0] == "-" ? exported.out : TempDir::Read(dir.File(words[0]));
    EXPECT_TRUE(calendar.contains("TRIGGER:-PT15M")) << "alarms a quarter of an hour ahead";
    const std::string expected = Rows(diaryPath, words.contains("--holiday"));
    for (const char* summary : {"4 added, 0 already present", "0 added, 4 already present"}) {
        const PlendaRun imported = Run(QStringList{"import"} + words.mid(1), "New.db", calendar);
        EXPECT_TRUE(imported.out.startsWith(GetParam().message + QByteArray(summary)))
            << imported.out.toStdString();
        EXPECT_EQ(Rows(dir.File("New.db")), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RoundTripTest,
    ::testing::Values(Row{"Files", {"a.ics", "a.ics"}, 0, "a.ics: "},
                      Row{"Streams", {"-", "-"}, 0, "standard input: "},
                      Row{"Holidays", {"a.ics", "-", "--holiday"}, 0, "standard input: "}),
    RowName());

// Standard input holds a letter, not a calendar.
using RefusalTest = CalendarCommandTest;
TEST_P(RefusalTest, SaysWhyAndLeavesTheDiaryByteForByte) {
    const QByteArray before = TempDir::Read(diaryPath);
    const PlendaRun run = Run(GetParam().arguments, "Diary.db", "Dear diary,\n");
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
    EXPECT_EQ(TempDir::Read(diaryPath), before);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    ::testing::Values(
        Row{"Damaged", {"import", GoldenPath("ics/damaged.ics")}, 1, "damaged.ics, line 13:"},
        Row{"NotICalendar", {"import", "-"}, 1, "standard input, line 1:"},
        Row{"OverTheDiary", {"export", "Diary.db"}, 1, "it is the diary itself"},
        Row{"NoFile", {"import"}, 2, "  import FILE [--holiday]\n"},
        Row{"TwoFiles", {"export", "a.ics", "b.ics"}, 2, "  export [FILE]"}),
    RowName());

// On a full disk the calendar file and the settings file keep their old
// bytes, no half-written file is left beside them, and the command fails
// with the system's reason (`message` names the file in the folder).
using FullDiskTest = CalendarCommandTest;
TEST_P(FullDiskTest, FailsWithTheReasonAndKeepsTheOldFile) {
    const FullDisk disk(dir.File("full"));
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString target = dir.File("full/") + GetParam().message;
    QDir().mkpath(QFileInfo(target).path());
    const QByteArray before = "[Settings]\nFont=Arial\n";
    dir.Write("full/" + QString(GetParam().message), before);
    disk.Fill();
    const PlendaRun run =
        RunPlendaIn(dir.File("full"), QStringList(GetParam().arguments) << "--diary" << diaryPath);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.toStdString();
    EXPECT_EQ(TempDir::Read(target), before);
    EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden).join(' '),
              QFileInfo(target).fileName() + (target.endsWith(".ics") ? " filler" : ""));
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDiskTest,
                         ::testing::Values(Row{"Export", {"export", "a.ics"}, 1, "a.ics"},
                                           Row{"SettingsOfSync",
                                               {"sync", "--url", "http://127.0.0.1:9/cal/",
                                                "--user", "u"},
                                               1,
                                               "config/Quenmor/Calendar.ini"}),
                         RowName());

// A new diary the full disk cannot hold is not left behind empty, neither by
// an import nor by `add`.
TEST_F(CalendarCommandTest, ANewDiaryThatCannotBeMadeLeavesNoFile) {
    const FullDisk disk(dir.File("full"));
    if (!disk.mounted)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    disk.Fill();
    for (const QStringList& words :
         {QStringList{"import", GoldenPath("ics/holidays.ics")}, {"add", "05032007", "x"}}) {
        const PlendaRun run =
            RunPlendaIn(dir.Path(), words + QStringList{"--diary", "full/New.db"});
        EXPECT_TRUE(run.status == 1 && run.err.contains("full/New.db")) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(dir.File("full/New.db"))) << qPrintable(words[0]);
    }
}

// 100 events, each a year long and repeating daily: within 1 GB of address
// space and 10 s (sanitizer builds: no bound, 60 s), it finishes or refuses.
TEST_F(CalendarCommandTest, ALongDailyEventsFileStaysWithinMemory) {
    QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//t//t//EN\n";
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral(
                    "BEGIN:VEVENT\nUID:%1@t\nDTSTAMP:20260101T000000Z\nDTSTART:"
                    "20260101T090000Z\nDTEND:20270102T090000Z\nRRULE:FREQ=DAILY\n"
                    "SUMMARY:Long %1\nEND:VEVENT\n")
                    .arg(i)
                    .toUtf8();
    QElapsedTimer timer;
    timer.start();
    const PlendaRun run = RunPlendaIn(dir.Path(), {"import", "-", "--diary", "New.db"},
                                      text + "END:VCALENDAR\n", {PLENDA_ADDRESS_LIMIT});
    EXPECT_TRUE(run.status == 0 || (run.status == 1 && run.err.contains("nothing was imported")))
        << run.status << run.err.toStdString();
    EXPECT_LT(timer.elapsed(), PLENDA_LONG_IMPORT_MS);
}

// The UIDs follow the diary, not the name it is reached by: relative,
// absolute, through a link, or a copy of the file.
TEST_F(CalendarCommandTest, ExportUidsAreTheSameUnderEveryNameOfTheDiary) {
    Run({"export", "-"}, "Diary.db", {});  // the copy is made after the identity
    QFile::link(diaryPath, dir.File("link.db"));
    QFile::copy(diaryPath, dir.File("copy.db"));
    QSet<QByteArray> uidSets;
    for (const QString& name :
         {QString("Diary.db"), diaryPath, dir.File("link.db"), dir.File("copy.db")}) {
        QByteArray uids;
        for (const QByteArray& line : Run({"export", "-"}, name, {}).out.split('\n'))
            uids += line.startsWith("UID:") ? line : QByteArray();
        uidSets.insert(uids);
    }
    EXPECT_EQ(uidSets.size(), 1);
    EXPECT_TRUE(uidSets.values().first().contains("UID:plenda-"));
}
}  // namespace
