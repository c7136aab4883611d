// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {
constexpr int kMarch5 = 64;

class DiaryLocationTest : public ::testing::Test {
protected:
    QString DiaryName() const {
        return store.ReadText(QStringLiteral("Settings"), KeyName(Key::DiaryName));
    }
    QString Locate() { return LocateDiaryAtStartUp(store, prompts, dir.Path()); }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakePrompts prompts;
    QString defaultPath = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryLocationTest, FirstRunCreatesTheDefaultAndTheProbeNeverTruncatesNorEntersAnOpenDiary) {
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(DiaryName(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), 0);
    {
        CDiaryDatabase running(defaultPath);
        EXPECT_FALSE(ProbeDiaryFile(defaultPath));
        EXPECT_TRUE(EnsureDiaryFileExists(defaultPath)) << "the command line still gets in";
    }
    const qint64 size = QFileInfo(defaultPath).size();
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), size);
    EXPECT_TRUE(prompts.fileRequests.isEmpty());
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

TEST_F(FileOpenTest, ConfirmedFileIsWrittenAndTheIndexReloadedAndCancelChangesNothing) {
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "not loaded yet"});
    EXPECT_FALSE(OpenOther());
    EXPECT_EQ(index.Mark(kMarch5), 0);
    EXPECT_TRUE(holder.GetDiarySet()->IsOpen());
    prompts.fileAnswers = {defaultPath, otherPath};
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(index.Mark(kMarch5), 1) << "the same file again still reloads";
    diaryfiles::RawConnection(defaultPath).Exec(QStringLiteral("DELETE FROM Diary"));
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(DiaryName(), otherPath);
    EXPECT_EQ(index.Mark(kMarch5), 1);
    EXPECT_EQ(holder.GetDiarySet()->GetDefaultDBName(), otherPath);
}

TEST_F(FileOpenTest, UnusableChoiceReportsAndLeavesNoOldMarks) {
    const QString letter = dir.File(QStringLiteral("letter.db"));
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Dear diary");
    file.close();
    prompts.fileAnswers = {otherPath, letter};
    EXPECT_TRUE(OpenOther());
    ASSERT_EQ(index.Mark(kMarch5), 1);
    EXPECT_THROW(OpenOther(), CDatabaseError);
    EXPECT_EQ(DiaryName(), letter);
    EXPECT_EQ(index.Mark(kMarch5), 0);
    EXPECT_FALSE(holder.GetDiarySet()->IsOpen());
}
}  // namespace
