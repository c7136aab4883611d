#include <gtest/gtest.h>

#include <functional>

#include "diary/DiaryError.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "reminders/Reminders.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::Entry;

// Prompts that can run code while a box is "open", as a nested loop would.
class NestingPrompts : public FakePrompts {
public:
    void ShowMessage(const QString& text, const QString& caption) override {
        FakePrompts::ShowMessage(text, caption);
        if (whileOpen)
            whileOpen();
    }
    std::function<void()> whileOpen;
};

// Today is Monday 5 March 2007 (the fake clock's default).
class RemindersTest : public ::testing::Test {
protected:
    RemindersTest() {
        diaryfiles::CreateDiary(path);
        diaryfiles::PointSettingsAt(store, path);
    }
    void Add(std::initializer_list<Entry> entries) {
        diaryfiles::RawConnection raw(path);
        for (const Entry& e : entries) raw.Add(e);
    }
    void LoadIndex() { index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false, clock); }
    void At(int hour, int minute, QDate date = QDate(2007, 3, 5)) {
        clock.now = QDateTime(date, QTime(hour, minute));
    }

    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
    CDiarySetHolder holder{store};
    CMonthIndex index;
    NestingPrompts prompts;
    FakeClock clock;
    FakeTunes tunes;
    CReminders reminders{holder, index, prompts, clock, tunes};
};

TEST_F(RemindersTest, DayMessagesShareOneBoxUnderTheLongDate) {
    Add({{"12122007", "Dentist"},
         {"1212****", "Pay rent", "  /Sounds/Bell.WAV  "},
         {"12122007", "", "/Sounds/chime.wav"},
         {"13122007", "Not this day"}});
    reminders.CheckDiary(12, 12, 2007, false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Dentist\nPay rent");
    EXPECT_EQ(prompts.messages[0].caption, "Wednesday, December 12 2007");
    EXPECT_EQ(tunes.calls, (QStringList{"sound /Sounds/Bell.WAV", "sound /Sounds/chime.wav"}))
        << "the path keeps its case; an empty message still plays its tune";
}

TEST_F(RemindersTest, EmptyDayShowsNoMessagesUnlessQuiet) {
    Add({{"06032007", "tomorrow"}});
    reminders.CheckDiary(0, 0, 0, true);
    EXPECT_TRUE(prompts.messages.isEmpty());
    reminders.CheckDiary(0, 0, 0, false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "No Messages!");
    EXPECT_EQ(prompts.messages[0].caption, "Monday, March 5 2007");
}

TEST_F(RemindersTest, DayZeroIsTodayAndTunesPlayOnlyWhenAsked) {
    Add({{"05032007", "today", "/a/clip.avi"}, {"0503****", "yearly", "/a/song.mp3"}});
    EXPECT_EQ(reminders.GatherDayMessages(0, 0, 0, false), "today\nyearly");
    EXPECT_TRUE(tunes.calls.isEmpty());
    reminders.GatherDayMessages(5, 3, 2007, true);
    EXPECT_EQ(tunes.calls,
              (QStringList{"open /a/clip.avi", "place 100 100 160 160", "play", "close"}))
        << "an mp3 is not played";
}

TEST_F(RemindersTest, OddRowsGiveNoMessagesAndNoCrash) {
    Add({{QVariant(), QVariant(), QVariant()},
         {"0503200", "seven"},
         {"05/03/2007", "ten"},
         {"0503****x", "nine"},
         {"05032007", QVariant(), "   "}});
    EXPECT_EQ(reminders.GatherDayMessages(5, 3, 2007, true), QString());
    EXPECT_TRUE(tunes.calls.isEmpty());
}

TEST_F(RemindersTest, VideoFailuresAreReportedPerStepAndTheSequenceGoesOn) {
    tunes.openFailure = QStringLiteral("The file /gone.avi cannot be found.");
    tunes.placeFailure = QStringLiteral("The video is not open.");
    tunes.playFailure = QString();
    tunes.closeFailure = QStringLiteral("The video is not open.");
    reminders.PlayTune(QStringLiteral("/gone.avi"));
    EXPECT_EQ(tunes.calls.size(), 4);
    ASSERT_EQ(prompts.messages.size(), 4);
    EXPECT_EQ(prompts.messages[0].caption, "MCIERROR - open");
    EXPECT_EQ(prompts.messages[0].text, "The file /gone.avi cannot be found.");
    EXPECT_EQ(prompts.messages[1].caption, "MCIERROR - play");
    EXPECT_EQ(prompts.messages[2].caption, "MCIERROR - play");
    EXPECT_EQ(prompts.messages[2].text, "Unknown MCI error");
    EXPECT_EQ(prompts.messages[3].caption, "MCIERROR - close");
}

TEST_F(RemindersTest, CheckSeesRecordsAsLastFetched) {
    LoadIndex();
    Add({{"05032007", "added after the load"}});
    EXPECT_EQ(reminders.GatherDayMessages(0, 0, 0, false), QString());
    LoadIndex();
    EXPECT_EQ(reminders.GatherDayMessages(0, 0, 0, false), "added after the load");
}

TEST_F(RemindersTest, UnopenableDiaryReportsOnceThenReadsNothing) {
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("missing.db")));
    EXPECT_THROW(reminders.CheckDiary(0, 0, 0, false), CDatabaseError);
    reminders.CheckDiary(0, 0, 0, false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "No Messages!");
}

TEST_F(RemindersTest, AppointmentShowsOnceInTheQuarterHourBeforeIt) {
    Add({{"05032007", "Dentist", {}, 0, "0930"}, {"05032007", "Midnight", {}, 0, "0000"}});
    LoadIndex();
    At(9, 15);
    reminders.CheckAlarms();
    EXPECT_TRUE(prompts.messages.isEmpty());
    At(9, 16);
    reminders.CheckAlarms();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "09:30 Dentist");
    EXPECT_EQ(prompts.messages[0].caption, "09:16 You have an appointment");
    At(9, 29);
    reminders.CheckAlarms();
    LoadIndex();
    reminders.CheckAlarms();
    EXPECT_EQ(prompts.messages.size(), 1) << "shown once, even after a reload";
    EXPECT_FALSE(reminders.IsCheckingAlarms());
}

TEST_F(RemindersTest, NoAppointmentAtOrAfterItsMinute) {
    Add({{"05032007", "Dentist", {}, 0, "0930"}});
    LoadIndex();
    At(9, 30);
    reminders.CheckAlarms();
    At(10, 0);
    reminders.CheckAlarms();
    EXPECT_TRUE(prompts.messages.isEmpty());
    At(9, 29);
    reminders.CheckAlarms();
    EXPECT_EQ(prompts.messages.size(), 1) << "still in its slot, unshown";
}

TEST_F(RemindersTest, TimerCallsWhileABoxIsOpenReturnAtOnce) {
    Add({{"05032007", "Dentist", {}, 0, "0930"}, {"05032007", "Gym", {}, 0, "0935"}});
    LoadIndex();
    At(9, 25);
    int nestedCalls = 0;
    prompts.whileOpen = [&] {
        EXPECT_TRUE(reminders.IsCheckingAlarms());
        ++nestedCalls;
        reminders.CheckAlarms();
    };
    reminders.CheckAlarms();
    EXPECT_EQ(nestedCalls, 2);
    ASSERT_EQ(prompts.messages.size(), 2) << "one box after the other, none nested";
    EXPECT_EQ(prompts.messages[1].text, "09:35 Gym");
    EXPECT_FALSE(reminders.IsCheckingAlarms());
}

TEST_F(RemindersTest, YesterdaysUnsoundedAlarmDoesNotSoundToday) {
    Add({{"05032007", "Yesterday's dentist", {}, 0, "0930"}, {"********", "Daily", {}, 0, "0940"}});
    LoadIndex();
    At(9, 20, QDate(2007, 3, 6));
    reminders.CheckAlarms();
    EXPECT_TRUE(prompts.messages.isEmpty());
    At(9, 30, QDate(2007, 3, 6));
    reminders.CheckAlarms();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "09:40 Daily");
}
}  // namespace
