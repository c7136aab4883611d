#include <gtest/gtest.h>

#include "calendar/DateLib.h"
#include "diary/DiaryRecordset.h"
#include "diary/MonthIndex.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::Entry;

// Today is Monday 5 March 2007, 09:16 (the fake clock's default).
class MonthIndexTest : public ::testing::Test {
protected:
    MonthIndexTest() {
        diaryfiles::CreateDiary(path);
        diaryfiles::PointSettingsAt(store, path);
    }

    void Add(std::initializer_list<Entry> entries) {
        diaryfiles::RawConnection raw(path);
        for (const Entry& e : entries) raw.Add(e);
    }

    void Load(int month, int year, bool yearView = false) {
        if (!set.IsOpen())
            set.Open();
        index.LoadMonthIndex(&set, month, year, yearView, clock);
    }

    std::vector<int> MarkedDays() const {
        std::vector<int> days;
        for (int d = -1; d <= 368; ++d) {
            if (index.Mark(d) != 0)
                days.push_back(d);
        }
        return days;
    }

    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
    CDiaryRecordset set{store};
    FakeClock clock;
    CMonthIndex index;
};

TEST(MonthIndexMarkDay, CombinesOrdinaryAndHolidayKinds) {
    EXPECT_EQ(CMonthIndex::MarkDay(0, false), 1);
    EXPECT_EQ(CMonthIndex::MarkDay(0, true), 2);
    EXPECT_EQ(CMonthIndex::MarkDay(1, false), 1);
    EXPECT_EQ(CMonthIndex::MarkDay(1, true), 3);
    EXPECT_EQ(CMonthIndex::MarkDay(2, false), 3);
    EXPECT_EQ(CMonthIndex::MarkDay(2, true), 2);
    EXPECT_EQ(CMonthIndex::MarkDay(3, false), 3);
    EXPECT_EQ(CMonthIndex::MarkDay(3, true), 3);
}

TEST_F(MonthIndexTest, MonthViewMarksPlainEntriesAllYearAndPatternsOver31Days) {
    Add({{"25122007", "Christmas"}, {"**05****", "May"}, {"25122008", "next year"}});
    Load(4, 2007);
    EXPECT_EQ(index.IndexYear(), 2007);
    EXPECT_TRUE(index.IsReady());
    EXPECT_EQ(index.Mark(359), 1) << "December is marked though April is on show";
    EXPECT_EQ(index.Mark(121), 1) << "1 May lies within 31 days of 1 April";
    EXPECT_EQ(MarkedDays(), (std::vector<int>{121, 359}));
}

TEST_F(MonthIndexTest, OrdinaryAndHolidayOnOneDayMarkBothInEitherOrder) {
    Add({{"01042007", "work"},
         {"01042007", "Easter", {}, 1},
         {"02042007", "Easter", {}, 1},
         {"02042007", "work"}});
    Load(4, 2007);
    EXPECT_EQ(index.Mark(DayOfYear(4, 1, 2007)), 3);
    EXPECT_EQ(index.Mark(DayOfYear(4, 2, 2007)), 3);
}

TEST_F(MonthIndexTest, EveryDayPatternInYearViewMarksAll366) {
    Add({{"********", "daily"}});
    Load(1, 2007, true);
    std::vector<int> all;
    for (int d = 1; d <= 366; ++d) all.push_back(d);
    EXPECT_EQ(MarkedDays(), all);
    Load(1, 2007, false);
    EXPECT_EQ(MarkedDays().size(), 31u);
}

TEST_F(MonthIndexTest, OddDatesMarkNothingAndNeverEscapeTheMarks) {
    Add({{"00002007", "zero day"},
         {"32132007", "day 32 month 13"},
         {"99992007", "nines"},
         {"ab122007", "letters"},
         {"2512007", "short"},
         {"25/12/2007", "long"},
         {"**/12/****", "long pattern"},
         {"*", "lone star"},
         {"", "empty"},
         {QVariant(), QVariant()},
         {"3112****", "last day"}});
    Load(12, 2007, true);
    EXPECT_EQ(MarkedDays(), (std::vector<int>{365}));
}

TEST_F(MonthIndexTest, NoRecordsWhenTheSetIsMissingOrNotOpen) {
    Add({{"05032007", "today"}});
    index.LoadMonthIndex(nullptr, 3, 2007, false, clock);
    EXPECT_TRUE(index.IsReady());
    EXPECT_TRUE(MarkedDays().empty());
    CDiaryRecordset closed(store);
    index.LoadMonthIndex(&closed, 3, 2007, false, clock);
    EXPECT_TRUE(MarkedDays().empty());
    Load(3, 2007);
    EXPECT_EQ(MarkedDays(), (std::vector<int>{64}));
    Load(3, 1000);
    EXPECT_TRUE(MarkedDays().empty()) << "a year the date library cannot express";
}

TEST_F(MonthIndexTest, TodaysTimedEntriesBecomeAlarmsOnce) {
    Add({{"05032007", "Dentist", {}, 0, "0930"},
         {"05032007", "midnight", {}, 0, "0000"},
         {"05032007", "untimed", {}, 0, "    "},
         {"06032007", "tomorrow", {}, 0, "1000"},
         {"0503****", "yearly", {}, 0, "1200"}});
    Load(3, 2007);
    Load(3, 2007);
    ASSERT_EQ(index.AlarmsUsed(), 3) << "a second load adds nothing already held";
    EXPECT_EQ(index.Alarm(0).minutes, 570);
    EXPECT_EQ(index.Alarm(0).message, "Dentist");
    EXPECT_EQ(index.Alarm(1).minutes, 0);
    EXPECT_EQ(index.Alarm(2).minutes, 720);
    EXPECT_EQ(index.LastFilledSlot(), 2);
}

TEST_F(MonthIndexTest, RecurringAlarmIsGatheredWhateverMonthIsOnShow) {
    Add({{"********", "stand-up", {}, 0, "0930"}});
    Load(7, 2008);
    ASSERT_EQ(index.AlarmsUsed(), 1);
    EXPECT_EQ(index.Alarm(0).message, "stand-up");
}

TEST_F(MonthIndexTest, ShownAlarmIsNotGatheredAgainAndANewDayEmptiesTheList) {
    Add({{"05032007", "Dentist", {}, 0, "0930"}, {"********", "daily", {}, 0, "1700"}});
    Load(3, 2007);
    ASSERT_EQ(index.AlarmsUsed(), 2);
    index.SpendAlarm(0);
    EXPECT_EQ(index.Alarm(0).minutes, 0);
    Load(3, 2007);
    EXPECT_EQ(index.AlarmsUsed(), 2) << "the shown appointment is not gathered again";

    clock.now = QDateTime(QDate(2007, 3, 6), QTime(8, 0));
    Load(3, 2007);
    ASSERT_EQ(index.AlarmsUsed(), 1);
    EXPECT_EQ(index.Alarm(0).message, "daily");
    EXPECT_EQ(index.Alarm(1).minutes, 0);
}

TEST_F(MonthIndexTest, OddAlarmTimesReadAsLeadingDigits) {
    const QString today = QStringLiteral("05032007");
    index.GatherAlarm(today, QStringLiteral("9 5"), QStringLiteral("a"), today);
    index.GatherAlarm(today, QStringLiteral("9:5"), QStringLiteral("e"), today);
    index.GatherAlarm(today, QStringLiteral("xx"), QStringLiteral("b"), today);
    index.GatherAlarm(today, QString(), QStringLiteral("c"), today);
    index.GatherAlarm(today, QStringLiteral("123456789"), QStringLiteral("d"), today);
    ASSERT_EQ(index.AlarmsUsed(), 5);
    EXPECT_EQ(index.Alarm(0).minutes, 9 * 60 + 5);
    EXPECT_EQ(index.Alarm(1).minutes, 9 * 60) << "\":5\" has no leading digits";
    EXPECT_EQ(index.Alarm(2).minutes, 0);
    EXPECT_EQ(index.Alarm(3).minutes, 0);
    EXPECT_EQ(index.Alarm(4).minutes, 12 * 60 + 89);
}

TEST_F(MonthIndexTest, The501stAlarmIsDropped) {
    const QString today = QStringLiteral("05032007");
    for (int i = 0; i < 501; ++i)
        index.GatherAlarm(today, QStringLiteral("1000"), QString::number(i), today);
    EXPECT_EQ(index.AlarmsUsed(), 500);
    EXPECT_EQ(index.LastFilledSlot(), 499);
    EXPECT_EQ(index.Alarm(499).message, "499");
    EXPECT_EQ(index.Alarm(500).minutes, 0) << "out of range reads as an empty slot";
    index.SpendAlarm(500);
    index.SpendAlarm(-1);
}

}  // namespace
