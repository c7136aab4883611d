// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>

#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/SettingsFixture.h"

namespace {
constexpr int kMarch5 = 64;

class DiaryLocationTest : public SettingsFixture {
protected:
    QString DiaryName() const { return Stored(Key::DiaryName); }
    QString Locate() { return LocateDiaryAtStartUp(store, prompts, dir.Path()); }

    FakePrompts prompts;
    QString defaultPath = dir.File(QStringLiteral("Diary.db"));
};

// A running copy holds the diary: a second copy asks for another file.
TEST_F(DiaryLocationTest, FirstRunCreatesTheDefaultAndTheProbeNeverTruncatesNorEntersAnOpenDiary) {
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(DiaryName(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), 0);
    {
        CDiaryDatabase running(defaultPath);
        EXPECT_EQ(Locate(), defaultPath);
        EXPECT_EQ(prompts.fileRequests.size(), 1);
        EXPECT_TRUE(EnsureDiaryFileExists(defaultPath)) << "the command line still gets in";
    }
    const qint64 size = QFileInfo(defaultPath).size();
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), size);
    EXPECT_EQ(prompts.fileRequests.size(), 1);
}

TEST_F(DiaryLocationTest, UnreachableFileAsksWithTheDatabaseDialogAndCancelKeepsThePath) {
    const QString missing = dir.File(QStringLiteral("no such folder/Diary.db"));
    diaryfiles::PointSettingsAt(store, missing);
    EXPECT_EQ(Locate(), missing);
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].filter, "database files (*.db)");
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, "db");
    EXPECT_EQ(prompts.fileRequests[0].initialName, "*.db");
    prompts.fileAnswers.append(defaultPath);
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(DiaryName(), defaultPath);
}

class FileOpenTest : public DiaryLocationTest {
protected:
    FileOpenTest() {
        diaryfiles::CreateDiary(defaultPath);
        diaryfiles::CreateDiary(otherPath);
        diaryfiles::RawConnection(otherPath).Add({"05032007", "in the other diary"});
        diaryfiles::PointSettingsAt(store, defaultPath);
        index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false, clock);
    }
    bool OpenOther() {
        return OpenOtherDiary(store, prompts, holder, index, ShownPeriod{3, 2007, false}, clock);
    }

    QString otherPath = dir.File(QStringLiteral("Other.db"));
    CDiarySetHolder holder{store};
    CMonthIndex index;
    FakeClock clock;
};

// Cancel changes nothing; a confirmed file is stored and the index reloaded
// (the same file again too); an unusable one leaves no old marks on show.
TEST_F(FileOpenTest, ConfirmedFileIsWrittenAndTheIndexReloaded) {
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "not loaded yet"});
    EXPECT_FALSE(OpenOther());
    EXPECT_EQ(index.Mark(kMarch5), 0);
    EXPECT_TRUE(holder.GetDiarySet()->IsOpen());
    const QString letter = dir.Write("letter.db", "Dear diary");
    prompts.fileAnswers = {defaultPath, otherPath, letter};
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(index.Mark(kMarch5), 1);
    diaryfiles::RawConnection(defaultPath).Exec(QStringLiteral("DELETE FROM Diary"));
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(DiaryName(), otherPath);
    EXPECT_EQ(index.Mark(kMarch5), 1);
    EXPECT_EQ(holder.GetDiarySet()->GetDefaultDBName(), otherPath);
    EXPECT_THROW(OpenOther(), CDatabaseError);
    EXPECT_EQ(DiaryName(), letter);
    EXPECT_EQ(index.Mark(kMarch5), 0);
    EXPECT_FALSE(holder.GetDiarySet()->IsOpen());
}
}  // namespace
