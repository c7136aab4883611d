// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "reminders/AlarmCheck.h"
#include "reminders/AlarmWindow.h"
#include "support/BoxPrompts.h"
#include "support/DiaryFixture.h"
#include "support/FakeClock.h"
#include "support/FakeNotifications.h"
#include "support/RowName.h"

namespace {
// "D HH:mm": day D of March 2007 ("" for never).
QDateTime At(const char* text) {
    return QDateTime::fromString(QLatin1String(text) + QLatin1String(" 3 2007"),
                                 QStringLiteral("d HH:mm M yyyy"));
}

struct WindowRow {
    const char* name;
    int alarm;  // minutes since midnight
    const char* now;
    const char* last;
    AlarmTiming expected;
};

class AlarmWindowTest : public ::testing::TestWithParam<WindowRow> {};

TEST_P(AlarmWindowTest, Timing) {
    const WindowRow& row = GetParam();
    EXPECT_EQ(TimeAlarm(row.alarm, At(row.now), At(row.last)), row.expected);
}

constexpr int k0930 = 9 * 60 + 30;
constexpr AlarmTiming kNot = AlarmTiming::NotDue, kDue = AlarmTiming::Due,
                      kMissed = AlarmTiming::Missed;
INSTANTIATE_TEST_SUITE_P(
    Rules, AlarmWindowTest,
    ::testing::Values(
        WindowRow{"QuarterHourBefore", k0930, "5 09:15", "5 09:14", kNot},
        WindowRow{"FirstMinuteOfWindow", k0930, "5 09:16", "5 09:15", kDue},
        WindowRow{"LastMinuteOfWindow", k0930, "5 09:29", "", kDue},
        WindowRow{"AtItsMinuteAfterASeenWindow", k0930, "5 09:30", "5 09:29", kNot},
        WindowRow{"MidnightMeansNone", 0, "5 12:00", "4 12:00", kNot},
        WindowRow{"EarlyAlarmOpensAtMidnight", 5, "5 00:00", "4 23:59", kDue},
        WindowRow{"ThreeHourJumpMisses", k0930, "5 12:00", "5 09:00", kMissed},
        WindowRow{"JumpFromInsideTheWindowSawIt", k0930, "5 12:00", "5 09:20", kNot},
        WindowRow{"JumpFromItsFirstMinuteSawIt", k0930, "5 12:00", "5 09:16", kNot},
        WindowRow{"StartAtItsMinuteMisses", k0930, "5 09:30", "5 08:00", kMissed},
        WindowRow{"FirstStartEverShowsNothingOld", k0930, "5 12:00", "", kNot},
        WindowRow{"MissedAcrossMidnight", 5, "5 00:30", "4 23:50", kMissed},
        WindowRow{"ClockSetBackMissesNothing", k0930, "5 10:00", "5 11:00", kNot},
        WindowRow{"TwentyFourHundredShowsBeforeMidnight", 24 * 60, "5 23:50", "5 23:49", kDue},
        WindowRow{"PastTheDayIsNeverMissed", 24 * 60 + 30, "5 23:59", "4 23:00", kNot}),
    RowName());

// Today is Monday 5 March 2007; the diary holds today's dentist at 09:30 and
// a daily walk at 10:00 and lunch at 11:00.
class AlarmCheckTest : public DiaryFixture {
protected:
    AlarmCheckTest() {
        Add({{"05032007", "Dentist", {}, 0, "0930"},
             {"********", "Walk", {}, 0, "1000"},
             {"********", "Lunch", {}, 0, "1100"}});
        index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false, clock);
    }
    void CheckAt(const char* when) {
        clock.now = At(when);
        check.CheckAlarms();
    }

    CDiarySetHolder holder{store};
    CMonthIndex index;
    BoxPrompts prompts;
    FakeClock clock;
    FakeNotifications notifications;
    CAlarmCheck check{holder, index, prompts, clock, store, &notifications};
};

// A new day gathers its own alarms only: yesterday's dentist stays yesterday's.
TEST_F(AlarmCheckTest, AlarmsShowOnceAGapShowsWhatItMissedInOneBoxAndEachDayItsOwn) {
    for (const char* minute : {"5 09:16", "5 09:17", "5 12:00", "5 12:01", "6 09:20", "6 09:50"})
        CheckAt(minute);
    EXPECT_EQ(prompts.Shown(),
              QStringList({"09:16 You have an appointment: 09:30 Dentist",
                           "12:00 Missed appointments: Missed: 10:00 Walk\nMissed: 11:00 Lunch",
                           "09:50 You have an appointment: 10:00 Walk"}));
    EXPECT_EQ(notifications.sent,
              (QStringList{"Plenda|09:30 Dentist", "Plenda|Missed: 10:00 Walk\nMissed: 11:00 Lunch",
                           "Plenda|10:00 Walk"}));
    EXPECT_EQ(Stored(Key::LastAlarmCheck), "2007-03-06 09:50");
}

TEST_F(AlarmCheckTest, StartCatchesUpFromTheStoredMinuteAndCallsWhileABoxIsOpenWait) {
    CheckAt("5 09:40");
    EXPECT_TRUE(prompts.messages.isEmpty()) << "a first start ever shows nothing old";
    // As after a restart: the check reads the minute it last ran from the settings.
    Put(Key::LastAlarmCheck, "2007-03-05 09:05");
    int nestedCalls = 0;
    prompts.whileOpen = [&] {
        ++nestedCalls;
        CheckAt("5 09:59");
    };
    CheckAt("5 09:50");
    EXPECT_EQ(prompts.Shown(), QStringList({"09:50 Missed appointments: Missed: 09:30 Dentist",
                                            "09:50 You have an appointment: 10:00 Walk"}))
        << "one box after the other, none nested";
    EXPECT_EQ(nestedCalls, 2);
    EXPECT_FALSE(check.IsChecking());
}

}  // namespace
