// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "diary/DiaryRecordset.h"
#include "diary/MonthIndex.h"
#include "support/DiaryFixture.h"
#include "support/RowName.h"

namespace {
class MonthIndexTest : public DiaryFixture {
protected:
    void Load(int month, int year, bool yearView = false) {
        if (!set.IsOpen())
            set.Open();
        index.LoadMonthIndex(&set, month, year, yearView);
    }

    std::vector<int> MarkedDays() const {
        std::vector<int> days;
        for (int d = -1; d <= 368; ++d) {
            if (index.Mark(d) != 0)
                days.push_back(d);
        }
        return days;
    }

    CDiaryRecordset set{store};
    CMonthIndex index;
};

// No set, a closed set and a year the date library cannot express mark nothing.
TEST_F(MonthIndexTest, PlainEntriesMarkAllYearAndPatternsTheNext31DaysOrTheWholeYear) {
    index.LoadMonthIndex(nullptr, 3, 2007, false);
    EXPECT_TRUE(index.IsReady() && MarkedDays().empty());
    CDiaryRecordset closed(store);
    index.LoadMonthIndex(&closed, 3, 2007, false);
    EXPECT_TRUE(MarkedDays().empty());
    Add({{"25122007", "Christmas"},
         {"**05****", "May"},
         {"25122008", "next year"},
         {"01042007", "work"},
         {"01042007", "Easter", {}, 1},
         {"3112****", "last day"}});
    Load(4, 2007);
    EXPECT_EQ(index.IndexYear(), 2007);
    EXPECT_EQ(index.Mark(91), 3) << "an entry and a holiday on one day";
    // 1 May (121) lies within 31 days of 1 April.
    EXPECT_EQ(MarkedDays(), (std::vector<int>{91, 121, 359}));
    Add({{"********", "daily"}});
    Load(1, 2007, true);
    EXPECT_EQ(MarkedDays().size(), 366u);
    Load(3, 1000);
    EXPECT_TRUE(MarkedDays().empty()) << "a year the date library cannot express";
    // How an ordinary entry and a holiday combine on one day.
    // mark before, holiday?, mark after
    const int cases[][3] = {{0, 0, 1}, {0, 1, 2}, {1, 0, 1}, {1, 1, 3},
                            {2, 0, 3}, {2, 1, 2}, {3, 0, 3}, {3, 1, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(CMonthIndex::MarkDay(c[0], c[1] != 0), c[2]) << c[0] << c[1];
}

// Values a reader of raw column bytes could get wrong (5 March 2007 is
// day 64); each case loads the year view, lets another connection run
// `between`, and loads again. Entries are "date,message,time" joined by ';'
// (time 0000 when left out, ~ for NULL; the tune is always NULL).
struct RawReadCase {
    const char* name;
    QString entries;
    std::vector<QString> between;
    QString marks;  // the marked days
};

class MonthIndexRawReadTest : public MonthIndexTest,
                              public ::testing::WithParamInterface<RawReadCase> {};

TEST_P(MonthIndexRawReadTest, MarksFollowTheStoredValues) {
    const RawReadCase& c = GetParam();
    for (const QString& entry : c.entries.split(';')) {
        QVariantList fields;
        for (const QString& field : (entry + ",0000").split(',').mid(0, 3))
            fields.append(field == "~" ? QVariant() : QVariant(field));
        Add({{fields[0], fields[1], {}, 0, fields[2]}});
    }
    Load(3, 2007, true);
    for (const QString& sql : c.between) diaryfiles::RawConnection(diaryPath).Exec(sql);
    Load(3, 2007, true);
    QStringList marks;
    for (const int day : MarkedDays()) marks << QString::number(day);
    EXPECT_EQ(marks.join(' '), c.marks);
}

const RawReadCase kRawReadCases[] = {
    {"NullsReadAsEmptyTextsAndAnOrdinaryEntry", "~,no date,0930;05032007,~,~", {}, "64"},
    {"OddDatesMarkNothing",
     "0503200,seven,0930;00002007,zero day;32132007,day 32 month 13;ab122007,letters;*,lone star;"
     "050320070,nine,0930;0503****0,long pattern,0930;,empty,0930",
     {},
     ""},
    {"NonAsciiCountsAsOneCharacter",
     "1\u00e9032007,an accent stops the day's digits;**\u00e93****,accent in a pattern;"
     "05032007\u00e9,nine characters,0930;05032007,Caf\u00e9 \u2615 \u65e5\u672c,1015",
     {},
     "60 64"},
    {"AnEditElsewhereIsSeenByTheNextLoad",
     "01012007,moved,0930;02012007,deleted;03012007,kept",
     {"UPDATE Diary SET EventDate = '05032007', PubHoliday = 1 WHERE EventDescription = 'moved'",
      "DELETE FROM Diary WHERE EventDescription = 'deleted'",
      "INSERT INTO Diary (EventDate, EventDescription, EventSound, PubHoliday, Nag, EventTime) "
      "VALUES ('3112****', 'added', '', 0, 0, '0000')"},
     "3 64 365"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MonthIndexRawReadTest, ::testing::ValuesIn(kRawReadCases),
                         RowName());

}  // namespace
