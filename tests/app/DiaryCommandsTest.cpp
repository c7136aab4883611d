// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "app/DiaryCommands.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/CommandCapture.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/TempDir.h"

namespace {
// Today is 5 March 2007; dates are typed day-month-year unless a test says otherwise.
class DiaryCommandsTest : public ::testing::Test {
protected:
    Captured Run(const QString& name, const QStringList& arguments) {
        const DiaryCommandContext context{store, order, clock, dir.Path()};
        return Capture([&](QTextStream& out, QTextStream& err) {
            return RunDiaryCommand(name, arguments, context, {out, err});
        });
    }
    QString DiaryName() const {
        return store.ReadText(QStringLiteral("Settings"), KeyName(Key::DiaryName));
    }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakeDateOrder order;
    FakeClock clock;
    QString defaultDiary = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryCommandsTest, AddedEntriesShowInTheAgendaAndListOfTheirDays) {
    EXPECT_EQ(Run("add", {"25/12/2007", "Christmas", "--holiday"}).status, 0);
    EXPECT_EQ(Run("add", {"5/3/2007", "Dentist", "--time", "0930"}).status, 0);
    EXPECT_EQ(Run("add", {"**-03-****", "March"}).status, 0);
    EXPECT_EQ(DiaryName(), defaultDiary) << "found as start-up finds it";
    // A day's, today's without a date, and a day's without entries.
    EXPECT_EQ(Run("agenda", {"25/12/2007"}).out + '|' + Run("agenda", {}).out + '|' +
                  Run("agenda", {"6/4/2007"}).out,
              "Christmas\n|Dentist\nMarch\n|");
    EXPECT_EQ(Run("list", {}).out,
              "**/03/****  --:--           March\n"
              "05/03/2007  09:30           Dentist\n"
              "25/12/2007  --:--  holiday  Christmas\n");
    EXPECT_EQ(Run("list", {"5/3/2007"}).out.count('\n'), 2);
}
TEST_F(DiaryCommandsTest, AddStoresTheDdmmyyyyFormWhateverTheOrderTyped) {
    order.order = DateOrder::MonthDayYear;
    ASSERT_EQ(Run("add", {"12/25/****", "Christmas", "--tune", "bells.wav"}).status, 0);
    diaryfiles::RawConnection raw(defaultDiary);
    EXPECT_EQ(raw.Value("SELECT EventDate FROM Diary").toString(), "2512****");
    EXPECT_TRUE(QFileInfo(raw.Value("SELECT EventSound FROM Diary").toString()).isAbsolute());
    EXPECT_EQ(Run("list", {}).out.left(10), "12/25/****") << "shown in the user's order";
}

// Refused entries and arguments: the status, and the start of what standard
// error says (status 2 is a usage line). The entry and date rules' cases are
// the dialogs' and patterns' own tables; here each reaches the command once.
TEST_F(DiaryCommandsTest, RefusalsSayWhyAndStoreNothing) {
    const std::tuple<const char*, QStringList, int, QString> cases[] = {
        {"add", {"05032007", "", "--time", "2575"}, 1, "Please add a message\n"},
        {"add", {"05032007", "x", "--time", "930"}, 1, "Alarm time must be four digits HHMM\n"},
        {"agenda", {"32/12/2007"}, 1, "Invalid date\n"},
        {"agenda", {"1/1/2007", "2/1/2007"}, 2, "plenda: "},
        {"agenda", {"**/12/2007"}, 2, "plenda: "}};  // a day has no '*'
    for (const auto& [command, arguments, status, error] : cases) {
        const Captured run = Run(command, arguments);
        EXPECT_EQ(run.status, status) << command << " " << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.err.startsWith(error)) << run.err.toStdString();
    }
    EXPECT_EQ(Run("add", {"05032007", "--", "--not an option"}).status, 0);
    EXPECT_EQ(Run("agenda", {}).out, "--not an option\n") << "only the entry after '--' is stored";
}

// The diary the settings name, when unusable, and one given by --diary that
// is missing or not a diary, are named; --diary writes no setting.
TEST_F(DiaryCommandsTest, AnotherDiaryForOneCommandWritesNoSettingAndAnUnusableOneIsNamed) {
    const QString other = dir.File(QStringLiteral("Other.db"));
    EXPECT_EQ(Run("add", {"05032007", "elsewhere", "--diary", other}).status, 0);
    EXPECT_EQ(DiaryName(), QString());
    EXPECT_EQ(Run("agenda", {"--diary", other}).out, "elsewhere\n");
    const QString letter = dir.Write("letter.db", "not a diary");
    const QString fifo = dir.File("fifo.db");  // opening it would wait for a writer
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir.File("missing.db"), letter, fifo}) {
        const Captured run = Run("list", {"--diary", path});
        EXPECT_TRUE(run.status == 1 && run.err.contains(path)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.File("missing.db"))) << "reading creates nothing";
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("no folder/Diary.db")));
    const Captured run = Run("agenda", {});
    EXPECT_TRUE(run.status == 1 && run.err.contains("no folder/Diary.db")) << run.err.toStdString();
}

}  // namespace
