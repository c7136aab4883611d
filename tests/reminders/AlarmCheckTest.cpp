// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "diary/DiarySetHolder.h"
#include "reminders/AlarmCheck.h"
#include "reminders/AlarmWindow.h"
#include "reminders/NotificationText.h"
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
    const char* alarm;
    const char* now;
    const char* last;
    bool shown;
    AlarmTiming expected;
};

class AlarmWindowTest : public ::testing::TestWithParam<WindowRow> {};

TEST_P(AlarmWindowTest, Timing) {
    const WindowRow& row = GetParam();
    const QDateTime now = At(row.now);
    EXPECT_EQ(TimeAlarm(At(row.alarm), now, LookBackStart(now, At(row.last)), row.shown),
              row.expected);
}

constexpr AlarmTiming kNot = AlarmTiming::NotDue, kDue = AlarmTiming::Due,
                      kMissed = AlarmTiming::Missed;
INSTANTIATE_TEST_SUITE_P(
    Rules, AlarmWindowTest,
    ::testing::Values(
        WindowRow{"QuarterHourBefore", "5 09:30", "5 09:15", "5 09:14", false, kNot},
        WindowRow{"FirstMinuteOfWindow", "5 09:30", "5 09:16", "5 09:15", false, kDue},
        WindowRow{"LastMinuteOfWindow", "5 09:30", "5 09:29", "", false, kDue},
        WindowRow{"ShownIsNeitherDueNorMissed", "5 09:30", "5 09:20", "5 09:00", true, kNot},
        WindowRow{"ShownBeforeAGapIsNotMissed", "5 09:30", "5 12:00", "5 09:17", true, kNot},
        WindowRow{"UnshownSinceTheLastCheckIsMissed", "5 09:30", "5 12:00", "5 09:20", false,
                  kMissed},
        WindowRow{"AtItsMinuteMisses", "5 09:30", "5 09:30", "5 08:00", false, kMissed},
        WindowRow{"BeforeTheLastCheckIsNotMissed", "5 09:30", "5 12:00", "5 09:31", false, kNot},
        WindowRow{"FirstStartEverShowsNothingOld", "5 09:30", "5 12:00", "", false, kNot},
        WindowRow{"ClockSetBackMissesNothing", "5 09:30", "5 10:00", "5 11:00", false, kNot},
        WindowRow{"LeadTimeCrossesMidnight", "6 00:05", "5 23:51", "5 23:50", false, kDue},
        WindowRow{"MissedOvernight", "4 23:45", "5 07:00", "4 23:00", false, kMissed},
        WindowRow{"WithinAWeekIsMissed", "3 12:00", "9 12:00", "1 00:00", false, kMissed},
        WindowRow{"MoreThanAWeekBackIsNot", "1 12:00", "9 12:00", "1 00:00", false, kNot}),
    RowName());

struct CheckRow {
    const char* name;
    const char* lastCheck;            // as stored before the first start ("" none)
    std::vector<const char*> starts;  // each a start of the program and its first check
    QStringList expected;
};

// Today is Monday 5 March 2007. Each check runs in a program started afresh;
// before the last one, a command-line add puts the post at 09:40 today.
class AlarmRestartTest : public DiaryFixture, public ::testing::WithParamInterface<CheckRow> {
protected:
    AlarmRestartTest() {
        Add({{"04032007", "Late call", {}, 0, "2345"},
             {"06032007", "Night train", {}, 0, "0005"},
             {"05032007", "Lunch", {}, 0, "1100"},
             {"05032007", "Dentist", {}, 0, "1030"}});
    }
    void StartAt(const char* when) {
        CDiarySetHolder holder{store};
        clock.now = At(when);
        CAlarmCheck(holder, prompts, clock, store, &notifications).CheckAlarms();
    }

    BoxPrompts prompts;
    FakeClock clock;
    FakeNotifications notifications;
};

TEST_P(AlarmRestartTest, ShowsEachAlarmOnce) {
    const CheckRow& row = GetParam();
    Put(Key::LastAlarmCheck, row.lastCheck);
    for (std::size_t i = 0; i < row.starts.size(); ++i) {
        if (i + 1 == row.starts.size() && i > 0)
            Add({{"05032007", "Post", {}, 0, "0940"}});
        StartAt(row.starts[i]);
    }
    EXPECT_EQ(prompts.Shown(), row.expected);
    EXPECT_EQ(notifications.sent.size(), row.expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    Starts, AlarmRestartTest,
    ::testing::Values(CheckRow{"ShownOnceAcrossRestarts",
                               "",
                               {"5 10:16", "5 10:17", "5 10:20"},
                               {"10:16 You have an appointment: 10:30 Dentist"}},
                      CheckRow{
                          "AddedWhileClosedIsToldInTimeOrder",
                          "",
                          {"5 09:20", "5 12:00"},
                          {"12:00 Missed appointments: Missed: 09:40 Post\nMissed: 10:30 Dentist\n"
                           "Missed: 11:00 Lunch"}},
                      CheckRow{"OvernightSleepTellsYesterday",
                               "2007-03-04 23:00",
                               {"5 07:00"},
                               {"07:00 Missed appointments: Missed: Sun 4 Mar 23:45 Late call"}},
                      CheckRow{"TomorrowsFirstQuarterHourBeginsToday",
                               "2007-03-05 23:50",
                               {"5 23:51", "6 00:01"},
                               {"23:51 You have an appointment: 00:05 Night train"}},
                      CheckRow{"LookBackStopsAfterAWeekAndSaysSo",
                               "2007-02-20 10:00",
                               {"5 07:00"},
                               {"07:00 Missed appointments: Missed: Sun 4 Mar 23:45 Late call\n"
                                "(Alarms more than 7 days old are not shown.)"}}),
    RowName());

class AlarmCheckTest : public AlarmRestartTest {};

TEST_F(AlarmCheckTest, SnoozeTellsAgainFiveMinutesLaterAndCallsWhileABoxIsOpenWait) {
    CDiarySetHolder holder{store};
    CAlarmCheck check{holder, prompts, clock, store, &notifications};
    int nestedCalls = 0;
    prompts.whileOpen = [&] {
        ++nestedCalls;
        check.CheckAlarms();
    };
    for (const char* minute : {"5 10:16", "5 10:20", "5 10:21"}) {
        clock.now = At(minute);
        check.CheckAlarms();
        if (clock.now == At("5 10:16"))
            notifications.snoozes.at(0)();
    }
    EXPECT_EQ(prompts.Shown(), QStringList({"10:16 You have an appointment: 10:30 Dentist",
                                            "10:21 You have an appointment: 10:30 Dentist"}));
    EXPECT_EQ(nestedCalls, 2) << "one box after the other, none nested";
    EXPECT_FALSE(check.IsChecking());
}

TEST(NotificationTextTest, MarkupIsEscapedOnlyWhereReadAndControlCharactersGo) {
    const QString text = QStringLiteral("<b>URGENT</b> & <3\a\x1b\nmore\ttab");
    EXPECT_EQ(PlainNotificationBody(text, true),
              QStringLiteral("&lt;b&gt;URGENT&lt;/b&gt; &amp; &lt;3\nmore\ttab"));
    EXPECT_EQ(PlainNotificationBody(text, false), QStringLiteral("<b>URGENT</b> & <3\nmore\ttab"));
}
}  // namespace
