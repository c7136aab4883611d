#include <gtest/gtest.h>
#include <sys/file.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "diary/DiaryDatabase.h"
#include "diary/DiaryError.h"
#include "diary/DiaryLocation.h"
#include "diary/DiaryRecordset.h"
#include "diary/DiarySetHolder.h"
#include "diary/MonthIndex.h"
#include "settings/SettingsStore.h"
#include "support/DiaryFiles.h"
#include "support/FakeClock.h"
#include "support/FakePrompts.h"
#include "support/TempDir.h"

namespace {
class DiaryLocationTest : public ::testing::Test {
protected:
    QString DiaryName() const {
        return store.ReadText(QStringLiteral("Settings"), QStringLiteral("DiaryName"));
    }
    void SetDiaryName(const QString& path) { diaryfiles::PointSettingsAt(store, path); }
    QString Locate() { return LocateDiaryAtStartUp(store, prompts, dir.Path()); }

    TempDir dir;
    CSettingsStore store{dir.SettingsFile()};
    FakePrompts prompts;
    QString defaultPath = dir.File(QStringLiteral("Diary.db"));
};

TEST_F(DiaryLocationTest, FirstRunWritesTheDefaultAndCreatesAnEmptyFile) {
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(DiaryName(), defaultPath);
    EXPECT_TRUE(prompts.fileRequests.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(defaultPath));
    EXPECT_EQ(QFileInfo(defaultPath).size(), 0);
}

TEST_F(DiaryLocationTest, ProbeNeverTruncatesAnExistingDiary) {
    diaryfiles::CreateDiary(defaultPath);
    const qint64 size = QFileInfo(defaultPath).size();
    ASSERT_GT(size, 0);
    SetDiaryName(defaultPath);
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(QFileInfo(defaultPath).size(), size);
    EXPECT_TRUE(prompts.fileRequests.isEmpty());
}

TEST_F(DiaryLocationTest, UnreachableFileAsksWithTheDatabaseDialog) {
    const QString missing = dir.File(QStringLiteral("no such folder/Diary.db"));
    SetDiaryName(missing);
    EXPECT_EQ(Locate(), missing) << "cancel keeps the old path";
    EXPECT_EQ(DiaryName(), missing);
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].filter, "database files (*.db)");
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, "db");
    EXPECT_EQ(prompts.fileRequests[0].initialName, "*.db");

    const QString chosen = dir.File(QStringLiteral("Chosen.db"));
    prompts.fileAnswers.append(chosen);
    EXPECT_EQ(Locate(), chosen);
    EXPECT_EQ(DiaryName(), chosen);
}

TEST_F(DiaryLocationTest, DefaultSurvivesACancelledDialog) {
    // A folder named like the diary makes the default unusable.
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("Diary.db")));
    EXPECT_EQ(Locate(), defaultPath);
    EXPECT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(DiaryName(), defaultPath);
}

TEST_F(DiaryLocationTest, DiaryOpenElsewhereFailsTheProbe) {
    diaryfiles::CreateDiary(defaultPath);
    SetDiaryName(defaultPath);
    {
        CDiaryDatabase running(defaultPath);
        EXPECT_FALSE(ProbeDiaryFile(defaultPath));
        Locate();
        EXPECT_EQ(prompts.fileRequests.size(), 1);
        EXPECT_TRUE(EnsureDiaryFileExists(defaultPath)) << "the command line still gets in";
    }
    EXPECT_TRUE(ProbeDiaryFile(defaultPath));
}

class FileOpenTest : public DiaryLocationTest {
protected:
    FileOpenTest() {
        diaryfiles::CreateDiary(defaultPath);
        diaryfiles::CreateDiary(otherPath);
        diaryfiles::RawConnection(otherPath).Add({"05032007", "in the other diary"});
        SetDiaryName(defaultPath);
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

TEST_F(FileOpenTest, ConfirmedFileIsWrittenAndTheIndexReloadedFromIt) {
    prompts.fileAnswers.append(otherPath);
    EXPECT_EQ(index.Mark(64), 0);
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(DiaryName(), otherPath);
    EXPECT_TRUE(index.IsReady());
    EXPECT_EQ(index.Mark(64), 1);
    EXPECT_EQ(holder.GetDiarySet()->GetDefaultDBName(), otherPath);
}

TEST_F(FileOpenTest, SameFileAgainStillReopensAndReloads) {
    prompts.fileAnswers.append(defaultPath);
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "added meanwhile"});
    EXPECT_TRUE(OpenOther());
    EXPECT_EQ(index.Mark(64), 1);
}

TEST_F(FileOpenTest, CancelChangesNothing) {
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "not loaded yet"});
    EXPECT_FALSE(OpenOther());
    EXPECT_EQ(DiaryName(), defaultPath);
    EXPECT_EQ(index.Mark(64), 0);
    EXPECT_TRUE(holder.GetDiarySet()->IsOpen());
}

TEST_F(FileOpenTest, UnusableChoiceReportsAndLeavesNoOldMarks) {
    diaryfiles::RawConnection(defaultPath).Add({"05032007", "old diary"});
    index.LoadMonthIndex(holder.GetDiarySet(), 3, 2007, false, clock);
    ASSERT_EQ(index.Mark(64), 1);
    const QString letter = dir.File(QStringLiteral("letter.db"));
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Dear diary");
    file.close();
    prompts.fileAnswers.append(letter);
    EXPECT_THROW(OpenOther(), CDatabaseError);
    EXPECT_EQ(DiaryName(), letter);
    EXPECT_EQ(index.Mark(64), 0);
    EXPECT_FALSE(holder.GetDiarySet()->IsOpen());
}
}  // namespace
