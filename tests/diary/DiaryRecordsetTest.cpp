// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QStringList>
#include <map>

#include "diary/DiaryError.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "support/DiaryFixture.h"

namespace {
using diaryfiles::Entry;

class DiaryRecordsetTest : public DiaryFixture {
protected:
    // The messages of the selection in recordset order, leaving it at EOF.
    static QStringList Messages(CDiaryRecordset& set) {
        QStringList messages;
        for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) messages.append(set.m_EventDescription);
        return messages;
    }

    QStringList Selected(const CDiaryFilter& filter) {
        CDiaryRecordset selection(store);
        selection.SetFilter(filter);
        selection.Open();
        return Messages(selection);
    }

    // Runs the moves (First, Last, Next, Prev, Delete) and says where they
    // end: the record's message, "BOF" or "EOF".
    QString Walk(const char* moves) {
        static const std::map<char, void (CDiaryRecordset::*)()> kMoves{
            {'F', &CDiaryRecordset::MoveFirst},
            {'L', &CDiaryRecordset::MoveLast},
            {'N', &CDiaryRecordset::MoveNext},
            {'P', &CDiaryRecordset::MovePrev},
            {'D', &CDiaryRecordset::Delete}};
        for (; *moves; ++moves) (set.*kMoves.at(*moves))();
        return set.IsEOF() ? "EOF" : set.IsBOF() ? "BOF" : set.m_EventDescription;
    }

    diaryfiles::RawConnection raw{diaryPath};
    CDiaryRecordset set{store};
};

TEST_F(DiaryRecordsetTest, MovesStopAtEitherEndADeleteLeavesThePositionAndVisitsEndLikeMoves) {
    set.Open();
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    EXPECT_THROW(set.Edit(), CDatabaseError);
    EXPECT_THROW(set.Delete(), CDatabaseError);
    Add({{"01012007", "a"}, {"02012007", "b"}, {"03012007", "c"}, {"04012007", "d"}});
    set.Requery();
    EXPECT_THROW(set.Update(), CDatabaseError) << "an update needs an edit first";
    EXPECT_EQ(Walk("L"), "d");
    EXPECT_EQ(set.GetAbsolutePosition(), 3);
    EXPECT_EQ(Walk("NN"), "EOF");
    EXPECT_TRUE(!set.IsBOF() && set.GetAbsolutePosition() == -1);
    EXPECT_EQ(Walk("FP"), "BOF");
    EXPECT_EQ(Walk("NNDN"), "c");
    EXPECT_EQ(Walk("LDN"), "EOF") << "past a deleted last record lies the end";
    EXPECT_EQ(Walk("PDP"), "a");
    Walk("D");
    EXPECT_TRUE(set.IsBOF() && set.IsEOF());
    // Visiting every record in date order ends where the moves would.
    Add({{"03012007", "three"}, {"01012007", "one"}, {"02012007", "two"}});
    set.SetSort(DiarySort::EventDateAscending);
    set.Requery();
    QStringList seen;
    set.VisitRecords(
        [&](const DiaryRowView& row) { seen.append(QString::fromUtf8(row.eventDescription)); });
    EXPECT_EQ(seen, QStringList({"one", "two", "three"}));
    EXPECT_TRUE(set.IsEOF() && !set.IsBOF());
    EXPECT_EQ(set.m_EventDescription, "three") << "the members hold the last record";
    EXPECT_EQ(Walk("P"), "three");
}

TEST_F(DiaryRecordsetTest, AddAndEditWriteThroughNullsReadEmptyAndADamagedFileTakesNothing) {
    set.Open();
    set.AddNew();
    set.m_EventDate = QStringLiteral("25122007");
    set.m_PubHoliday = true;
    set.m_EventTime = QStringLiteral("0930");
    set.Update();
    EXPECT_TRUE(set.IsEOF()) << "back where it was before AddNew";
    set.SetBookmark(set.GetLastModifiedBookmark());
    set.Edit();
    set.m_EventDescription = QStringLiteral("Xmas");
    set.Update();
    set.Edit();
    set.m_EventDescription = QStringLiteral("dropped");
    set.CancelUpdate();
    EXPECT_EQ(set.m_EventDescription, "Xmas");
    EXPECT_EQ(
        raw.Value("SELECT EventDate || EventDescription || PubHoliday || EventTime FROM Diary")
            .toString(),
        "25122007Xmas10930");
    // Nulls from other programs read as empty; SetFieldNull writes them.
    raw.Exec("DROP TABLE Diary");
    raw.Exec(
        "CREATE TABLE Diary (ID INTEGER PRIMARY KEY, EventDate TEXT, EventDescription TEXT, "
        "EventSound TEXT, PubHoliday INTEGER, Nag INTEGER, EventTime TEXT)");
    raw.Add({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    set.Requery();
    EXPECT_TRUE(set.m_EventDate.isEmpty() && !set.m_PubHoliday);
    set.Edit();
    set.m_EventSound = QStringLiteral("x.wav");
    set.SetFieldNull(DiaryField::EventSound);
    set.SetFieldNull(DiaryField::EventDescription);
    set.m_EventDescription = QStringLiteral("given after the null");
    set.Update();
    EXPECT_EQ(raw.Value("SELECT (EventSound IS NULL) || EventDescription FROM Diary").toString(),
              "1given after the null");
    set.SetAllFieldsNull();
    EXPECT_TRUE(set.m_ID == 0 && set.m_EventTime.isEmpty());
    // Nothing is written into a damaged file. A page in the middle of the
    // table overwritten: an append to the table's last page would succeed, so
    // the write must look at the whole file first.
    raw.Exec(QStringLiteral("BEGIN"));
    for (int i = 0; i < 300; ++i)
        raw.Add({QStringLiteral("01012007"), QString(200, QLatin1Char('a' + i % 26))});
    raw.Exec(QStringLiteral("COMMIT"));
    QFile file(diaryPath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 8 * 4096);
    file.seek(5 * 4096);
    file.write(QByteArray(64, '\xff'));
    file.close();
    set.SetFilter(CDiaryFilter::ById(0));
    set.Requery();
    set.AddNew();
    EXPECT_THROW(set.Update(), CDatabaseError);
}

TEST_F(DiaryRecordsetTest, ChangesElsewhereAreSeenAndVanishedRecordsRefused) {
    Add({{"01012007", "first"}, {"02012007", "second"}});
    set.Open();
    EXPECT_FALSE(set.HasChangedSinceFetch());
    raw.Exec("UPDATE Diary SET EventDescription = 'changed' WHERE EventDate = '01012007'");
    EXPECT_TRUE(set.HasChangedSinceFetch());
    raw.Exec("DELETE FROM Diary WHERE EventDate = '02012007'");
    set.Edit();
    EXPECT_EQ(set.m_EventDescription, "changed");
    set.CancelUpdate();
    set.MoveNext();
    EXPECT_THROW(set.Edit(), CDatabaseError);
    EXPECT_THROW(set.Delete(), CDatabaseError);
    EXPECT_EQ(set.GetRecordCount(), 2) << "a failed delete changes nothing";
    Add({{"03012007", "later"}});
    set.Requery();
    EXPECT_FALSE(set.HasChangedSinceFetch());
    EXPECT_EQ(Messages(set), (QStringList{"changed", "later"}));
}

TEST_F(DiaryRecordsetTest, FiltersTreatTheirTextsAsCharactersAndFindStaysInTheSelection) {
    Add({{"05032007", "exact"},
         {"0503****", "every year"},
         {"********", "100% sure_"},
         {"05042007", "1000 sure", "/home/me/BELL.wav"},
         {"0503200", "x'); DROP TABLE Diary; --"},
         {QVariant(), "no date"}});
    const std::pair<CDiaryFilter, QStringList> cases[] = {
        {CDiaryFilter::ForDateKey("05032007"), {"exact", "every year", "100% sure_"}},
        {CDiaryFilter::ForDateKey("0503'007"), {}},
        {CDiaryFilter::MessageContains("0%"), {"100% sure_"}},
        {CDiaryFilter::MessageContains("E_"), {"100% sure_"}},
        {CDiaryFilter::TuneContains("bell"), {"1000 sure"}},
        {CDiaryFilter::DateEquals("x'); DROP TABLE Diary; --"), {}},
        {CDiaryFilter::ById(2), {"every year"}}};
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(Selected(filter), expected) << expected.join('|').toStdString();
    EXPECT_EQ(Selected(CDiaryFilter::All()).size(), 6);
    // Find goes forward, or from the first, within the selection.
    set.SetFilter(CDiaryFilter::ForDateKey("05032007"));
    set.Open();
    EXPECT_FALSE(set.FindNext(CDiaryFilter::MessageContains("1000"))) << "outside the selection";
    set.SetFilter(CDiaryFilter::All());
    set.Requery();
    const CDiaryFilter sure = CDiaryFilter::MessageContains(QStringLiteral("sure"));
    ASSERT_TRUE(set.FindNext(sure) && set.FindNext(sure));
    EXPECT_EQ(set.m_EventDescription, "1000 sure");
    EXPECT_FALSE(set.FindNext(sure));
    EXPECT_EQ(set.m_EventDescription, "1000 sure") << "no match leaves the record shown";
    ASSERT_TRUE(set.FindFirst(sure));
    EXPECT_EQ(set.m_EventDescription, "100% sure_");
}

TEST_F(DiaryRecordsetTest, HolderKeepsAnUnopenedSetUntilForgotten) {
    diaryfiles::PointSettingsAt(store, dir.File(QStringLiteral("missing/Diary.db")));
    CDiarySetHolder holder(store);
    EXPECT_THROW(holder.GetDiarySet(), CDatabaseError);
    CDiaryRecordset* kept = holder.GetDiarySet();
    EXPECT_FALSE(kept->IsOpen());
    diaryfiles::PointSettingsAt(store, diaryPath);
    EXPECT_EQ(holder.GetDiarySet(), kept) << "the same unopened set until the file is switched";
    holder.ForgetDiarySet();
    EXPECT_TRUE(holder.GetDiarySet()->IsOpen());
}

}  // namespace
