// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "diary/DiaryError.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "reminders/Reminders.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/FakeTunes.h"
#include "support/RowName.h"

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
class RemindersTest : public DiaryFixture {
protected:
    void LoadIndex() { index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false, clock); }
    void At(int hour, int minute, QDate date = QDate(2007, 3, 5)) {
        clock.now = QDateTime(date, QTime(hour, minute));
    }

    CDiarySetHolder holder{store};
    CMonthIndex index;
    NestingPrompts prompts;
    FakeClock clock;
    FakeTunes tunes;
    CReminders reminders{holder, index, prompts, clock, tunes};
};

TEST_F(RemindersTest, DayMessagesShareOneBoxUnderTheLongDateAndPlayTheirTunes) {
    Add({{"12122007", "Dentist"},
         {"1212****", "Pay rent", "  /Sounds/Bell.WAV  "},
         {"12122007", "", "/Sounds/chime.wav"},
         {"12122007", "Video", "/a/clip.avi"},
         {"12122007", "Song", "/a/song.mp3"},
         {"13122007", "Not this day"}});
    reminders.CheckDiary(12, 12, 2007, false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Dentist\nPay rent\nVideo\nSong");
    EXPECT_EQ(prompts.messages[0].caption, "Wednesday, December 12 2007");
    // The path keeps its case; an empty message still plays its tune; an mp3 is not played.
    EXPECT_EQ(tunes.calls,
              (QStringList{"sound /Sounds/Bell.WAV", "sound /Sounds/chime.wav", "open /a/clip.avi",
                           "place 100 100 160 160", "play", "close"}));
}

TEST_F(RemindersTest, EmptyDayShowsNoMessagesUnlessQuietAndOddRowsGiveNothing) {
    Add({{QVariant(), QVariant(), QVariant()},
         {"0503200", "seven"},
         {"05/03/2007", "ten"},
         {"05032007", QVariant(), "   "}});
    LoadIndex();
    reminders.CheckDiary(0, 0, 0, true);
    EXPECT_TRUE(prompts.messages.isEmpty());
    Add({{"05032007", "added after the load"}});
    reminders.CheckDiary(0, 0, 0, false);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "No Messages!") << "the records as last fetched";
    EXPECT_EQ(prompts.messages[0].caption, "Monday, March 5 2007");
    EXPECT_TRUE(tunes.calls.isEmpty());
    LoadIndex();
    EXPECT_EQ(reminders.GatherDayMessages(0, 0, 0, false), "added after the load");
}

TEST_F(RemindersTest, VideoFailuresAreReportedPerStepAndAnUnopenableDiaryOnce) {
    tunes.openFailure = QStringLiteral("The file /gone.avi cannot be found.");
    tunes.placeFailure = QStringLiteral("The video is not open.");
    tunes.playFailure = QString();
    reminders.PlayTune(QStringLiteral("/gone.avi"));
    EXPECT_EQ(tunes.calls.size(), 4);
    QStringList shown;
    for (const auto& m : prompts.messages) shown << m.caption + ": " + m.text;
    EXPECT_EQ(shown, (QStringList{"MCIERROR - open: The file /gone.avi cannot be found.",
                                  "MCIERROR - play: The video is not open.",
                                  "MCIERROR - play: Unknown MCI error"}));
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("missing.db")));
    EXPECT_THROW(reminders.CheckDiary(0, 0, 0, false), CDatabaseError);
    reminders.CheckDiary(0, 0, 0, false);
    EXPECT_EQ(prompts.messages.last().text, "No Messages!");
}

// An appointment at 09:30 is shown once, in the quarter of an hour before it.
struct AlarmRow {
    const char* name;
    int hour, minute;
    bool shown;
};

class AlarmWindow : public RemindersTest, public ::testing::WithParamInterface<AlarmRow> {};

TEST_P(AlarmWindow, ShowsTheAppointmentOnlyInTheQuarterHourBeforeIt) {
    Add({{"05032007", "Dentist", {}, 0, "0930"}, {"05032007", "Midnight", {}, 0, "0000"}});
    LoadIndex();
    At(GetParam().hour, GetParam().minute);
    reminders.CheckAlarms();
    if (!GetParam().shown) {
        EXPECT_TRUE(prompts.messages.isEmpty());
        return;
    }
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "09:30 Dentist");
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("%1:%2 You have an appointment")
                                               .arg(GetParam().hour, 2, 10, QLatin1Char('0'))
                                               .arg(GetParam().minute, 2, 10, QLatin1Char('0')));
    LoadIndex();
    reminders.CheckAlarms();
    EXPECT_EQ(prompts.messages.size(), 1) << "shown once, even after a reload";
}

INSTANTIATE_TEST_SUITE_P(
    Reminders, AlarmWindow,
    ::testing::Values(AlarmRow{"Midnight", 0, 0, false}, AlarmRow{"At0914", 9, 14, false},
                      AlarmRow{"At0915", 9, 15, false}, AlarmRow{"At0916", 9, 16, true},
                      AlarmRow{"At0929", 9, 29, true}, AlarmRow{"At0930", 9, 30, false},
                      AlarmRow{"At1000", 10, 0, false}),
    RowName());

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
