#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextStream>

#include "app/DiaryCommands.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakeDateOrder.h"
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
        return store.ReadText(QStringLiteral("Settings"), QStringLiteral("DiaryName"));
    }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakeDateOrder order;
    FakeClock clock;
    QString defaultDiary = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryCommandsTest, AddedEntriesShowInTheAgendaOfTheirDays) {
    EXPECT_EQ(Run("add", {"25/12/****", "Christmas", "--holiday"}).status, 0);
    EXPECT_EQ(Run("add", {"5/3/2007", "Dentist", "--time", "0930"}).status, 0);
    EXPECT_EQ(Run("add", {"05-03-****", "Pay rent"}).status, 0);
    EXPECT_EQ(DiaryName(), defaultDiary) << "found as start-up finds it";

    const Captured christmas = Run("agenda", {"25/12/2031"});
    EXPECT_EQ(christmas.status, 0);
    EXPECT_EQ(christmas.out, "Christmas\n");
    EXPECT_EQ(Run("agenda", {}).out, "Dentist\nPay rent\n") << "today without a date";
    EXPECT_EQ(Run("agenda", {"6/3/2007"}).out, QString());
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

TEST_F(DiaryCommandsTest, RefusedEntriesSayWhyAndStoreNothing) {
    const Captured invalid = Run("add", {"31/11/2007", "x"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err, "Invalid date\n");

    const Captured noMessage = Run("add", {"05032007", "", "--time", "2575"});
    EXPECT_EQ(noMessage.status, 1);
    EXPECT_EQ(noMessage.err,
              "Please add a message\nAlarm time- Hours cannot be more than 24\n"
              "Alarm time- Minutes cannot be more than 59\n");
    EXPECT_EQ(Run("add", {"05032007", "x", "--time", "930"}).err,
              "Alarm time must be four digits HHMM\n");
    EXPECT_EQ(Run("add", {"05032007", "x", "--time", "24:59"}).status, 0) << "24 and 59 pass";
    EXPECT_EQ(Run("list", {}).out.count('\n'), 1);
}

TEST_F(DiaryCommandsTest, BadArgumentsGiveStatusTwo) {
    EXPECT_EQ(Run("add", {"05032007"}).status, 2);
    EXPECT_EQ(Run("add", {"05032007", "x", "--time"}).status, 2);
    EXPECT_EQ(Run("agenda", {"1/1/2007", "2/1/2007"}).status, 2);
    EXPECT_EQ(Run("agenda", {"--holiday"}).status, 2) << "an option of add only";
    EXPECT_EQ(Run("agenda", {"**/12/2007"}).status, 2) << "a day has no '*'";
    const Captured badDate = Run("agenda", {"32/12/2007"});
    EXPECT_EQ(badDate.status, 1);
    EXPECT_EQ(badDate.err, "Invalid date\nDay must be between 1 and 31\n");
    EXPECT_EQ(Run("add", {"05032007", "--", "--not an option"}).status, 0);
    EXPECT_EQ(Run("agenda", {}).out, "--not an option\n");
}

TEST_F(DiaryCommandsTest, ListShowsDateTimeHolidayAndMessageInDateOrder) {
    Run("add", {"25/12/2007", "Christmas", "--holiday"});
    Run("add", {"05/03/2007", "Dentist", "--time", "0930"});
    Run("add", {"**/03/****", "March"});
    const Captured all = Run("list", {});
    EXPECT_EQ(all.out,
              "**/03/****  --:--           March\n"
              "05/03/2007  09:30           Dentist\n"
              "25/12/2007  --:--  holiday  Christmas\n");
    EXPECT_EQ(Run("list", {"5/3/2007"}).out.count('\n'), 2);
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.Path());
    env.insert("XDG_CONFIG_HOME", home.File("config"));
    env.insert("LC_ALL", "C");
    const auto run = [&](const QStringList& arguments, QString* out = nullptr,
                         QString* err = nullptr) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PLENDA_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        if (out)
            *out = QString::fromUtf8(process.readAllStandardOutput());
        if (err)
            *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    };
    EXPECT_EQ(run({"add", "25/12/****", "Christmas", "--holiday"}), 0);
    QString out;
    EXPECT_EQ(run({"agenda", "25/12/2031"}, &out), 0);
    EXPECT_EQ(out, "Christmas\n");
    QString err;
    EXPECT_EQ(run({"add", "31/11/2007", "x"}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("Invalid date"));
    EXPECT_TRUE(QFileInfo::exists(home.File("Diary.db")));
}
}  // namespace
