#include <gtest/gtest.h>

#include <QStringList>

#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/TempDir.h"

namespace {
using diaryfiles::Entry;
using diaryfiles::RawConnection;

class DiaryRecordsetTest : public ::testing::Test {
protected:
    DiaryRecordsetTest() {
        diaryfiles::CreateDiary(path);
        diaryfiles::PointSettingsAt(store, path);
    }

    void AddRaw(std::initializer_list<Entry> entries) {
        RawConnection raw(path);
        for (const Entry& e : entries) raw.Add(e);
    }

    // The messages of the selection in recordset order, leaving it at EOF.
    static QStringList Messages(CDiaryRecordset& set) {
        QStringList messages;
        if (set.IsBOF() && set.IsEOF())
            return messages;
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) messages.append(set.m_EventDescription);
        return messages;
    }

    QStringList Selected(const CDiaryFilter& filter, DiarySort sort = DiarySort::None) {
        CDiaryRecordset set(store);
        set.SetFilter(filter);
        set.SetSort(sort);
        set.Open();
        return Messages(set);
    }

    TempDir dir;
    QString path = dir.File(QStringLiteral("Diary.db"));
    CSettingsStore store{dir.SettingsFile()};
};

TEST_F(DiaryRecordsetTest, EmptyDiaryIsBothBeforeStartAndPastEnd) {
    CDiaryRecordset set(store);
    set.Open();
    EXPECT_TRUE(set.IsOpen());
    EXPECT_TRUE(set.IsBOF());
    EXPECT_TRUE(set.IsEOF());
    EXPECT_EQ(set.GetRecordCount(), 0);
    EXPECT_EQ(set.GetAbsolutePosition(), -1);
    set.MoveFirst();
    set.MoveNext();
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_THROW(set.Edit(), CDatabaseError);
    EXPECT_THROW(set.Delete(), CDatabaseError);
}

TEST_F(DiaryRecordsetTest, MovesWalkTheKeysetAndStopAtEitherEnd) {
    AddRaw({{"01012007", "one"}, {"02012007", "two"}, {"03012007", "three"}});
    CDiaryRecordset set(store);
    set.Open();
    EXPECT_EQ(set.GetRecordCount(), 3);
    EXPECT_EQ(set.m_EventDescription, "one");
    EXPECT_EQ(set.GetAbsolutePosition(), 0);
    set.MoveLast();
    EXPECT_EQ(set.m_EventDescription, "three");
    EXPECT_EQ(set.GetAbsolutePosition(), 2);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_FALSE(set.IsBOF());
    EXPECT_EQ(set.GetAbsolutePosition(), -1);
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    set.MovePrev();
    EXPECT_EQ(set.m_EventDescription, "three");
    set.MoveFirst();
    set.MovePrev();
    EXPECT_TRUE(set.IsBOF());
    set.MoveNext();
    EXPECT_EQ(set.m_EventDescription, "one");
}

TEST_F(DiaryRecordsetTest, AddedRecordGetsAnIdAndTheBookmarkFindsIt) {
    AddRaw({{"01012007", "one"}});
    CDiaryRecordset set(store);
    set.Open();
    set.AddNew();
    EXPECT_EQ(set.m_EventDescription, QString());
    set.m_EventDate = QStringLiteral("25122007");
    set.m_EventDescription = QStringLiteral("Christmas");
    set.m_PubHoliday = true;
    set.m_EventTime = QStringLiteral("0930");
    set.Update();
    EXPECT_EQ(set.m_EventDescription, "one") << "back on the record shown before AddNew";
    EXPECT_EQ(set.GetRecordCount(), 2);

    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(set.m_EventDescription, "Christmas");
    EXPECT_GT(set.m_ID, 0);
    const int id = set.m_ID;

    CDiaryRecordset other(store);
    other.SetFilter(CDiaryFilter::ById(id));
    other.Open();
    ASSERT_EQ(other.GetRecordCount(), 1);
    EXPECT_EQ(other.m_EventDate, "25122007");
    EXPECT_TRUE(other.m_PubHoliday);
    EXPECT_FALSE(other.m_Nag);
    EXPECT_EQ(other.m_EventTime, "0930");
}

TEST_F(DiaryRecordsetTest, AddingToAnEmptySelectionStaysPastTheEnd) {
    CDiaryRecordset set(store);
    set.Open();
    set.AddNew();
    set.m_EventDate = QStringLiteral("05032007");
    set.Update();
    EXPECT_TRUE(set.IsEOF());
    set.SetBookmark(set.GetLastModifiedBookmark());
    EXPECT_EQ(set.m_EventDate, "05032007");
    EXPECT_FALSE(set.IsEOF());
}

TEST_F(DiaryRecordsetTest, EditWritesThroughAndUpdateWithoutEditIsRefused) {
    AddRaw({{"01012007", "old"}});
    CDiaryRecordset set(store);
    set.Open();
    EXPECT_THROW(set.Update(), CDatabaseError);
    set.Edit();
    set.m_EventDescription = QStringLiteral("new");
    set.Update();
    EXPECT_EQ(Selected(CDiaryFilter::All()), QStringList{"new"});
    set.Edit();
    set.m_EventDescription = QStringLiteral("dropped");
    set.CancelUpdate();
    EXPECT_EQ(set.m_EventDescription, "new");
}

TEST_F(DiaryRecordsetTest, EditSeesChangesMadeElsewhereAndRefusesVanishedRecords) {
    AddRaw({{"01012007", "first"}, {"02012007", "second"}});
    CDiaryRecordset view(store);
    view.Open();
    {
        RawConnection raw(path);
        raw.Exec(
            QStringLiteral("UPDATE Diary SET EventDescription = 'changed' WHERE "
                           "EventDate = '01012007'"));
        raw.Exec(QStringLiteral("DELETE FROM Diary WHERE EventDate = '02012007'"));
    }
    view.Edit();
    EXPECT_EQ(view.m_EventDescription, "changed");
    view.CancelUpdate();
    view.MoveNext();
    EXPECT_THROW(view.Edit(), CDatabaseError);
    EXPECT_THROW(view.Delete(), CDatabaseError);
    EXPECT_EQ(view.GetRecordCount(), 2) << "a failed delete changes nothing";
    EXPECT_EQ(view.GetAbsolutePosition(), 1);
}

TEST_F(DiaryRecordsetTest, DeleteLeavesThePositionBetweenNeighbours) {
    AddRaw({{"01012007", "a"}, {"02012007", "b"}, {"03012007", "c"}});
    CDiaryRecordset set(store);
    set.Open();
    set.MoveNext();
    set.Delete();
    EXPECT_FALSE(set.IsEOF());
    EXPECT_FALSE(set.IsBOF());
    EXPECT_EQ(set.GetRecordCount(), 2);
    set.MoveNext();
    EXPECT_EQ(set.m_EventDescription, "c");

    set.Delete();  // the last one: the next move past it reaches the end
    set.MoveNext();
    EXPECT_TRUE(set.IsEOF());
    set.MovePrev();
    EXPECT_EQ(set.m_EventDescription, "a");

    set.Delete();
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_EQ(Selected(CDiaryFilter::All()), QStringList());
}

TEST_F(DiaryRecordsetTest, MovePrevAfterDeleteReachesTheRecordBefore) {
    AddRaw({{"01012007", "a"}, {"02012007", "b"}, {"03012007", "c"}});
    CDiaryRecordset set(store);
    set.Open();
    set.MoveLast();
    set.MovePrev();
    set.Delete();
    set.MovePrev();
    EXPECT_EQ(set.m_EventDescription, "a");
}

TEST_F(DiaryRecordsetTest, DateKeyFilterFollowsTheMatchingRule) {
    AddRaw({{"05032007", "exact"},
            {"0503****", "every year"},
            {"**03****", "every March day"},
            {"********", "every day"},
            {"05042007", "April"},
            {"0503200", "seven characters"},
            {"05/03/2007", "ten characters"},
            {"050320071", "nine characters"},
            {QVariant(), "no date"}});
    EXPECT_EQ(Selected(CDiaryFilter::ForDateKey(QStringLiteral("05032007"))),
              (QStringList{"exact", "every year", "every March day", "every day"}));
    EXPECT_EQ(Selected(CDiaryFilter::ForDateKey(QStringLiteral("00000000"))).size(), 9);
    EXPECT_EQ(Selected(CDiaryFilter::ForDateKey(QStringLiteral("0503'007"))), QStringList())
        << "a key that is not eight digits selects nothing";
    EXPECT_EQ(DateKeyGlobPattern(QStringLiteral("25122007")), "[*2][*5][*1][*2][*2][*0][*0][*7]");
}

TEST_F(DiaryRecordsetTest, SortByDateAndSelectById) {
    AddRaw({{"25122007", "Christmas"}, {"01012007", "New Year"}, {"********", "daily"}});
    EXPECT_EQ(Selected(CDiaryFilter::All(), DiarySort::EventDateAscending),
              (QStringList{"daily", "New Year", "Christmas"}));
    EXPECT_EQ(Selected(CDiaryFilter::ById(2)), QStringList{"New Year"});
}

TEST_F(DiaryRecordsetTest, SearchTextsAreCharactersNotSyntax) {
    AddRaw({{"01012007", "Don't forget"},
            {"02012007", "100% sure"},
            {"03012007", "1000 sure"},
            {"04012007", "DENTIST visit", QStringLiteral("/home/me/bell.wav")},
            {"05012007", "x'); DROP TABLE Diary; --"}});
    EXPECT_EQ(Selected(CDiaryFilter::MessageContains(QStringLiteral("n't"))),
              QStringList{"Don't forget"});
    EXPECT_EQ(Selected(CDiaryFilter::MessageContains(QStringLiteral("0%"))),
              QStringList{"100% sure"});
    EXPECT_EQ(Selected(CDiaryFilter::MessageContains(QStringLiteral("dentist"))),
              QStringList{"DENTIST visit"});
    EXPECT_EQ(Selected(CDiaryFilter::TuneContains(QStringLiteral("BELL"))),
              QStringList{"DENTIST visit"});
    EXPECT_EQ(Selected(CDiaryFilter::DateEquals(QStringLiteral("x'); DROP TABLE Diary; --"))),
              QStringList());
    EXPECT_EQ(Selected(CDiaryFilter::All()).size(), 5);
}

TEST_F(DiaryRecordsetTest, FindNextGoesForwardAndFindFirstWraps) {
    AddRaw({{"01012007", "pay rent"},
            {"02012007", "dentist"},
            {"03012007", "pay gas"},
            {"2512****", "Christmas"}});
    CDiaryRecordset set(store);
    set.Open();
    const CDiaryFilter pay = CDiaryFilter::MessageContains(QStringLiteral("pay"));
    ASSERT_TRUE(set.FindNext(pay));
    EXPECT_EQ(set.m_EventDescription, "pay gas");
    EXPECT_FALSE(set.FindNext(pay));
    EXPECT_EQ(set.m_EventDescription, "pay gas") << "no match leaves the record shown";
    ASSERT_TRUE(set.FindFirst(pay));
    EXPECT_EQ(set.m_EventDescription, "pay rent");
    ASSERT_TRUE(set.FindNext(CDiaryFilter::DateEquals(QStringLiteral("2512****"))));
    EXPECT_EQ(set.m_EventDescription, "Christmas");
    EXPECT_FALSE(set.FindFirst(CDiaryFilter::MessageContains(QStringLiteral("holiday"))));
}

TEST_F(DiaryRecordsetTest, FindKeepsToTheRecordsetsOwnSelection) {
    AddRaw({{"01012007", "pay rent"}, {"02012007", "pay gas"}});
    CDiaryRecordset set(store);
    set.SetFilter(CDiaryFilter::ForDateKey(QStringLiteral("02012007")));
    set.Open();
    ASSERT_TRUE(set.FindFirst(CDiaryFilter::MessageContains(QStringLiteral("pay"))));
    EXPECT_EQ(set.m_EventDescription, "pay gas");
}

TEST_F(DiaryRecordsetTest, NullsFromOtherProgramsReadAsEmptyAndSetFieldNullWritesThem) {
    RawConnection raw(path);
    raw.Exec(QStringLiteral("DROP TABLE Diary"));
    raw.Exec(
        QStringLiteral("CREATE TABLE Diary (ID INTEGER PRIMARY KEY, EventDate TEXT, "
                       "EventDescription TEXT, EventSound TEXT, PubHoliday INTEGER, "
                       "Nag INTEGER, EventTime TEXT)"));
    raw.Add({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    CDiaryRecordset set(store);
    set.Open();
    ASSERT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.m_EventDate, QString());
    EXPECT_FALSE(set.m_PubHoliday);

    set.Edit();
    set.m_EventDescription = QStringLiteral("kept");
    set.m_EventSound = QStringLiteral("x.wav");
    set.SetFieldNull(DiaryField::EventSound);
    set.m_EventTime = QStringLiteral("0930");
    set.SetFieldNull(DiaryField::EventDescription);
    set.m_EventDescription = QStringLiteral("given after the null");
    set.Update();
    EXPECT_EQ(raw.Value(QStringLiteral("SELECT EventSound IS NULL FROM Diary")).toInt(), 1);
    EXPECT_EQ(raw.Value(QStringLiteral("SELECT EventDescription FROM Diary")).toString(),
              "given after the null");
    EXPECT_EQ(raw.Value(QStringLiteral("SELECT EventTime FROM Diary")).toString(), "0930");

    set.SetAllFieldsNull();
    EXPECT_EQ(set.m_ID, 0);
    EXPECT_EQ(set.m_EventTime, QString());
}

TEST_F(DiaryRecordsetTest, EachOpenReadsTheDiaryNameSettingAgain) {
    AddRaw({{"01012007", "first diary"}});
    const QString otherPath = dir.File(QStringLiteral("Other.db"));
    diaryfiles::CreateDiary(otherPath);
    {
        RawConnection raw(otherPath);
        raw.Add({"01012007", "second diary"});
    }
    CDiaryRecordset set(store);
    set.Open();
    EXPECT_EQ(set.m_EventDescription, "first diary");
    diaryfiles::PointSettingsAt(store, otherPath);
    EXPECT_EQ(set.GetDefaultDBName(), otherPath);
    set.Close();
    EXPECT_FALSE(set.IsOpen());
    set.Open();
    EXPECT_EQ(set.m_EventDescription, "second diary");
}

TEST_F(DiaryRecordsetTest, RequerySeesRecordsAddedElsewhere) {
    CDiaryRecordset set(store);
    set.Open();
    AddRaw({{"01012007", "later"}});
    EXPECT_TRUE(set.IsEOF());
    set.Requery();
    EXPECT_EQ(set.GetRecordCount(), 1);
    EXPECT_EQ(set.m_EventDescription, "later");
}

TEST_F(DiaryRecordsetTest, RequeryAfterOwnAddOrNewFilterSelectsAfresh) {
    AddRaw({{"25122007", "Christmas"}});
    CDiaryRecordset set(store);
    set.SetSort(DiarySort::EventDateAscending);
    set.Open();
    set.AddNew();
    set.m_EventDate = QStringLiteral("01012007");
    set.m_EventDescription = QStringLiteral("New Year");
    set.Update();
    set.Requery();
    EXPECT_EQ(Messages(set), (QStringList{"New Year", "Christmas"}));
    set.SetFilter(CDiaryFilter::ForDateKey(QStringLiteral("25122007")));
    set.Requery();
    EXPECT_EQ(Messages(set), QStringList{"Christmas"});
    {
        RawConnection raw(path);
        raw.Exec(
            QStringLiteral("UPDATE Diary SET EventDescription = 'Xmas' WHERE "
                           "EventDate = '25122007'"));
    }
    set.Requery();
    EXPECT_EQ(Messages(set), QStringList{"Xmas"}) << "a change by another connection is seen";
}

TEST_F(DiaryRecordsetTest, HolderKeepsAnUnopenedSetUntilForgotten) {
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("missing/Diary.db")));
    CDiarySetHolder holder(store);
    EXPECT_THROW(holder.GetDiarySet(), CDatabaseError);
    ASSERT_TRUE(holder.HoldsSet());
    CDiaryRecordset* kept = nullptr;
    EXPECT_NO_THROW(kept = holder.GetDiarySet());
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->IsOpen());

    diaryfiles::PointSettingsAt(store, path);
    EXPECT_EQ(holder.GetDiarySet(), kept) << "the same unopened set until the file is switched";
    holder.ForgetDiarySet();
    EXPECT_FALSE(holder.HoldsSet());
    EXPECT_TRUE(holder.GetDiarySet()->IsOpen());
}
}  // namespace
