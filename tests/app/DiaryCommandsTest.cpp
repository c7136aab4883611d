// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTextStream>

#include "app/DiaryCommands.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
#include "support/PlendaProcess.h"
#include "support/TempDir.h"

namespace {
struct Captured {
    QString out;
    QString err;
    int status = -1;
};

// Today is 5 March 2007; dates are typed day-month-year unless a test says otherwise.
class DiaryCommandsTest : public ::testing::Test {
protected:
    Captured Run(const QString& name, const QStringList& arguments) {
        Captured result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        const DiaryCommandContext context{store, order, clock, dir.Path()};
        result.status = RunDiaryCommand(name, arguments, context, {out, err});
        out.flush();
        err.flush();
        return result;
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
    EXPECT_EQ(Run("agenda", {"25/12/2007"}).out, "Christmas\n");
    EXPECT_EQ(Run("agenda", {}).out, "Dentist\nMarch\n") << "today without a date";
    EXPECT_EQ(Run("agenda", {"6/4/2007"}).out, QString());
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
    EXPECT_EQ(raw.Value("SELECT EventTime FROM Diary").toString(), "0000");
    EXPECT_TRUE(QFileInfo(raw.Value("SELECT EventSound FROM Diary").toString()).isAbsolute());
    EXPECT_EQ(Run("list", {}).out.left(10), "12/25/****") << "shown in the user's order";
}

// Refused entries and arguments: the status, and what standard error says
// when a command's own rule refused them (status 2 is a usage line). The
// entry and date rules themselves are the dialogs' and patterns' own.
TEST_F(DiaryCommandsTest, RefusalsSayWhyAndStoreNothing) {
    const std::tuple<const char*, QStringList, int, QString> cases[] = {
        {"add",
         {"05032007", "", "--time", "2575"},
         1,
         "Please add a message\nAlarm time- Hours cannot be more than 24\n"
         "Alarm time- Minutes cannot be more than 59\n"},
        {"add", {"05032007", "x", "--time", "930"}, 1, "Alarm time must be four digits HHMM\n"},
        {"agenda", {"32/12/2007"}, 1, "Invalid date\nDay must be between 1 and 31\n"},
        {"add", {"05032007"}, 2, {}},
        {"add", {"05032007", "x", "--time"}, 2, {}},
        {"agenda", {"1/1/2007", "2/1/2007"}, 2, {}},
        {"agenda", {"--holiday"}, 2, {}},    // an option of add only
        {"agenda", {"**/12/2007"}, 2, {}}};  // a day has no '*'
    for (const auto& [command, arguments, status, error] : cases) {
        const Captured run = Run(command, arguments);
        EXPECT_EQ(run.status, status) << command << " " << qPrintable(arguments.join(' '));
        EXPECT_TRUE(error.isEmpty() || run.err == error) << run.err.toStdString();
    }
    EXPECT_EQ(Run("add", {"05032007", "x", "--time", "24:59"}).status, 0) << "24 and 59 pass";
    EXPECT_EQ(Run("add", {"05032007", "--", "--not an option"}).status, 0);
    EXPECT_EQ(Run("agenda", {}).out, "x\n--not an option\n");
}

TEST_F(DiaryCommandsTest, AnotherDiaryForOneCommandWritesNoSetting) {
    const QString other = dir.File(QStringLiteral("Other.db"));
    EXPECT_EQ(Run("add", {"05032007", "elsewhere", "--diary", other}).status, 0);
    EXPECT_EQ(DiaryName(), QString());
    EXPECT_EQ(Run("agenda", {"--diary", other}).out, "elsewhere\n");
    const Captured missing = Run("agenda", {"--diary", dir.File("missing.db")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("missing.db")) << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.File("missing.db"))) << "reading creates nothing";
}

TEST_F(DiaryCommandsTest, UnusableDiaryIsNamedInsteadOfAskedFor) {
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("no folder/Diary.db")));
    const Captured run = Run("agenda", {});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("no folder/Diary.db")) << run.err.toStdString();

    QFile letter(dir.File(QStringLiteral("letter.db")));
    ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
    letter.write("not a diary");
    letter.close();
    const Captured notDiary = Run("list", {"--diary", letter.fileName()});
    EXPECT_EQ(notDiary.status, 1);
    EXPECT_TRUE(notDiary.err.contains("not a diary")) << notDiary.err.toStdString();
}

// The whole program, as a terminal runs it.
TEST(DiaryCommandsProcess, AddThenAgendaAndARefusal) {
    TempDir home;
    EXPECT_EQ(RunPlendaIn(home.Path(), {"add", "25/12/****", "Christmas", "--holiday"}).status, 0);
    EXPECT_EQ(RunPlendaIn(home.Path(), {"agenda", "25/12/2031"}).out, "Christmas\n");
    const PlendaRun refused = RunPlendaIn(home.Path(), {"add", "31/11/2007", "x"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Invalid date"));
    EXPECT_TRUE(QFileInfo::exists(home.File("Diary.db")));
}
}  // namespace
